-- Texts of frmEscomesaElem, the element tree window, in 1 Català, 2 Castellano
-- and 5 English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblEscomesa lblElements cmdNou cmdEditar cmdEliminar cmdExportar
--   cmdSortir
-- Messages (EsControl FALSE):
--   valNomEscomesa valNoRegistresEditar valNoRegistresEliminar
--   valNoRegistreSeleccionat valTextEliminar valExportacioAcabada
--   valSobreescriureArxiu valReferenciatT_Tram
-- Beyond the window's own codes:
--   valSobreescriureArxiu: the export would overwrite a file.
--   valReferenciat and a table's name: a delete refused while rows of that
--     table refer to the row (or to one that would go with it).

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmEscomesaElem', 'Formulari', 'Elements de l''escomesa', TRUE),
  (2, 'frmEscomesaElem', 'Formulari', 'Elementos de la acometida', TRUE),
  (5, 'frmEscomesaElem', 'Formulari', 'Service connection elements', TRUE),
  (1, 'frmEscomesaElem', 'lblEscomesa', 'Escomesa', TRUE),
  (2, 'frmEscomesaElem', 'lblEscomesa', 'Acometida', TRUE),
  (5, 'frmEscomesaElem', 'lblEscomesa', 'Service connection', TRUE),
  (1, 'frmEscomesaElem', 'lblElements', 'Elements', TRUE),
  (2, 'frmEscomesaElem', 'lblElements', 'Elementos', TRUE),
  (5, 'frmEscomesaElem', 'lblElements', 'Elements', TRUE),
  (1, 'frmEscomesaElem', 'cmdNou', 'Nou', TRUE),
  (2, 'frmEscomesaElem', 'cmdNou', 'Nuevo', TRUE),
  (5, 'frmEscomesaElem', 'cmdNou', 'New', TRUE),
  (1, 'frmEscomesaElem', 'cmdEditar', 'Editar', TRUE),
  (2, 'frmEscomesaElem', 'cmdEditar', 'Editar', TRUE),
  (5, 'frmEscomesaElem', 'cmdEditar', 'Edit', TRUE),
  (1, 'frmEscomesaElem', 'cmdEliminar', 'Eliminar', TRUE),
  (2, 'frmEscomesaElem', 'cmdEliminar', 'Eliminar', TRUE),
  (5, 'frmEscomesaElem', 'cmdEliminar', 'Delete', TRUE),
  (1, 'frmEscomesaElem', 'cmdExportar', 'Exportar', TRUE),
  (2, 'frmEscomesaElem', 'cmdExportar', 'Exportar', TRUE),
  (5, 'frmEscomesaElem', 'cmdExportar', 'Export', TRUE),
  (1, 'frmEscomesaElem', 'cmdSortir', 'Tancar', TRUE),
  (2, 'frmEscomesaElem', 'cmdSortir', 'Cerrar', TRUE),
  (5, 'frmEscomesaElem', 'cmdSortir', 'Close', TRUE),
  (1, 'frmEscomesaElem', 'valNomEscomesa', 'Escomesa', FALSE),
  (2, 'frmEscomesaElem', 'valNomEscomesa', 'Acometida', FALSE),
  (5, 'frmEscomesaElem', 'valNomEscomesa', 'Service connection', FALSE),
  (1, 'frmEscomesaElem', 'valNoRegistresEditar', 'No hi ha cap element per editar.', FALSE),
  (2, 'frmEscomesaElem', 'valNoRegistresEditar', 'No hay ningún elemento para editar.', FALSE),
  (5, 'frmEscomesaElem', 'valNoRegistresEditar', 'There is no element to edit.', FALSE),
  (1, 'frmEscomesaElem', 'valNoRegistresEliminar', 'No hi ha cap element per eliminar.', FALSE),
  (2, 'frmEscomesaElem', 'valNoRegistresEliminar', 'No hay ningún elemento para eliminar.', FALSE),
  (5, 'frmEscomesaElem', 'valNoRegistresEliminar', 'There is no element to delete.', FALSE),
  (1, 'frmEscomesaElem', 'valNoRegistreSeleccionat', 'Seleccioneu un element de l''arbre.', FALSE),
  (2, 'frmEscomesaElem', 'valNoRegistreSeleccionat', 'Seleccione un elemento del árbol.', FALSE),
  (5, 'frmEscomesaElem', 'valNoRegistreSeleccionat', 'Select an element in the tree.', FALSE),
  (1, 'frmEscomesaElem', 'valTextEliminar', 'Voleu eliminar aquest element i tots els que en depenen?', FALSE),
  (2, 'frmEscomesaElem', 'valTextEliminar', '¿Desea eliminar este elemento y todos los que dependen de él?', FALSE),
  (5, 'frmEscomesaElem', 'valTextEliminar', 'Delete this element and every element below it?', FALSE),
  (1, 'frmEscomesaElem', 'valExportacioAcabada', 'S''ha realitzat l''exportació de l''esquema dels elements de l''escomesa a un arxiu.', FALSE),
  (2, 'frmEscomesaElem', 'valExportacioAcabada', 'Se ha exportado el esquema de los elementos de la acometida a un archivo.', FALSE),
  (5, 'frmEscomesaElem', 'valExportacioAcabada', 'The element scheme of the service connection has been exported to a file.', FALSE),
  (1, 'frmEscomesaElem', 'valSobreescriureArxiu', 'L''arxiu ja existeix. Voleu substituir-lo?', FALSE),
  (2, 'frmEscomesaElem', 'valSobreescriureArxiu', 'El archivo ya existe. ¿Desea sustituirlo?', FALSE),
  (5, 'frmEscomesaElem', 'valSobreescriureArxiu', 'The file already exists. Replace it?', FALSE),
  (1, 'frmEscomesaElem', 'valReferenciatT_Tram', 'En surten trams de cable, d''aquest element o d''un que en penja; no es pot eliminar.', FALSE),
  (2, 'frmEscomesaElem', 'valReferenciatT_Tram', 'Salen tramos de cable de este elemento o de uno que cuelga de él; no se puede eliminar.', FALSE),
  (5, 'frmEscomesaElem', 'valReferenciatT_Tram', 'Cable segments leave this element or one below it; it cannot be deleted.', FALSE);
