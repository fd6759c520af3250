-- Texts of the image viewer: its caption and its button. Languages:
-- 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmVisorImatge', 'Formulari', 'Imatge', TRUE),
  (2, 'frmVisorImatge', 'Formulari', 'Imagen', TRUE),
  (5, 'frmVisorImatge', 'Formulari', 'Picture', TRUE),
  (1, 'frmVisorImatge', 'cmdTancar', 'Tanca', TRUE),
  (2, 'frmVisorImatge', 'cmdTancar', 'Cerrar', TRUE),
  (5, 'frmVisorImatge', 'cmdTancar', 'Close', TRUE);
