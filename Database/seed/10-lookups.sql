-- Lookup tables: the codes that the data combos of the windows offer.
-- Keys are given so that the sample installation can name them; the
-- auto-number of each table goes on after the highest key given here.

-- Service connections ----------------------------------------------------

INSERT INTO TTE_Companyia (NumCompanyia, CodCompanyia) VALUES
  (1, 'Distribuïdora Elèctrica del Llobregat'),
  (2, 'Companyia Elèctrica del Vallès'),
  (3, 'Energia Catalana de Distribució'),
  (4, 'Hidroelèctrica de l''Empordà');

INSERT INTO TTE_Tarifa (NumTarifa, CodTarifa) VALUES
  (1, '2.0TD'),
  (2, '3.0TD'),
  (3, '6.1TD'),
  (4, 'Enllumenat públic (antiga B0)');

INSERT INTO TTE_Tensio (NumTensio, CodTensio) VALUES
  (1, '230 V'),
  (2, '3x230 V'),
  (3, '3x400 V'),
  (4, '3x400/230 V');

INSERT INTO TTE_Discriminacio (NumDiscriminacio, CodDiscriminacio) VALUES
  (1, 'Sense discriminació horària'),
  (2, 'Dos períodes'),
  (3, 'Tres períodes'),
  (4, 'Sis períodes');

INSERT INTO TTE_Periodicitat (NumPeriodicitat, CodPeriodicitat) VALUES
  (1, 'Mensual'),
  (2, 'Bimestral'),
  (3, 'Trimestral');

INSERT INTO TTE_ICP (NumICP, CodICP) VALUES
  (1, 'ICP 10 A'),
  (2, 'ICP 16 A'),
  (3, 'ICP 25 A'),
  (4, 'ICP 32 A'),
  (5, 'ICP 40 A'),
  (6, 'Maxímetre');

INSERT INTO TTE_Comptador (NumComptador, CodComptador) VALUES
  (1, 'Monofàsic'),
  (2, 'Trifàsic'),
  (3, 'Trifàsic amb discriminació horària'),
  (4, 'Electrònic telegestionat');

INSERT INTO TTE_ConjuntMesura (NumiConjuntMesura, CodiConjuntMesura) VALUES
  (1, 'Mesura directa'),
  (2, 'Mesura indirecta amb transformadors'),
  (3, 'Caixa de protecció i mesura (CPM)');

INSERT INTO TTE_TipusInstalacio (NumTipusInstalacio, CodTipusInstalacio) VALUES
  (1, 'Soterrada'),
  (2, 'Aèria'),
  (3, 'Grapada a façana'),
  (4, 'Mixta');

INSERT INTO TTE_SistemaEncesa (NumSistemaEncesa, CodSistemaEncesa) VALUES
  (1, 'Cèl·lula fotoelèctrica'),
  (2, 'Rellotge astronòmic'),
  (3, 'Rellotge horari'),
  (4, 'Telegestió');

INSERT INTO TTE_SistemaRegulacio (NumSistemaRegulacio, CodSistemaRegulacio) VALUES
  (1, 'Sense regulació'),
  (2, 'Reductor de flux en capçalera'),
  (3, 'Balast de doble nivell'),
  (4, 'Driver programable'),
  (5, 'Telegestió punt a punt');

INSERT INTO TTE_ArmariMaterial (NumArmariMaterial, CodArmariMaterial) VALUES
  (1, 'Polièster reforçat amb fibra de vidre'),
  (2, 'Acer inoxidable'),
  (3, 'Acer galvanitzat'),
  (4, 'Formigó prefabricat');

INSERT INTO TTE_ArmariUbicacio (NumArmariUbicacio, CodArmariUbicacio) VALUES
  (1, 'Adossat a façana'),
  (2, 'Encastat a façana'),
  (3, 'Sobre peanya a la vorera'),
  (4, 'Dins de caseta');

-- Elements inside a service connection: types, codes and values. The
-- type "Sortida" marks the output lines from which cable segments leave.

INSERT INTO TTE_ElementTipus (NumElementTipus, CodElementTipus) VALUES
  (1, 'Interruptor general'),
  (2, 'Diferencial'),
  (3, 'Magnetotèrmic'),
  (4, 'Contactor'),
  (5, 'Rellotge astronòmic'),
  (6, 'Sortida');

