-- Texts of frmManteniments, the maintenance-type window, in 1 Català, 2
-- Castellano and 5 English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblLlistaManteniments lblNomManteniment lblObservacions cmdNou
--   cmdEditar cmdEliminar cmdSortir cmdSortirEdicio cmdDesferCanvis
-- Messages (EsControl FALSE):
--   valCodiMantenimentBuit valRepetitCodiManteniment valNoRegistresEditar
--   valNoRegistresEliminar valMantenimentAmbProjecte valTextEliminar
--   valReferenciatT_Projecte
-- valReferenciat and a table's name: a delete refused while rows of that
--   table refer to the row (or to one that would go with it).

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmManteniments', 'Formulari', 'Tipus de manteniment', TRUE),
  (2, 'frmManteniments', 'Formulari', 'Tipos de mantenimiento', TRUE),
  (5, 'frmManteniments', 'Formulari', 'Maintenance types', TRUE),
  (1, 'frmManteniments', 'lblLlistaManteniments', 'Tipus de manteniment', TRUE),
  (2, 'frmManteniments', 'lblLlistaManteniments', 'Tipos de mantenimiento', TRUE),
  (5, 'frmManteniments', 'lblLlistaManteniments', 'Maintenance types', TRUE),
  (1, 'frmManteniments', 'lblNomManteniment', 'Codi', TRUE),
  (2, 'frmManteniments', 'lblNomManteniment', 'Código', TRUE),
  (5, 'frmManteniments', 'lblNomManteniment', 'Code', TRUE),
  (1, 'frmManteniments', 'lblObservacions', 'Observacions', TRUE),
  (2, 'frmManteniments', 'lblObservacions', 'Observaciones', TRUE),
  (5, 'frmManteniments', 'lblObservacions', 'Remarks', TRUE),
  (1, 'frmManteniments', 'cmdNou', 'Nou', TRUE),
  (2, 'frmManteniments', 'cmdNou', 'Nuevo', TRUE),
  (5, 'frmManteniments', 'cmdNou', 'New', TRUE),
  (1, 'frmManteniments', 'cmdEditar', 'Editar', TRUE),
  (2, 'frmManteniments', 'cmdEditar', 'Editar', TRUE),
  (5, 'frmManteniments', 'cmdEditar', 'Edit', TRUE),
  (1, 'frmManteniments', 'cmdEliminar', 'Eliminar', TRUE),
  (2, 'frmManteniments', 'cmdEliminar', 'Eliminar', TRUE),
  (5, 'frmManteniments', 'cmdEliminar', 'Delete', TRUE),
  (1, 'frmManteniments', 'cmdSortir', 'Sortir', TRUE),
  (2, 'frmManteniments', 'cmdSortir', 'Salir', TRUE),
  (5, 'frmManteniments', 'cmdSortir', 'Exit', TRUE),
  (1, 'frmManteniments', 'cmdSortirEdicio', 'Desar', TRUE),
  (2, 'frmManteniments', 'cmdSortirEdicio', 'Guardar', TRUE),
  (5, 'frmManteniments', 'cmdSortirEdicio', 'Save', TRUE),
  (1, 'frmManteniments', 'cmdDesferCanvis', 'Desfer', TRUE),
  (2, 'frmManteniments', 'cmdDesferCanvis', 'Deshacer', TRUE),
  (5, 'frmManteniments', 'cmdDesferCanvis', 'Undo', TRUE),
  (1, 'frmManteniments', 'valCodiMantenimentBuit', 'Cal escriure el codi del tipus de manteniment.', FALSE),
  (2, 'frmManteniments', 'valCodiMantenimentBuit', 'Hay que escribir el código del tipo de mantenimiento.', FALSE),
  (5, 'frmManteniments', 'valCodiMantenimentBuit', 'The maintenance type needs a code.', FALSE),
  (1, 'frmManteniments', 'valRepetitCodiManteniment', 'Ja hi ha un tipus de manteniment amb aquest codi.', FALSE),
  (2, 'frmManteniments', 'valRepetitCodiManteniment', 'Ya hay un tipo de mantenimiento con este código.', FALSE),
  (5, 'frmManteniments', 'valRepetitCodiManteniment', 'There is already a maintenance type with this code.', FALSE),
  (1, 'frmManteniments', 'valNoRegistresEditar', 'No hi ha cap tipus de manteniment per editar.', FALSE),
  (2, 'frmManteniments', 'valNoRegistresEditar', 'No hay ningún tipo de mantenimiento para editar.', FALSE),
  (5, 'frmManteniments', 'valNoRegistresEditar', 'There is no maintenance type to edit.', FALSE),
  (1, 'frmManteniments', 'valNoRegistresEliminar', 'No hi ha cap tipus de manteniment per eliminar.', FALSE),
  (2, 'frmManteniments', 'valNoRegistresEliminar', 'No hay ningún tipo de mantenimiento para eliminar.', FALSE),
  (5, 'frmManteniments', 'valNoRegistresEliminar', 'There is no maintenance type to delete.', FALSE),
  (1, 'frmManteniments', 'valMantenimentAmbProjecte', 'Hi ha projectes amb aquest tipus de manteniment; no es pot eliminar.', FALSE),
  (2, 'frmManteniments', 'valMantenimentAmbProjecte', 'Hay proyectos con este tipo de mantenimiento; no se puede eliminar.', FALSE),
  (5, 'frmManteniments', 'valMantenimentAmbProjecte', 'Projects have this maintenance type; it cannot be deleted.', FALSE),
  (1, 'frmManteniments', 'valTextEliminar', 'Voleu eliminar aquest tipus de manteniment?', FALSE),
  (2, 'frmManteniments', 'valTextEliminar', '¿Desea eliminar este tipo de mantenimiento?', FALSE),
  (5, 'frmManteniments', 'valTextEliminar', 'Delete this maintenance type?', FALSE),
  (1, 'frmManteniments', 'valReferenciatT_Projecte', 'Hi ha projectes amb aquest tipus de manteniment; no es pot eliminar.', FALSE),
  (2, 'frmManteniments', 'valReferenciatT_Projecte', 'Hay proyectos con este tipo de mantenimiento; no se puede eliminar.', FALSE),
  (5, 'frmManteniments', 'valReferenciatT_Projecte', 'Projects have this maintenance type; it cannot be deleted.', FALSE);
