-- Texts of the element property dialog: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmElementsProp', 'valNomEscomesa', 'Escomesa', FALSE),
  (2, 'frmElementsProp', 'valNomEscomesa', 'Acometida', FALSE),
  (5, 'frmElementsProp', 'valNomEscomesa', 'Service connection', FALSE),
  (1, 'frmElementsProp', 'valGuardarCanvis', 'Desitja guardar els canvis?', FALSE),
  (2, 'frmElementsProp', 'valGuardarCanvis', '¿Desea guardar los cambios?', FALSE),
  (5, 'frmElementsProp', 'valGuardarCanvis', 'Do you want to save the changes?', FALSE);
