-- A sample installation: one municipality's public lighting, small enough
-- to read and complete enough that every window shows something. The
-- session's project is number 306 until one is chosen, so the sample is
-- that project. Coordinates are UTM (ETRS89, zone 31N), in metres.

INSERT INTO T_Client (NumClient, NomClient, Adreca, PersonaContacte, Telefon, Fax, CIF) VALUES
  (1, 'Ajuntament de Vilanova del Riu', 'Plaça de la Vila, 1, 08799 Vilanova del Riu',
   'Marta Puig i Soler', '938 120 450', '938 120 451', 'P0899900J');

INSERT INTO T_TipusManteniment (NumTipusManteniment, CodTipusManteniment, Observacions) VALUES
  (1, 'Integral', 'Manteniment preventiu i correctiu, amb reposició de material'),
  (2, 'Preventiu', 'Revisions periòdiques i neteja de lluminàries'),
  (3, 'Correctiu', 'Reparació d''avaries a demanda');

INSERT INTO T_Projecte (NumProjecte, NomProjecte, NomResumit, Situacio, NumClient, NumTipusManteniment) VALUES
  (306, 'Enllumenat públic de Vilanova del Riu', 'Vilanova del Riu', 'Vilanova del Riu (Alt Penedès)', 1, 1);

INSERT INTO T_UsuariProjecte (NumUsuariProjecte, NumUsuari, NumProjecte) VALUES
  (1, 14, 306);

-- Streets and their axes -------------------------------------------------

INSERT INTO T_Carrer (NumCarrer, CodCarrer, NomCarrer, NumProjecte) VALUES
  (1, 'C-001', 'Carrer Major', 306),
  (2, 'C-002', 'Plaça de l''Església', 306),
  (3, 'C-003', 'Avinguda de Catalunya', 306),
  (4, 'C-004', 'Carrer del Molí', 306);

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
  (10, 4, 2, 390431.75, 4581240.00);

-- Zones and their outlines -----------------------------------------------

INSERT INTO T_Zona (NumZona, CodZona, NomZona, FotoZona, NumProjecte) VALUES
  (1, 'Z-01', 'Nucli antic', NULL, 306),
  (2, 'Z-02', 'Eixample', NULL, 306);

INSERT INTO CapaZona (NumPunt, NumZona, NumOrdre, VertexX, VertexY) VALUES
  (1, 1, 1, 390100.00, 4581420.00),
  (2, 1, 2, 390320.00, 4581420.00),
  (3, 1, 3, 390320.00, 4581540.00),
  (4, 1, 4, 390100.00, 4581540.00),
  (5, 2, 1, 390280.00, 4581200.00),
  (6, 2, 2, 390560.00, 4581200.00),
  (7, 2, 3, 390560.00, 4581400.00),
  (8, 2, 4, 390280.00, 4581400.00);

-- Service connections, their map points and element trees ---------------

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
   1, 1, NULL, NULL, 'Quadre renovat el 2016'),
  (2, 'E-02', 2, 3, '45', 1, 2, 'A-2019-11873', NULL, 1,
   1, '000461337-02', 4, 1, 2, 2,
   9.90, 5, 7, 4, 1,
   4, '2019-10-03T00:00:00', '2023-02-14T00:00:00', NULL,
   2, 3, NULL, NULL, NULL);

INSERT INTO CapaEscomesa (NumPunt, NumEscomesa, CoordenadaX, CoordenadaY) VALUES
  (1, 1, 390208.40, 4581468.10),
  (2, 2, 390425.30, 4581326.80);

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
  (10, 2, 9, 3, 4, 6, NULL),
  (11, 2, 10, 6, 9, 9, NULL);

-- Cable segments and their routes ---------------------------------------

