-- Texts of frmUsuariProjecte, the project-access window of a user, in 1
-- Català, 2 Castellano and 5 English.
-- Captions (EsControl TRUE), each by the name of its control; "Formulari"
-- is the window's own:
--   Formulari lblUsuari lblProjectes cmdAfegir lblProjectesSeleccionats
--   cmdEliminar cmdSortir
-- Messages (EsControl FALSE):
--   valProjecteBuit valProjecteJaSeleccionat valNoRegistresEliminar
--   valTextEliminar
-- Beyond the window's own codes:
--   valUsuariNoDesat: opened for a user not yet saved, which has no number
--   to give projects to.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmUsuariProjecte', 'Formulari', 'Accés a projectes', TRUE),
  (2, 'frmUsuariProjecte', 'Formulari', 'Acceso a proyectos', TRUE),
  (5, 'frmUsuariProjecte', 'Formulari', 'Project access', TRUE),
  (1, 'frmUsuariProjecte', 'lblUsuari', 'Usuari', TRUE),
  (2, 'frmUsuariProjecte', 'lblUsuari', 'Usuario', TRUE),
  (5, 'frmUsuariProjecte', 'lblUsuari', 'User', TRUE),
  (1, 'frmUsuariProjecte', 'lblProjectes', 'Projectes', TRUE),
  (2, 'frmUsuariProjecte', 'lblProjectes', 'Proyectos', TRUE),
  (5, 'frmUsuariProjecte', 'lblProjectes', 'Projects', TRUE),
  (1, 'frmUsuariProjecte', 'cmdAfegir', 'Afegir', TRUE),
  (2, 'frmUsuariProjecte', 'cmdAfegir', 'Añadir', TRUE),
  (5, 'frmUsuariProjecte', 'cmdAfegir', 'Add', TRUE),
  (1, 'frmUsuariProjecte', 'lblProjectesSeleccionats', 'Projectes que pot obrir', TRUE),
  (2, 'frmUsuariProjecte', 'lblProjectesSeleccionats', 'Proyectos que puede abrir', TRUE),
  (5, 'frmUsuariProjecte', 'lblProjectesSeleccionats', 'Projects the user may open', TRUE),
  (1, 'frmUsuariProjecte', 'cmdEliminar', 'Treure', TRUE),
  (2, 'frmUsuariProjecte', 'cmdEliminar', 'Quitar', TRUE),
  (5, 'frmUsuariProjecte', 'cmdEliminar', 'Remove', TRUE),
  (1, 'frmUsuariProjecte', 'cmdSortir', 'Tancar', TRUE),
  (2, 'frmUsuariProjecte', 'cmdSortir', 'Cerrar', TRUE),
  (5, 'frmUsuariProjecte', 'cmdSortir', 'Close', TRUE),
  (1, 'frmUsuariProjecte', 'valProjecteBuit', 'Trieu un projecte de la llista.', FALSE),
  (2, 'frmUsuariProjecte', 'valProjecteBuit', 'Elija un proyecto de la lista.', FALSE),
  (5, 'frmUsuariProjecte', 'valProjecteBuit', 'Choose a project from the list.', FALSE),
  (1, 'frmUsuariProjecte', 'valProjecteJaSeleccionat', 'L''usuari ja pot obrir aquest projecte.', FALSE),
  (2, 'frmUsuariProjecte', 'valProjecteJaSeleccionat', 'El usuario ya puede abrir este proyecto.', FALSE),
  (5, 'frmUsuariProjecte', 'valProjecteJaSeleccionat', 'The user can already open this project.', FALSE),
  (1, 'frmUsuariProjecte', 'valNoRegistresEliminar', 'No hi ha cap projecte per treure.', FALSE),
  (2, 'frmUsuariProjecte', 'valNoRegistresEliminar', 'No hay ningún proyecto para quitar.', FALSE),
  (5, 'frmUsuariProjecte', 'valNoRegistresEliminar', 'There is no project to remove.', FALSE),
  (1, 'frmUsuariProjecte', 'valTextEliminar', 'Voleu treure a l''usuari l''accés a aquest projecte?', FALSE),
  (2, 'frmUsuariProjecte', 'valTextEliminar', '¿Desea quitar al usuario el acceso a este proyecto?', FALSE),
  (5, 'frmUsuariProjecte', 'valTextEliminar', 'Remove the user''s access to this project?', FALSE),
  (1, 'frmUsuariProjecte', 'valUsuariNoDesat', 'Deseu l''usuari abans de donar-li accés a projectes.', FALSE),
  (2, 'frmUsuariProjecte', 'valUsuariNoDesat', 'Guarde el usuario antes de darle acceso a proyectos.', FALSE),
  (5, 'frmUsuariProjecte', 'valUsuariNoDesat', 'Save the user before giving them access to projects.', FALSE);
