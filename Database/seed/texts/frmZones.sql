-- Texts of the zone window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmZones', 'clhNumOrdre', 'Núm. ordre', FALSE),
  (2, 'frmZones', 'clhNumOrdre', 'Núm. orden', FALSE),
  (5, 'frmZones', 'clhNumOrdre', 'Order no.', FALSE),
  (1, 'frmZones', 'clhX', 'X', FALSE),
  (2, 'frmZones', 'clhX', 'X', FALSE),
  (5, 'frmZones', 'clhX', 'X', FALSE),
  (1, 'frmZones', 'clhY', 'Y', FALSE),
  (2, 'frmZones', 'clhY', 'Y', FALSE),
  (5, 'frmZones', 'clhY', 'Y', FALSE);
