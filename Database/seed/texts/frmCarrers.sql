-- Texts of the street window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmCarrers', 'clhNumOrdre', 'Núm. ordre', FALSE),
  (2, 'frmCarrers', 'clhNumOrdre', 'Núm. orden', FALSE),
  (5, 'frmCarrers', 'clhNumOrdre', 'Order no.', FALSE),
  (1, 'frmCarrers', 'clhX', 'X', FALSE),
  (2, 'frmCarrers', 'clhX', 'X', FALSE),
  (5, 'frmCarrers', 'clhX', 'X', FALSE),
  (1, 'frmCarrers', 'clhY', 'Y', FALSE),
  (2, 'frmCarrers', 'clhY', 'Y', FALSE),
  (5, 'frmCarrers', 'clhY', 'Y', FALSE);