INSERT INTO TTE_ElementCodi (NumElementCodi, CodElementCodi, NumElementTipus) VALUES
  (1, 'IG', 1),
  (2, 'DF1', 2),
  (3, 'DF2', 2),
  (4, 'MT1', 3),
  (5, 'MT2', 3),
  (6, 'MT3', 3),
  (7, 'KM1', 4),
  (8, 'RA', 5),
  (9, 'L1', 6),
  (10, 'L2', 6),
  (11, 'L3', 6);

INSERT INTO TTE_ElementValor (NumElementValor, CodElementValor, NumElementTipus) VALUES
  (1, '4x63 A', 1),
  (2, '4x40 A', 1),
  (3, '4x40 A 300 mA', 2),
  (4, '4x25 A 30 mA', 2),
  (5, '4x16 A', 3),
  (6, '4x10 A', 3),
  (7, '4x25 A', 4),
  (8, 'Programació anual', 5),
  (9, 'Sortida 1', 6),
  (10, 'Sortida 2', 6),
  (11, 'Sortida 3', 6),
  (12, '2x40 A', 1),
  (13, '2x25 A 30 mA', 2),
  (14, '2x10 A', 3);

-- Shared by connections, cable segments and light points ----------------

INSERT INTO TT_SeccioCable (NumSeccioCable, CodSeccioCable) VALUES
  (1, '1,5 mm²'),
  (2, '2,5 mm²'),
  (3, '4 mm²'),
  (4, '6 mm²'),
  (5, '10 mm²'),
  (6, '16 mm²'),
  (7, '25 mm²'),
  (8, '35 mm²');

INSERT INTO TT_FusibleA (NumFusibleA, CodFusibleA) VALUES
  (1, '2 A'),
  (2, '4 A'),
  (3, '6 A'),
  (4, '10 A'),
  (5, '16 A'),
  (6, '20 A'),
  (7, '25 A'),
  (8, '32 A'),
  (9, '40 A'),
  (10, '63 A');

-- Cable segments ----------------------------------------------------------

INSERT INTO TTT_TipusCable (NumTipusCable, CodTipusCable) VALUES
  (1, 'RV-K 0,6/1 kV'),
  (2, 'RZ1-K (AS) 0,6/1 kV'),
  (3, 'RZ 0,6/1 kV trenat'),
  (4, 'H07V-K 450/750 V');

INSERT INTO TTT_TramUbicacio (NumTramUbicacio, CodTramUbicacio) VALUES
  (1, 'Soterrat sota vorera'),
  (2, 'Soterrat sota calçada'),
  (3, 'Aeri'),
  (4, 'Grapat a façana');

-- Supports, earthing and boxes ------------------------------------------

INSERT INTO TTS_SuportTipus (NumSuportTipus, CodSuportTipus) VALUES
  (1, 'Columna'),
  (2, 'Bàcul'),
  (3, 'Braç mural'),
  (4, 'Pal de fusta'),
  (5, 'Pal de formigó'),
  (6, 'Suport de projector');

INSERT INTO TTS_SuportSeccio (NumSuportSeccio, CodSuportSeccio) VALUES
  (1, 'Circular'),
  (2, 'Troncocònica'),
  (3, 'Octogonal'),
  (4, 'Quadrada');

INSERT INTO TTS_SuportMaterial (NumSuportMaterial, CodSuportMaterial) VALUES
  (1, 'Acer galvanitzat'),
  (2, 'Alumini'),
  (3, 'Fosa'),
  (4, 'Fusta'),
  (5, 'Formigó'),
  (6, 'Acer inoxidable');

INSERT INTO TTS_SuportColor (NumSuportColor, CodSuportColor) VALUES
  (1, 'Gris RAL 7035'),
  (2, 'Verd RAL 6009'),
  (3, 'Negre RAL 9005'),
  (4, 'Blanc RAL 9010'),
  (5, 'Sense pintar');

INSERT INTO TTS_SuportMarca (NumSuportMarca, CodSuportMarca) VALUES
  (1, 'Columnes Montsant'),
  (2, 'Metal·listeria Segarra'),
  (3, 'Foneria del Ter');

INSERT INTO TTS_SuportPropietatTipus (NumPropTipus, CodPropTipus) VALUES
  (1, 'Alçada (m)'),
  (2, 'Volada del braç (m)'),
  (3, 'Diàmetre de la base (mm)'),
  (4, 'Gruix de la xapa (mm)'),
  (5, 'Nombre de braços');

