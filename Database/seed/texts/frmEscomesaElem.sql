-- Texts of the element tree window: the messages, counter words and list headers that
-- have a built-in default. Captions and the other messages of the window
-- belong in this file too. Languages: 1 Català, 2 Castellano, 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmEscomesaElem', 'valNomEscomesa', 'Escomesa', FALSE),
  (2, 'frmEscomesaElem', 'valNomEscomesa', 'Acometida', FALSE),
  (5, 'frmEscomesaElem', 'valNomEscomesa', 'Service connection', FALSE),
  (1, 'frmEscomesaElem', 'valExportacioAcabada', 'S''ha realitzat l''exportació de l''esquema dels elements de l''escomesa a un arxiu.', FALSE),
  (2, 'frmEscomesaElem', 'valExportacioAcabada', 'Se ha exportado el esquema de los elementos de la acometida a un archivo.', FALSE),
  (5, 'frmEscomesaElem', 'valExportacioAcabada', 'The element scheme of the service connection has been exported to a file.', FALSE);