INSERT INTO T_Tram (NumTram, CodTram, NumElement, NumTipusCable, NumTramUbicacio,
    NumSeccioTram, NumSeccio2N, DataInstalacio, DataAltaInventari, DataBaixa, Observacions) VALUES
  (1, 'T-01.1', 5, 2, 1, 4, 2, '2016-05-20T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (2, 'T-01.2', 6, 2, 1, 4, 2, '2016-05-20T00:00:00', '2023-02-14T00:00:00', NULL, 'Creua la plaça'),
  (3, 'T-02.1', 11, 1, 2, 3, NULL, '2019-10-03T00:00:00', '2023-02-14T00:00:00', NULL, NULL);

INSERT INTO CapaTram (NumPunt, NumTram, NumOrdre, VertexX, VertexY) VALUES
  (1, 1, 1, 390208.40, 4581468.10),
  (2, 1, 2, 390160.00, 4581458.00),
  (3, 1, 3, 390125.00, 4581451.00),
  (4, 2, 1, 390208.40, 4581468.10),
  (5, 2, 2, 390213.00, 4581505.00),
  (6, 3, 1, 390425.30, 4581326.80),
  (7, 3, 2, 390480.00, 4581340.00),
  (8, 3, 3, 390535.00, 4581350.50);

-- Supports, patterns and light points -----------------------------------

INSERT INTO TSP_Suport (NumSPSuport, CodSPSuport, NumSuportTipus, NumSuportSeccio,
    NumSuportMaterial, NumSuportColor, NumSuportMarca, SuportModel, SuportPortella,
    FotoSPSuport, Observacions) VALUES
  (1, 'S-COL4', 1, 2, 1, 1, 1, 'CT-4000', TRUE, NULL, 'Columna troncocònica de 4 m'),
  (2, 'S-BRA', 3, 1, 1, 3, 2, 'BM-800', FALSE, NULL, 'Braç mural de 0,8 m'),
  (3, 'S-BAC9', 2, 3, 1, 1, 1, 'BO-9000', TRUE, NULL, 'Bàcul octogonal de 9 m');

INSERT INTO TSP_SuportPropietat (NumSuportPropietat, NumSPSuport, NumPropTipus, PropValor, Observacions) VALUES
  (1, 1, 1, 4, NULL),
  (2, 1, 3, 120, NULL),
  (3, 2, 2, 0.8, 'Fixat amb quatre tacs químics'),
  (4, 3, 1, 9, NULL),
  (5, 3, 2, 1.5, NULL),
  (6, 3, 4, 4, NULL);

INSERT INTO T_SuportCaracteristica (NumSuportProp, NumSPSuport, NumPropTipus, PropValor, Observacions) VALUES
  (1, 1, 1, 4, NULL),
  (2, 2, 2, 0.8, NULL),
  (3, 3, 1, 9, NULL);

INSERT INTO T_PatroPLL (NumPatroPLL, CodPatroPLL, NumSPSuport, Observacions, FotoPatro) VALUES
  (1, 'P-VILA4', 1, 'Columna de 4 m amb fanal tipus Vila', NULL),
  (2, 'P-MURAL', 2, 'Braç mural amb lluminària vial LED', NULL),
  (3, 'P-VIAL9', 3, 'Bàcul de 9 m amb lluminària vial', NULL);

INSERT INTO T_PuntLlum (NumPuntLlum, CodPuntLlum, NumEscomesa, NumCarrer, NumeroPostal,
    NumPatroPLL, NumTerraCable, NumTerraSeccio, DataInstalacio, DataAltaInventari,
    DataBaixa, Observacions) VALUES
  (1, 'PL-001', 1, 1, '2', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (2, 'PL-002', 1, 1, '10', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (3, 'PL-003', 1, 1, '18', 2, 2, 2, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, 'Davant de l''escola'),
  (4, 'PL-004', 1, 2, '1', 1, 1, 3, '2016-06-01T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (5, 'PL-101', 2, 3, '47', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, NULL),
  (6, 'PL-102', 2, 3, '61', 3, 3, 4, '2019-10-10T00:00:00', '2023-02-14T00:00:00', NULL, 'Doble lluminària');

INSERT INTO CapaPuntLlum (NumPunt, NumPuntLlum, CoordenadaX, CoordenadaY) VALUES
  (1, 1, 390128.60, 4581452.90),
  (2, 2, 390165.20, 4581459.40),
  (3, 3, 390240.70, 4581475.30),
  (4, 4, 390211.80, 4581498.60),
  (5, 5, 390466.10, 4581337.20),
  (6, 6, 390512.40, 4581346.00);

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
  (7, 'LL-103', 6, 1, 5, 2, 1, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 4, 2, TRUE, 3, TRUE, 2, 2, 2, 2, 'Costat vorera');
