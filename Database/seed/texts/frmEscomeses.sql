-- Texts of the service-connection window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmEscomeses', 'PrimerTextNumRegistre', 'Escomesa', FALSE),
  (2, 'frmEscomeses', 'PrimerTextNumRegistre', 'Acometida', FALSE),
  (5, 'frmEscomeses', 'PrimerTextNumRegistre', 'Service connection', FALSE),
  (1, 'frmEscomeses', 'SegonTextNumRegistre', 'de', FALSE),
  (2, 'frmEscomeses', 'SegonTextNumRegistre', 'de', FALSE),
  (5, 'frmEscomeses', 'SegonTextNumRegistre', 'of', FALSE),
  (1, 'frmEscomeses', 'clhX', 'X', FALSE),
  (2, 'frmEscomeses', 'clhX', 'X', FALSE),
  (5, 'frmEscomeses', 'clhX', 'X', FALSE),
  (1, 'frmEscomeses', 'clhY', 'Y', FALSE),
  (2, 'frmEscomeses', 'clhY', 'Y', FALSE),
  (5, 'frmEscomeses', 'clhY', 'Y', FALSE),
  (1, 'frmEscomeses', 'clhTipus', 'Tipus', FALSE),
  (2, 'frmEscomeses', 'clhTipus', 'Tipo', FALSE),
  (5, 'frmEscomeses', 'clhTipus', 'Type', FALSE),
  (1, 'frmEscomeses', 'clhCodi', 'Codi', FALSE),
  (2, 'frmEscomeses', 'clhCodi', 'Código', FALSE),
  (5, 'frmEscomeses', 'clhCodi', 'Code', FALSE),
  (1, 'frmEscomeses', 'clhValor', 'Valor', FALSE),
  (2, 'frmEscomeses', 'clhValor', 'Valor', FALSE),
  (5, 'frmEscomeses', 'clhValor', 'Value', FALSE),
  (1, 'frmEscomeses', 'clhObservacions', 'Observacions', FALSE),
  (2, 'frmEscomeses', 'clhObservacions', 'Observaciones', FALSE),
  (5, 'frmEscomeses', 'clhObservacions', 'Remarks', FALSE);
