-- Texts of frmExportEsquema, the picture of a connection's element tree, in
-- 1 Català, 2 Castellano and 5 English. The program draws the picture
-- without showing it; the caption names it where it is shown on its own.
-- Captions (EsControl TRUE): Formulari

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmExportEsquema', 'Formulari', 'Esquema dels elements de l''escomesa', TRUE),
  (2, 'frmExportEsquema', 'Formulari', 'Esquema de los elementos de la acometida', TRUE),
  (5, 'frmExportEsquema', 'Formulari', 'Service connection element diagram', TRUE);
