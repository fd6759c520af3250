-- Texts of frmTaulesAuxiliars, the lookup-table editor (its caption is
-- followed by the table's name), in 1 Català, 2 Castellano and 5 English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblLlistaCodis lblCodi cmdNou cmdEditar cmdEliminar cmdSortir
--   cmdSortirEdicio cmdDesferCanvis
-- Messages (EsControl FALSE):
--   valAlgunCampNecessariBuit valRepetitCodi valNoRegistresEditar
--   valNoRegistresEliminar valVioladaReglaIntegritatReferencial
--   valTextEliminar valDescartarCanvis

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmTaulesAuxiliars', 'Formulari', 'Taula auxiliar', TRUE),
  (2, 'frmTaulesAuxiliars', 'Formulari', 'Tabla auxiliar', TRUE),
  (5, 'frmTaulesAuxiliars', 'Formulari', 'Lookup table', TRUE),
  (1, 'frmTaulesAuxiliars', 'lblLlistaCodis', 'Codis', TRUE),
  (2, 'frmTaulesAuxiliars', 'lblLlistaCodis', 'Códigos', TRUE),
  (5, 'frmTaulesAuxiliars', 'lblLlistaCodis', 'Codes', TRUE),
  (1, 'frmTaulesAuxiliars', 'lblCodi', 'Codi', TRUE),
  (2, 'frmTaulesAuxiliars', 'lblCodi', 'Código', TRUE),
  (5, 'frmTaulesAuxiliars', 'lblCodi', 'Code', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdNou', 'Nou', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdNou', 'Nuevo', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdNou', 'New', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdEditar', 'Editar', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdEditar', 'Editar', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdEditar', 'Edit', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdEliminar', 'Eliminar', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdEliminar', 'Eliminar', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdEliminar', 'Delete', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdSortir', 'Sortir', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdSortir', 'Salir', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdSortir', 'Exit', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdSortirEdicio', 'Desar', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdSortirEdicio', 'Guardar', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdSortirEdicio', 'Save', TRUE),
  (1, 'frmTaulesAuxiliars', 'cmdDesferCanvis', 'Desfer', TRUE),
  (2, 'frmTaulesAuxiliars', 'cmdDesferCanvis', 'Deshacer', TRUE),
  (5, 'frmTaulesAuxiliars', 'cmdDesferCanvis', 'Undo', TRUE),
  (1, 'frmTaulesAuxiliars', 'valAlgunCampNecessariBuit', 'Cal escriure el codi.', FALSE),
  (2, 'frmTaulesAuxiliars', 'valAlgunCampNecessariBuit', 'Hay que escribir el código.', FALSE),
  (5, 'frmTaulesAuxiliars', 'valAlgunCampNecessariBuit', 'The code must be filled in.', FALSE),
  (1, 'frmTaulesAuxiliars', 'valRepetitCodi', 'Aquest codi ja és a la taula.', FALSE),
  (2, 'frmTaulesAuxiliars', 'valRepetitCodi', 'Este código ya está en la tabla.', FALSE),
  (5, 'frmTaulesAuxiliars', 'valRepetitCodi', 'This code is already in the table.', FALSE),
  (1, 'frmTaulesAuxiliars', 'valNoRegistresEditar', 'No hi ha cap codi per editar.', FALSE),
  (2, 'frmTaulesAuxiliars', 'valNoRegistresEditar', 'No hay ningún código para editar.', FALSE),
  (5, 'frmTaulesAuxiliars', 'valNoRegistresEditar', 'There is no code to edit.', FALSE),
  (1, 'frmTaulesAuxiliars', 'valNoRegistresEliminar', 'No hi ha cap codi per eliminar.', FALSE),
  (2, 'frmTaulesAuxiliars', 'valNoRegistresEliminar', 'No hay ningún código para eliminar.', FALSE),
  (5, 'frmTaulesAuxiliars', 'valNoRegistresEliminar', 'There is no code to delete.', FALSE),
  (1, 'frmTaulesAuxiliars', 'valVioladaReglaIntegritatReferencial', 'No es pot eliminar: la taula #1 encara fa servir aquest codi.', FALSE),
  (2, 'frmTaulesAuxiliars', 'valVioladaReglaIntegritatReferencial', 'No se puede eliminar: la tabla #1 todavía usa este código.', FALSE),
  (5, 'frmTaulesAuxiliars', 'valVioladaReglaIntegritatReferencial', 'It cannot be deleted: table #1 still uses this code.', FALSE),
  (1, 'frmTaulesAuxiliars', 'valTextEliminar', 'Voleu eliminar aquest codi?', FALSE),
  (2, 'frmTaulesAuxiliars', 'valTextEliminar', '¿Desea eliminar este código?', FALSE),
  (5, 'frmTaulesAuxiliars', 'valTextEliminar', 'Delete this code?', FALSE),
  (1, 'frmTaulesAuxiliars', 'valDescartarCanvis', 'Hi ha canvis sense desar. Voleu descartar-los?', FALSE),
  (2, 'frmTaulesAuxiliars', 'valDescartarCanvis', 'Hay cambios sin guardar. ¿Desea descartarlos?', FALSE),
  (5, 'frmTaulesAuxiliars', 'valDescartarCanvis', 'There are unsaved changes. Discard them?', FALSE);
