-- A sample installation, small enough to read and complete enough that
-- every window shows something. Coordinates are UTM (ETRS89, zone 31N), in
-- metres. Three projects:
--   306  Vilanova del Riu: streets, three zones (Z-03 without connections),
--        connections E-01 and E-03 in zone Z-01 and E-02 in Z-02; E-02
--        feeds twelve light points, E-03 (not yet in the inventory) none.
--   307  Els Pins: one zone, one connection (EP-01) with a cable segment
--        and three light points.
--   308  Polígon Les Forques: a street and a zone, no connection yet.
-- A photo path is "{fotos}/" and a file name: the folder "Fotos" beside the
-- database library's folder, where the build and the installation put the
-- photos (not the database's own folder).

INSERT INTO T_Client (NumClient, NomClient, Adreca, PersonaContacte, Telefon, Fax, CIF) VALUES
  (1, 'Ajuntament de Vilanova del Riu', 'Plaça de la Vila, 1, 08799 Vilanova del Riu',
   'Marta Puig i Soler', '938 120 450', '938 120 451', 'P0899900J');

-- Type 4 is in no project, so that it can be deleted.
INSERT INTO T_TipusManteniment (NumTipusManteniment, CodTipusManteniment, Observacions) VALUES
  (1, 'Integral', 'Manteniment preventiu i correctiu, amb reposició de material'),
  (2, 'Preventiu', 'Revisions periòdiques i neteja de lluminàries'),
  (3, 'Correctiu', 'Reparació d''avaries a demanda'),
  (4, 'Telegestió', 'Seguiment remot de les escomeses telegestionades');

INSERT INTO T_Projecte (NumProjecte, NomProjecte, NomResumit, Situacio, NumClient, NumTipusManteniment) VALUES
  (306, 'Enllumenat públic de Vilanova del Riu', 'Vilanova del Riu', 'Vilanova del Riu (Alt Penedès)', 1, 1),
  (307, 'Enllumenat de la urbanització Els Pins', 'Els Pins', 'Vilanova del Riu (Alt Penedès)', 1, 2),
  (308, 'Ampliació del polígon industrial Les Forques', 'Polígon Les Forques', 'Vilanova del Riu (Alt Penedès)', 1, 3);

-- The administrator may open project 306; the user window can give him
-- the others.
INSERT INTO T_UsuariProjecte (NumUsuariProjecte, NumUsuari, NumProjecte) VALUES
  (1, 14, 306);

-- Streets and their axes. C-005 is not drawn on the map yet.

INSERT INTO T_Carrer (NumCarrer, CodCarrer, NomCarrer, NumProjecte) VALUES
  (1, 'C-001', 'Carrer Major', 306),
  (2, 'C-002', 'Plaça de l''Església', 306),
  (3, 'C-003', 'Avinguda de Catalunya', 306),
  (4, 'C-004', 'Carrer del Molí', 306),
  (5, 'C-005', 'Passatge de les Moreres', 306),
  (6, 'C-101', 'Carrer dels Pins', 307),
  (7, 'C-102', 'Carrer de les Alzines', 307),
  (8, 'C-201', 'Carrer de la Indústria', 308);

INSERT INTO CapaCarrer (NumPunt, NumCarrer, NumOrdre, VertexX, VertexY) VALUES
  (1, 1, 1, 390120.00, 4581450.00),
  (2, 1, 2, 390205.50, 4581472.25),
  (3, 1, 3, 390298.00, 4581480.75),
  (4, 2, 1, 390205.50, 4581472.25),
  (5, 2, 2, 390214.00, 4581510.00),
  (6, 3, 1, 390300.00, 4581300.00),
  (7, 3, 2, 390420.00, 4581330.50),
  (8, 3, 3, 390540.25, 4581352.00),
  (9, 4, 1, 390420.00, 4581330.50),
  (10, 4, 2, 390431.75, 4581240.00),
  (11, 6, 1, 391250.00, 4580820.00),
  (12, 6, 2, 391330.00, 4580860.00),
  (13, 6, 3, 391410.00, 4580870.00),
  (14, 7, 1, 391330.00, 4580860.00),
  (15, 7, 2, 391345.00, 4580930.00),
  (16, 8, 1, 389850.00, 4580920.00),
  (17, 8, 2, 390010.00, 4580955.00);

-- Zones and their outlines. Zone codes repeat across projects, as each
-- project numbers its own.

INSERT INTO T_Zona (NumZona, CodZona, NomZona, FotoZona, NumProjecte) VALUES
  (1, 'Z-01', 'Nucli antic', '{fotos}/Zona-Vilanova-Z01.jpg', 306),
  (2, 'Z-02', 'Eixample', '{fotos}/Zona-Vilanova-Z02.jpg', 306),
  (3, 'Z-03', 'Zona esportiva', NULL, 306),
  (4, 'Z-01', 'Urbanització Els Pins', '{fotos}/Zona-ElsPins-Z01.jpg', 307),
  (5, 'Z-01', 'Polígon Les Forques', NULL, 308);

INSERT INTO CapaZona (NumPunt, NumZona, NumOrdre, VertexX, VertexY) VALUES
  (1, 1, 1, 390100.00, 4581420.00),
  (2, 1, 2, 390320.00, 4581420.00),
  (3, 1, 3, 390320.00, 4581540.00),
  (4, 1, 4, 390100.00, 4581540.00),
  (5, 2, 1, 390280.00, 4581200.00),
  (6, 2, 2, 390560.00, 4581200.00),
  (7, 2, 3, 390560.00, 4581400.00),
  (8, 2, 4, 390280.00, 4581400.00),
  (9, 3, 1, 390560.00, 4581200.00),
  (10, 3, 2, 390700.00, 4581200.00),
  (11, 3, 3, 390700.00, 4581330.00),
  (12, 3, 4, 390560.00, 4581330.00),
  (13, 4, 1, 391230.00, 4580800.00),
  (14, 4, 2, 391430.00, 4580800.00),
  (15, 4, 3, 391430.00, 4580950.00),
  (16, 4, 4, 391230.00, 4580950.00),
  (17, 5, 1, 389830.00, 4580890.00),
  (18, 5, 2, 390030.00, 4580890.00),
  (19, 5, 3, 390030.00, 4581000.00),
  (20, 5, 4, 389830.00, 4581000.00);

-- Service connections, their map points and element trees ---------------
-- E-03 has no inventory date and nothing hangs from it: it can be deleted.

INSERT INTO T_Escomesa (NumEscomesa, CodEscomesa, NumZona, NumCarrer, NumeroPostal,
    NumTipusInstalacio, NumComptadorTipus, ComptadorA, ComptadorR, NumConjuntMesura,
    NumCompanyia, Polissa, NumTensio, NumTarifa, NumDiscriminacio, NumPeriodicitat,
    PotenciaContractada, NumSeccioE, NumFusibleE, NumICP, NumSistemaEncesa,
    NumSistemaRegulacio, DataInstalacio, DataAltaInventari, DataBaixa,
    NumArmariMaterial, NumArmariUbicacio, FotoEscomesa, FotoEsquema, Observacions) VALUES
  (1, 'E-01', 1, 1, '12', 1, 3, 'A-2016-04512', 'R-2016-04512', 3,
   1, '000458120-01', 4, 2, 3, 2,
   13.86, 6, 8, 6, 2,
   2, '2016-05-20T00:00:00', '2023-02-14T00:00:00', NULL,
   1, 1, '{fotos}/Escomesa-E01.jpg', '{fotos}/Esquema-E01.png', 'Quadre renovat el 2016'),
  (2, 'E-02', 2, 3, '45', 1, 2, 'A-2019-11873', NULL, 1,
   1, '000461337-02', 4, 1, 2, 2,
   9.90, 5, 7, 4, 1,
   4, '2019-10-03T00:00:00', '2023-02-14T00:00:00', NULL,
   2, 3, '{fotos}/Escomesa-E02.jpg', NULL, NULL),
  (3, 'E-03', 1, 2, '3', 3, 4, 'A-2024-00871', NULL, 3,
   2, '000512904-03', 1, 1, 3, 1,
   4.60, 4, 6, 3, 4,
   5, '2024-09-16T00:00:00', NULL, NULL,
   1, 2, '{fotos}/Escomesa-E03.jpg', NULL, 'Enllumenat ornamental de la plaça'),
  (4, 'EP-01', 4, 6, '2', 1, 2, 'A-2012-07733', 'R-2012-07733', 1,
   3, '000377215-01', 4, 4, 1, 2,
   6.93, 4, 4, 1, 1,
   1, '2012-04-02T00:00:00', '2023-06-01T00:00:00', NULL,
   4, 3, '{fotos}/Escomesa-EP01.jpg', NULL, 'Quadre original de la urbanització');

INSERT INTO CapaEscomesa (NumPunt, NumEscomesa, CoordenadaX, CoordenadaY) VALUES
  (1, 1, 390208.40, 4581468.10),
  (2, 2, 390425.30, 4581326.80),
  (3, 3, 390209.60, 4581503.20),
  (4, 4, 391335.20, 4580856.40);

-- Each connection: general switch, residual-current devices, breakers and
-- their output lines. ElementOrigen names the parent element, 0 the
-- connection itself; element codes do not repeat within a connection.
INSERT INTO T_EscomesaElements (NumElement, NumEscomesa, ElementOrigen, NumElementTipus,
    NumElementCodi, NumElementValor, Observacions) VALUES
  (1, 1, 0, 1, 1, 1, NULL),
  (2, 1, 1, 2, 2, 3, NULL),
  (3, 1, 2, 3, 4, 5, 'Circuit del Carrer Major'),
  (4, 1, 2, 3, 5, 5, 'Circuit de la plaça'),
  (5, 1, 3, 6, 9, 9, NULL),
  (6, 1, 4, 6, 10, 10, NULL),
  (7, 1, 1, 5, 8, 8, 'Encesa i apagada segons calendari'),
  (8, 2, 0, 1, 1, 2, NULL),
  (9, 2, 8, 2, 2, 4, NULL),
  (10, 2, 9, 3, 4, 6, 'Circuit de l''Avinguda'),
  (11, 2, 10, 6, 9, 9, NULL),
  (12, 2, 9, 3, 5, 6, 'Circuit del Carrer del Molí'),
  (13, 2, 12, 6, 10, 10, NULL),
  (14, 2, 8, 4, 7, 7, NULL),
  (15, 2, 8, 5, 8, 8, NULL),
  (16, 3, 0, 1, 1, 12, NULL),
  (17, 3, 16, 2, 2, 13, NULL),
  (18, 3, 17, 3, 4, 14, 'Projectors de la façana de l''església'),
  (19, 3, 18, 6, 9, 9, NULL),
  (20, 4, 0, 1, 1, 2, NULL),
  (21, 4, 20, 2, 2, 3, NULL),
  (22, 4, 21, 3, 4, 6, NULL),
  (23, 4, 22, 6, 9, 9, NULL);

-- Cable segments and their routes. T-02.3 has no inventory date yet.

INSERT INTO T_Tram (NumTram, CodTram, NumElement, NumTipusCable, NumTramUbicacio,
    NumSeccioTram, NumSeccio2N, DataInstalacio, DataAltaInventari, DataBaixa, Observacions) VALUES
  (1, 'T-01.1', 5, 2, 1, 4, 2, '2016-05-20T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (2, 'T-01.2', 6, 2, 1, 4, 2, '2016-05-20T00:00:00', '2023-02-14T00:00:00', NULL, 'Creua la plaça'),
  (3, 'T-02.1', 11, 1, 2, 3, NULL, '2019-10-03T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (4, 'T-02.2', 11, 1, 1, 3, 2, '2019-10-03T00:00:00', '2023-02-14T00:00:00', NULL, 'Tram oest de l''Avinguda'),
  (5, 'T-02.3', 13, 3, 4, 3, 2, '2024-03-11T00:00:00', NULL, NULL, 'Grapat a les façanes'),
  (6, 'TP-01.1', 23, 3, 3, 4, 2, '2012-04-02T00:00:00', '2023-06-01T00:00:00', NULL, NULL);

INSERT INTO CapaTram (NumPunt, NumTram, NumOrdre, VertexX, VertexY) VALUES
  (1, 1, 1, 390208.40, 4581468.10),
  (2, 1, 2, 390160.00, 4581458.00),
  (3, 1, 3, 390125.00, 4581451.00),
  (4, 2, 1, 390208.40, 4581468.10),
  (5, 2, 2, 390213.00, 4581505.00),
  (6, 3, 1, 390425.30, 4581326.80),
  (7, 3, 2, 390480.00, 4581340.00),
  (8, 3, 3, 390535.00, 4581350.50),
  (9, 4, 1, 390425.30, 4581326.80),
  (10, 4, 2, 390360.00, 4581312.00),
  (11, 4, 3, 390305.00, 4581301.00),
  (12, 5, 1, 390425.30, 4581326.80),
  (13, 5, 2, 390427.50, 4581285.00),
  (14, 5, 3, 390431.50, 4581242.00),
  (15, 6, 1, 391335.20, 4580856.40),
  (16, 6, 2, 391305.90, 4580849.60),
  (17, 6, 3, 391275.40, 4580834.80);

-- Supports, patterns and light points -----------------------------------

INSERT INTO TSP_Suport (NumSPSuport, CodSPSuport, NumSuportTipus, NumSuportSeccio,
    NumSuportMaterial, NumSuportColor, NumSuportMarca, SuportModel, SuportPortella,
    FotoSPSuport, Observacions) VALUES
  (1, 'S-COL4', 1, 2, 1, 1, 1, 'CT-4000', TRUE, '{fotos}/Suport-S-COL4.jpg', 'Columna troncocònica de 4 m'),
  (2, 'S-BRA', 3, 1, 1, 3, 2, 'BM-800', FALSE, '{fotos}/Suport-S-BRA.jpg', 'Braç mural de 0,8 m'),
  (3, 'S-BAC9', 2, 3, 1, 1, 1, 'BO-9000', TRUE, '{fotos}/Suport-S-BAC9.jpg', 'Bàcul octogonal de 9 m'),
  (4, 'S-COL3', 1, 1, 3, 3, 3, 'CF-3000', TRUE, '{fotos}/Suport-S-COL3.jpg', 'Columna de fosa de 3 m');

INSERT INTO TSP_SuportPropietat (NumSuportPropietat, NumSPSuport, NumPropTipus, PropValor, Observacions) VALUES
  (1, 1, 1, 4, NULL),
  (2, 1, 3, 120, NULL),
  (3, 2, 2, 0.8, 'Fixat amb quatre tacs químics'),
  (4, 3, 1, 9, NULL),
  (5, 3, 2, 1.5, NULL),
  (6, 3, 4, 4, NULL),
  (7, 4, 1, 3, NULL),
  (8, 4, 3, 280, 'Base ornamental');

INSERT INTO T_SuportCaracteristica (NumSuportProp, NumSPSuport, NumPropTipus, PropValor, Observacions) VALUES
  (1, 1, 1, 4, NULL),
  (2, 2, 2, 0.8, NULL),
  (3, 3, 1, 9, NULL);

-- P-MURAL has no photo.
INSERT INTO T_PatroPLL (NumPatroPLL, CodPatroPLL, NumSPSuport, Observacions, FotoPatro) VALUES
  (1, 'P-VILA4', 1, 'Columna de 4 m amb fanal tipus Vila', '{fotos}/Patro-P-VILA4.jpg'),
  (2, 'P-MURAL', 2, 'Braç mural amb lluminària vial LED', NULL),
  (3, 'P-VIAL9', 3, 'Bàcul de 9 m amb lluminària vial', '{fotos}/Patro-P-VIAL9.jpg'),
  (4, 'P-GLOBUS', 4, 'Columna de fosa de 3 m amb globus', '{fotos}/Patro-P-GLOBUS.jpg');

-- E-02 feeds twelve points; PL-112, the last, has no inventory date and no
-- luminaire yet.
INSERT INTO T_PuntLlum (NumPuntLlum, CodPuntLlum, NumEscomesa, NumCarrer, NumeroPostal,
    NumPatroPLL, NumTerraCable, NumTerraSeccio, DataInstalacio, DataAltaInventari,
    DataBaixa, Observacions) VALUES
  (1, 'PL-001', 1, 1, '2', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (2, 'PL-002', 1, 1, '10', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (3, 'PL-003', 1, 1, '18', 2, 2, 2, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, 'Davant de l''escola'),
  (4, 'PL-004', 1, 2, '1', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (5, 'PL-101', 2, 3, '47', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (6, 'PL-102', 2, 3, '61', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, 'Doble lluminària'),
  (7, 'PL-103', 2, 3, '1', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (8, 'PL-104', 2, 3, '13', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (9, 'PL-105', 2, 3, '25', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (10, 'PL-106', 2, 3, '35', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, 'Doble lluminària a la cruïlla'),
  (11, 'PL-107', 2, 3, '73', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (12, 'PL-108', 2, 4, '2', 2, 2, 3, '2019-10-14T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (13, 'PL-109', 2, 4, '8', 2, 2, 3, '2019-10-14T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (14, 'PL-110', 2, 4, '14', 2, 2, 3, '2019-10-14T00:00:00', '2023-02-14T00:00:00', NULL, 'Braç sobre la porta del molí'),
  (15, 'PL-111', 2, 4, '22', 4, 1, 3, '2019-10-14T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (16, 'PL-112', 2, 3, '52', 4, 1, 3, '2024-03-11T00:00:00', NULL, NULL, 'Pendent de posar la lluminària'),
  (17, 'PP-001', 4, 6, '1', 1, 2, 3, '2012-04-10T00:00:00', '2023-06-01T00:00:00', NULL, NULL),
  (18, 'PP-002', 4, 6, '9', 1, 2, 3, '2012-04-10T00:00:00', '2023-06-01T00:00:00', NULL, NULL),
  (19, 'PP-003', 4, 6, '17', 1, 2, 3, '2012-04-10T00:00:00', '2023-06-01T00:00:00', NULL, NULL);

INSERT INTO CapaPuntLlum (NumPunt, NumPuntLlum, CoordenadaX, CoordenadaY) VALUES
  (1, 1, 390128.60, 4581452.90),
  (2, 2, 390165.20, 4581459.40),
  (3, 3, 390240.70, 4581475.30),
  (4, 4, 390211.80, 4581498.60),
  (5, 5, 390466.10, 4581337.20),
  (6, 6, 390512.40, 4581346.00),
  (7, 7, 390318.50, 4581305.10),
  (8, 8, 390352.80, 4581313.40),
  (9, 9, 390389.20, 4581322.90),
  (10, 10, 390427.60, 4581331.80),
  (11, 11, 390536.90, 4581350.70),
  (12, 12, 390422.40, 4581311.20),
  (13, 13, 390425.10, 4581288.60),
  (14, 14, 390428.30, 4581264.00),
  (15, 15, 390431.60, 4581240.20),
  (16, 16, 390480.30, 4581332.60),
  (17, 17, 391275.40, 4580834.80),
  (18, 18, 391305.90, 4580849.60),
  (19, 19, 391372.10, 4580864.30);

INSERT INTO T_Lluminaria (NumLluminaria, CodLluminaria, NumPuntLlum, NumTipusLlum,
    NumLluminariaTipus, NumLluminariaMarca, NumLluminariaModel, LluminariaContaminacio,
    BombetaNumero, NumBombetaForma, NumBombetaMarca, NumBombetaModel, BombetaPotencia,
    Equip2N, NumEquipUbicacio, NumEquipMarca, NumEquipModel, FusiblesNumero,
    FusiblesCalibrats, NumFusiblesAmpers, CaixaTallOmnipolar, NumCaixaTipus,
    NumCaixaUbicacio, NumCaixaMarca, NumCaixaModel, Observacions) VALUES
  (1, 'LL-001', 1, 2, 2, 1, 3, TRUE, 1, 1, 1, 1, 70, TRUE, 1, 1, 1, 2, TRUE, 2, TRUE, 1, 1, 1, 1, NULL),
  (2, 'LL-002', 2, 2, 2, 1, 3, TRUE, 1, 1, 1, 1, 70, TRUE, 1, 1, 1, 2, TRUE, 2, TRUE, 1, 1, 1, 1, NULL),
  (3, 'LL-003', 3, 1, 1, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 1, 3, 1, TRUE, 2, FALSE, 1, 1, 1, 3, 'Substituïda per LED el 2022'),
  (4, 'LL-004', 4, 2, 2, 1, 3, TRUE, 1, 1, 1, 2, 100, TRUE, 1, 1, 2, 2, TRUE, 3, TRUE, 1, 1, 1, 1, NULL),
  (5, 'LL-101', 5, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, NULL),
  (6, 'LL-102', 6, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, 'Costat calçada'),
  (7, 'LL-103', 6, 1, 5, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, 'Costat vorera'),
  (8, 'LL-104', 7, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, NULL),
  (9, 'LL-105', 8, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, NULL),
  (10, 'LL-106', 9, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, NULL),
  (11, 'LL-107', 10, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, 'Cap a l''Avinguda'),
  (12, 'LL-108', 10, 1, 1, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 3, 2, TRUE, 3, TRUE, 2, 2, 2, 2, 'Cap al Carrer del Molí'),
  (13, 'LL-109', 11, 1, 1, 2, 2, FALSE, 1, 4, 3, 6, 70, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, NULL),
  (14, 'LL-110', 12, 1, 1, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 3, 1, TRUE, 2, FALSE, 1, 1, 1, 3, NULL),
  (15, 'LL-111', 13, 1, 1, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 3, 1, TRUE, 2, FALSE, 1, 1, 1, 3, NULL),
  (16, 'LL-112', 14, 1, 1, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 3, 1, TRUE, 2, FALSE, 1, 1, 1, 3, NULL),
  (17, 'LL-113', 15, 3, 3, 1, 4, TRUE, 1, 2, 1, 4, 100, FALSE, 2, 1, 5, 1, TRUE, 3, TRUE, 3, 2, 1, 3, NULL),
  (18, 'LP-001', 17, 2, 2, 1, 3, TRUE, 1, 1, 1, 1, 70, TRUE, 1, 1, 1, 2, TRUE, 2, TRUE, 1, 1, 1, 1, NULL),
  (19, 'LP-002', 18, 2, 2, 1, 3, TRUE, 1, 1, 1, 1, 70, TRUE, 1, 1, 1, 2, TRUE, 2, TRUE, 1, 1, 1, 1, NULL),
  (20, 'LP-003', 19, 2, 2, 1, 3, TRUE, 1, 1, 1, 1, 70, TRUE, 1, 1, 1, 2, TRUE, 2, TRUE, 1, 1, 1, 1, NULL);

-- Photos of the luminaire models; the Fotònica PR-150 has none.
UPDATE TTLL_LluminariaModel SET FotoLluminaria = '{fotos}/Lluminaria-V40.jpg' WHERE NumLluminariaModel = 1;
UPDATE TTLL_LluminariaModel SET FotoLluminaria = '{fotos}/Lluminaria-V70.jpg' WHERE NumLluminariaModel = 2;
UPDATE TTLL_LluminariaModel SET FotoLluminaria = '{fotos}/Lluminaria-VilaClassic.jpg' WHERE NumLluminariaModel = 3;
UPDATE TTLL_LluminariaModel SET FotoLluminaria = '{fotos}/Lluminaria-Globus500.jpg' WHERE NumLluminariaModel = 4;
