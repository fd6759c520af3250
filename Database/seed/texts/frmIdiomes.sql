-- Texts of the language chooser: its caption, the captions of its labels
-- and buttons, and its message. Languages: 1 Català, 2 Castellano,
-- 5 English.

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES
  (1, 'frmIdiomes', 'Formulari', 'Idioma', TRUE),
  (2, 'frmIdiomes', 'Formulari', 'Idioma', TRUE),
  (5, 'frmIdiomes', 'Formulari', 'Language', TRUE),
  (1, 'frmIdiomes', 'lblIdiomesDisponibles', 'Idiomes disponibles', TRUE),
  (2, 'frmIdiomes', 'lblIdiomesDisponibles', 'Idiomas disponibles', TRUE),
  (5, 'frmIdiomes', 'lblIdiomesDisponibles', 'Available languages', TRUE),
  (1, 'frmIdiomes', 'lblIdiomaActual', 'Idioma actual:', TRUE),
  (2, 'frmIdiomes', 'lblIdiomaActual', 'Idioma actual:', TRUE),
  (5, 'frmIdiomes', 'lblIdiomaActual', 'Current language:', TRUE),
  (1, 'frmIdiomes', 'lblNomIdiomaActual', '(cap)', TRUE),
  (2, 'frmIdiomes', 'lblNomIdiomaActual', '(ninguno)', TRUE),
  (5, 'frmIdiomes', 'lblNomIdiomaActual', '(none)', TRUE),
  (1, 'frmIdiomes', 'cmdAcceptar', 'D''acord', TRUE),
  (2, 'frmIdiomes', 'cmdAcceptar', 'Aceptar', TRUE),
  (5, 'frmIdiomes', 'cmdAcceptar', 'OK', TRUE),
  (1, 'frmIdiomes', 'cmdCancellar', 'Cancel·la', TRUE),
  (2, 'frmIdiomes', 'cmdCancellar', 'Cancelar', TRUE),
  (5, 'frmIdiomes', 'cmdCancellar', 'Cancel', TRUE),
  (1, 'frmIdiomes', 'valIdiomaNoEsPotDesar', 'L''idioma triat s''aplica fins que tanqueu el programa, però no es pot desar: el vostre usuari del sistema no és a la llista d''usuaris.', FALSE),
  (2, 'frmIdiomes', 'valIdiomaNoEsPotDesar', 'El idioma elegido se aplica hasta que cierre el programa, pero no se puede guardar: su usuario del sistema no está en la lista de usuarios.', FALSE),
  (5, 'frmIdiomes', 'valIdiomaNoEsPotDesar', 'The chosen language applies until you close the program, but it cannot be kept: your system login is not in the list of users.', FALSE);
