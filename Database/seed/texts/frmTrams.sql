-- Texts of the cable-segment window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmTrams', 'PrimerTextNumRegistre', 'Tram', FALSE),
  (2, 'frmTrams', 'PrimerTextNumRegistre', 'Tramo', FALSE),
  (5, 'frmTrams', 'PrimerTextNumRegistre', 'Segment', FALSE),
  (1, 'frmTrams', 'SegonTextNumRegistre', 'de', FALSE),
  (2, 'frmTrams', 'SegonTextNumRegistre', 'de', FALSE),
  (5, 'frmTrams', 'SegonTextNumRegistre', 'of', FALSE),
  (1, 'frmTrams', 'clhX', 'X', FALSE),
  (2, 'frmTrams', 'clhX', 'X', FALSE),
  (5, 'frmTrams', 'clhX', 'X', FALSE),
  (1, 'frmTrams', 'clhY', 'Y', FALSE),
  (2, 'frmTrams', 'clhY', 'Y', FALSE),
  (5, 'frmTrams', 'clhY', 'Y', FALSE);
