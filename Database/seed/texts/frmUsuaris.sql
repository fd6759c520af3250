-- Texts of the user window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmUsuaris', 'fldNomUsuari', 'Nom', FALSE),
  (2, 'frmUsuaris', 'fldNomUsuari', 'Nombre', FALSE),
  (5, 'frmUsuaris', 'fldNomUsuari', 'Name', FALSE),
  (1, 'frmUsuaris', 'fldLogin', 'Usuari', FALSE),
  (2, 'frmUsuaris', 'fldLogin', 'Usuario', FALSE),
  (5, 'frmUsuaris', 'fldLogin', 'Login', FALSE),
  (1, 'frmUsuaris', 'fldAutoritzat', 'Autoritzat', FALSE),
  (2, 'frmUsuaris', 'fldAutoritzat', 'Autorizado', FALSE),
  (5, 'frmUsuaris', 'fldAutoritzat', 'Authorised', FALSE),
  (1, 'frmUsuaris', 'dtaSi', 'Sí', FALSE),
  (2, 'frmUsuaris', 'dtaSi', 'Sí', FALSE),
  (5, 'frmUsuaris', 'dtaSi', 'Yes', FALSE),
  (1, 'frmUsuaris', 'dtaNo', 'No', FALSE),
  (2, 'frmUsuaris', 'dtaNo', 'No', FALSE),
  (5, 'frmUsuaris', 'dtaNo', 'No', FALSE);