INSERT INTO TTS_PresaTerra (NumTerraCable, CodTerraCable) VALUES
  (1, 'Piqueta individual'),
  (2, 'Conductor de terra comú'),
  (3, 'Piqueta i conductor comú'),
  (4, 'Sense presa de terra');

INSERT INTO TTS_CaixaTipus (NumCaixaTipus, CodCaixaTipus) VALUES
  (1, 'Caixa de connexió'),
  (2, 'Caixa de derivació'),
  (3, 'Caixa de protecció');

INSERT INTO TTS_CaixaMarca (NumCaixaMarca, CodCaixaMarca) VALUES
  (1, 'Electromaterials Osona'),
  (2, 'Connexions Penedès');

INSERT INTO TTS_CaixaUbicacio (NumCaixaUbicacio, CodCaixaUbicacio) VALUES
  (1, 'Dins del suport'),
  (2, 'A la base del suport'),
  (3, 'En arqueta');

INSERT INTO TTS_CaixaModel (NumCaixaModel, CodiCaixaModel) VALUES
  (1, 'CC-2 (2 fusibles)'),
  (2, 'CD-4 (4 fusibles)'),
  (3, 'CP-1 (1 fusible)');

-- Luminaires, lamps and gear --------------------------------------------

INSERT INTO TTLL_TipusLlum (NumLlumTipus, CodLlumTipus) VALUES
  (1, 'LED'),
  (2, 'Vapor de sodi d''alta pressió'),
  (3, 'Halogenurs metàl·lics'),
  (4, 'Vapor de mercuri'),
  (5, 'Fluorescent compacta');

INSERT INTO TTLL_LluminariaTipus (NumLluminariaTipus, CodLluminariaTipus) VALUES
  (1, 'Vial'),
  (2, 'Fanal tipus Vila'),
  (3, 'Globus'),
  (4, 'Projector'),
  (5, 'Aplic mural'),
  (6, 'Decorativa');

INSERT INTO TTLL_LluminariaMarca (NumLluminariaMarca, CodLluminariaMarca) VALUES
  (1, 'Lumenor'),
  (2, 'Vialum'),
  (3, 'Fotònica Mediterrània');

INSERT INTO TTLL_LluminariaModel (NumLluminariaModel, CodLluminariaModel, FotoLluminaria) VALUES
  (1, 'Vialum V-40 LED', NULL),
  (2, 'Vialum V-70 LED', NULL),
  (3, 'Lumenor Vila Clàssic', NULL),
  (4, 'Lumenor Globus 500', NULL),
  (5, 'Fotònica PR-150', NULL);

INSERT INTO TTLL_BombetaForma (NumBombetaForma, CodBombetaForma) VALUES
  (1, 'Tubular'),
  (2, 'Ovoide'),
  (3, 'Esfèrica'),
  (4, 'Mòdul LED');

INSERT INTO TTLL_BombetaMarca (NumBombetaMarca, CodBombetaMarca) VALUES
  (1, 'Lumenor'),
  (2, 'Il·luminació Garrotxa'),
  (3, 'Fotònica Mediterrània');

INSERT INTO TTLL_BombetaModel (NumBombetaModel, CodBombetaModel) VALUES
  (1, 'VSAP 70 W tubular'),
  (2, 'VSAP 100 W tubular'),
  (3, 'VSAP 150 W tubular'),
  (4, 'HM 100 W ovoide'),
  (5, 'Mòdul LED 40 W'),
  (6, 'Mòdul LED 70 W');

INSERT INTO TTLL_EquipUbicacio (NumEquipUbicacio, CodEquipUbicacio) VALUES
  (1, 'Dins de la lluminària'),
  (2, 'A la base del suport'),
  (3, 'En caixa exterior');

INSERT INTO TTLL_EquipMarca (NumEquipMarca, CodEquipMarca) VALUES
  (1, 'Electrònica Ripollès'),
  (2, 'Balastos Anoia');

INSERT INTO TTLL_EquipModel (NumEquipModel, CodEquipModel) VALUES
  (1, 'Balast electromagnètic 70 W'),
  (2, 'Balast de doble nivell 150 W'),
  (3, 'Driver LED 1-10 V'),
  (4, 'Driver LED DALI'),
  (5, 'Balast electrònic HM 100 W');
