-- Texts of frmCarrers, the street window, in 1 Català, 2 Castellano and 5
-- English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblLlistaCarrers lblCodiCarrer lblNomCarrer lblSituacioGIS
--   cmdNou cmdEditar cmdEliminar cmdSortir cmdSortirEdicio cmdDesferCanvis
-- Messages (EsControl FALSE):
--   valAlgunCampBuit valRepetitCodiCarrer valNoRegistresEditar
--   valNoRegistresEliminar valTextEliminar clhNumOrdre clhX clhY
--   valReferenciatT_Escomesa valReferenciatT_PuntLlum
-- valReferenciat and a table's name: a delete refused while rows of that
--   table refer to the row (or to one that would go with it).

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmCarrers', 'Formulari', 'Carrers', TRUE),
  (2, 'frmCarrers', 'Formulari', 'Calles', TRUE),
  (5, 'frmCarrers', 'Formulari', 'Streets', TRUE),
  (1, 'frmCarrers', 'lblLlistaCarrers', 'Carrers', TRUE),
  (2, 'frmCarrers', 'lblLlistaCarrers', 'Calles', TRUE),
  (5, 'frmCarrers', 'lblLlistaCarrers', 'Streets', TRUE),
  (1, 'frmCarrers', 'lblCodiCarrer', 'Codi', TRUE),
  (2, 'frmCarrers', 'lblCodiCarrer', 'Código', TRUE),
  (5, 'frmCarrers', 'lblCodiCarrer', 'Code', TRUE),
  (1, 'frmCarrers', 'lblNomCarrer', 'Nom', TRUE),
  (2, 'frmCarrers', 'lblNomCarrer', 'Nombre', TRUE),
  (5, 'frmCarrers', 'lblNomCarrer', 'Name', TRUE),
  (1, 'frmCarrers', 'lblSituacioGIS', 'Situació al mapa', TRUE),
  (2, 'frmCarrers', 'lblSituacioGIS', 'Situación en el mapa', TRUE),
  (5, 'frmCarrers', 'lblSituacioGIS', 'Map location', TRUE),
  (1, 'frmCarrers', 'cmdNou', 'Nou', TRUE),
  (2, 'frmCarrers', 'cmdNou', 'Nuevo', TRUE),
  (5, 'frmCarrers', 'cmdNou', 'New', TRUE),
  (1, 'frmCarrers', 'cmdEditar', 'Editar', TRUE),
  (2, 'frmCarrers', 'cmdEditar', 'Editar', TRUE),
  (5, 'frmCarrers', 'cmdEditar', 'Edit', TRUE),
  (1, 'frmCarrers', 'cmdEliminar', 'Eliminar', TRUE),
  (2, 'frmCarrers', 'cmdEliminar', 'Eliminar', TRUE),
  (5, 'frmCarrers', 'cmdEliminar', 'Delete', TRUE),
  (1, 'frmCarrers', 'cmdSortir', 'Sortir', TRUE),
  (2, 'frmCarrers', 'cmdSortir', 'Salir', TRUE),
  (5, 'frmCarrers', 'cmdSortir', 'Exit', TRUE),
  (1, 'frmCarrers', 'cmdSortirEdicio', 'Desar', TRUE),
  (2, 'frmCarrers', 'cmdSortirEdicio', 'Guardar', TRUE),
  (5, 'frmCarrers', 'cmdSortirEdicio', 'Save', TRUE),
  (1, 'frmCarrers', 'cmdDesferCanvis', 'Desfer', TRUE),
  (2, 'frmCarrers', 'cmdDesferCanvis', 'Deshacer', TRUE),
  (5, 'frmCarrers', 'cmdDesferCanvis', 'Undo', TRUE),
  (1, 'frmCarrers', 'valAlgunCampBuit', 'Cal omplir el codi i el nom.', FALSE),
  (2, 'frmCarrers', 'valAlgunCampBuit', 'Hay que rellenar el código y el nombre.', FALSE),
  (5, 'frmCarrers', 'valAlgunCampBuit', 'The code and the name must be filled in.', FALSE),
  (1, 'frmCarrers', 'valRepetitCodiCarrer', 'Ja hi ha un carrer amb aquest codi en el projecte.', FALSE),
  (2, 'frmCarrers', 'valRepetitCodiCarrer', 'Ya hay una calle con este código en el proyecto.', FALSE),
  (5, 'frmCarrers', 'valRepetitCodiCarrer', 'There is already a street with this code in the project.', FALSE),
  (1, 'frmCarrers', 'valNoRegistresEditar', 'No hi ha cap carrer per editar.', FALSE),
  (2, 'frmCarrers', 'valNoRegistresEditar', 'No hay ninguna calle para editar.', FALSE),
  (5, 'frmCarrers', 'valNoRegistresEditar', 'There is no street to edit.', FALSE),
  (1, 'frmCarrers', 'valNoRegistresEliminar', 'No hi ha cap carrer per eliminar.', FALSE),
  (2, 'frmCarrers', 'valNoRegistresEliminar', 'No hay ninguna calle para eliminar.', FALSE),
  (5, 'frmCarrers', 'valNoRegistresEliminar', 'There is no street to delete.', FALSE),
  (1, 'frmCarrers', 'valTextEliminar', 'Voleu eliminar aquest carrer?', FALSE),
  (2, 'frmCarrers', 'valTextEliminar', '¿Desea eliminar esta calle?', FALSE),
  (5, 'frmCarrers', 'valTextEliminar', 'Delete this street?', FALSE),
  (1, 'frmCarrers', 'clhNumOrdre', 'Núm. ordre', FALSE),
  (2, 'frmCarrers', 'clhNumOrdre', 'Núm. orden', FALSE),
  (5, 'frmCarrers', 'clhNumOrdre', 'Order no.', FALSE),
  (1, 'frmCarrers', 'clhX', 'X', FALSE),
  (2, 'frmCarrers', 'clhX', 'X', FALSE),
  (5, 'frmCarrers', 'clhX', 'X', FALSE),
  (1, 'frmCarrers', 'clhY', 'Y', FALSE),
  (2, 'frmCarrers', 'clhY', 'Y', FALSE),
  (5, 'frmCarrers', 'clhY', 'Y', FALSE),
  (1, 'frmCarrers', 'valReferenciatT_Escomesa', 'Hi ha escomeses en aquest carrer; no es pot eliminar.', FALSE),
  (2, 'frmCarrers', 'valReferenciatT_Escomesa', 'Hay acometidas en esta calle; no se puede eliminar.', FALSE),
  (5, 'frmCarrers', 'valReferenciatT_Escomesa', 'Service connections stand in this street; it cannot be deleted.', FALSE),
  (1, 'frmCarrers', 'valReferenciatT_PuntLlum', 'Hi ha punts de llum en aquest carrer; no es pot eliminar.', FALSE),
  (2, 'frmCarrers', 'valReferenciatT_PuntLlum', 'Hay puntos de luz en esta calle; no se puede eliminar.', FALSE),
  (5, 'frmCarrers', 'valReferenciatT_PuntLlum', 'Light points stand in this street; it cannot be deleted.', FALSE);
