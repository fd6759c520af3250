-- Texts of frmElementsProp, the element property dialog, in 1 Català, 2
-- Castellano and 5 English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblOrigen lblTipus lblCodi lblValor lblObservacions cmdAcceptar
--   cmdCancellar
-- Messages (EsControl FALSE):
--   valNomEscomesa valGuardarCanvis valNoOrigenEllMateix
--   valCodiElementRepetits valNoExisteixOrigen valOrigenDescendent
--   valNoRegistresEditar valNoRegistresEliminar (the shared window shape's)
-- Beyond the window's own codes:
--   valOrigenDescendent: the chosen parent is one of the element's descendants.
--   valCodiBuit: Accept with no code of the list chosen.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmElementsProp', 'Formulari', 'Propietats de l''element', TRUE),
  (2, 'frmElementsProp', 'Formulari', 'Propiedades del elemento', TRUE),
  (5, 'frmElementsProp', 'Formulari', 'Element properties', TRUE),
  (1, 'frmElementsProp', 'lblOrigen', 'Origen', TRUE),
  (2, 'frmElementsProp', 'lblOrigen', 'Origen', TRUE),
  (5, 'frmElementsProp', 'lblOrigen', 'Parent', TRUE),
  (1, 'frmElementsProp', 'lblTipus', 'Tipus', TRUE),
  (2, 'frmElementsProp', 'lblTipus', 'Tipo', TRUE),
  (5, 'frmElementsProp', 'lblTipus', 'Type', TRUE),
  (1, 'frmElementsProp', 'lblCodi', 'Codi', TRUE),
  (2, 'frmElementsProp', 'lblCodi', 'Código', TRUE),
  (5, 'frmElementsProp', 'lblCodi', 'Code', TRUE),
  (1, 'frmElementsProp', 'lblValor', 'Valor', TRUE),
  (2, 'frmElementsProp', 'lblValor', 'Valor', TRUE),
  (5, 'frmElementsProp', 'lblValor', 'Value', TRUE),
  (1, 'frmElementsProp', 'lblObservacions', 'Observacions', TRUE),
  (2, 'frmElementsProp', 'lblObservacions', 'Observaciones', TRUE),
  (5, 'frmElementsProp', 'lblObservacions', 'Remarks', TRUE),
  (1, 'frmElementsProp', 'cmdAcceptar', 'Acceptar', TRUE),
  (2, 'frmElementsProp', 'cmdAcceptar', 'Aceptar', TRUE),
  (5, 'frmElementsProp', 'cmdAcceptar', 'OK', TRUE),
  (1, 'frmElementsProp', 'cmdCancellar', 'Cancel·lar', TRUE),
  (2, 'frmElementsProp', 'cmdCancellar', 'Cancelar', TRUE),
  (5, 'frmElementsProp', 'cmdCancellar', 'Cancel', TRUE),
  (1, 'frmElementsProp', 'valNomEscomesa', 'Escomesa', FALSE),
  (2, 'frmElementsProp', 'valNomEscomesa', 'Acometida', FALSE),
  (5, 'frmElementsProp', 'valNomEscomesa', 'Service connection', FALSE),
  (1, 'frmElementsProp', 'valGuardarCanvis', 'Desitja guardar els canvis?', FALSE),
  (2, 'frmElementsProp', 'valGuardarCanvis', '¿Desea guardar los cambios?', FALSE),
  (5, 'frmElementsProp', 'valGuardarCanvis', 'Do you want to save the changes?', FALSE),
  (1, 'frmElementsProp', 'valNoOrigenEllMateix', 'Un element no pot ser el seu propi origen.', FALSE),
  (2, 'frmElementsProp', 'valNoOrigenEllMateix', 'Un elemento no puede ser su propio origen.', FALSE),
  (5, 'frmElementsProp', 'valNoOrigenEllMateix', 'An element cannot be its own parent.', FALSE),
  (1, 'frmElementsProp', 'valCodiElementRepetits', 'Un altre element de l''escomesa ja té aquest codi.', FALSE),
  (2, 'frmElementsProp', 'valCodiElementRepetits', 'Otro elemento de la acometida ya tiene este código.', FALSE),
  (5, 'frmElementsProp', 'valCodiElementRepetits', 'Another element of the service connection has this code.', FALSE),
  (1, 'frmElementsProp', 'valNoExisteixOrigen', 'Cap element de l''escomesa no té el codi triat com a origen.', FALSE),
  (2, 'frmElementsProp', 'valNoExisteixOrigen', 'Ningún elemento de la acometida tiene el código elegido como origen.', FALSE),
  (5, 'frmElementsProp', 'valNoExisteixOrigen', 'No element of the service connection has the code chosen as parent.', FALSE),
  (1, 'frmElementsProp', 'valOrigenDescendent', 'L''origen no pot ser un element que depèn d''aquest.', FALSE),
  (2, 'frmElementsProp', 'valOrigenDescendent', 'El origen no puede ser un elemento que depende de este.', FALSE),
  (5, 'frmElementsProp', 'valOrigenDescendent', 'The parent cannot be an element below this one.', FALSE),
  (1, 'frmElementsProp', 'valCodiBuit', 'Trieu el codi de l''element de la llista.', FALSE),
  (2, 'frmElementsProp', 'valCodiBuit', 'Elija el código del elemento de la lista.', FALSE),
  (5, 'frmElementsProp', 'valCodiBuit', 'Choose the element''s code from the list.', FALSE),
  (1, 'frmElementsProp', 'valNoRegistresEditar', 'No hi ha cap element per editar.', FALSE),
  (2, 'frmElementsProp', 'valNoRegistresEditar', 'No hay ningún elemento para editar.', FALSE),
  (5, 'frmElementsProp', 'valNoRegistresEditar', 'There is no element to edit.', FALSE),
  (1, 'frmElementsProp', 'valNoRegistresEliminar', 'No hi ha cap element per eliminar.', FALSE),
  (2, 'frmElementsProp', 'valNoRegistresEliminar', 'No hay ningún elemento para eliminar.', FALSE),
  (5, 'frmElementsProp', 'valNoRegistresEliminar', 'There is no element to delete.', FALSE);
