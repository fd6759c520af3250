-- Texts of the messages about a number typed in a box, in 1 Català,
-- 2 Castellano and 5 English, written once and given to every window that
-- edits its records: the framework asks the window for them whenever a box
-- over a numeric field holds a text that is no number, a number with a
-- fraction for a field of whole numbers, or one the field cannot hold; %1
-- stands for the field's name. A window that comes to edit records joins
-- the list of windows below.
--   valNumeroNoValid valNumeroNoEnter valNumeroNoHiCap

INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl)
WITH finestres (NomFormulari) AS (VALUES
  ('frmCarrers'), ('frmClients'), ('frmEscomeses'), ('frmManteniments'), ('frmProjectes'),
  ('frmPuntsLlum'), ('frmTaulesAuxiliars'), ('frmTrams'), ('frmUsuaris'), ('frmZones')),
textos (NumIdioma, CodTextIdioma, TextTraduit) AS (VALUES
  (1, 'valNumeroNoValid', 'El text de «%1» no és un nombre. Escriviu-lo amb coma decimal, per exemple 7,5.'),
  (2, 'valNumeroNoValid', 'El texto de «%1» no es un número. Escríbalo con coma decimal, por ejemplo 7,5.'),
  (5, 'valNumeroNoValid', 'The text in "%1" is not a number. Write it with a decimal point, for example 7.5.'),
  (1, 'valNumeroNoEnter', '«%1» només admet nombres enters.'),
  (2, 'valNumeroNoEnter', '«%1» solo admite números enteros.'),
  (5, 'valNumeroNoEnter', '"%1" takes whole numbers only.'),
  (1, 'valNumeroNoHiCap', 'El nombre de «%1» és fora dels límits del camp.'),
  (2, 'valNumeroNoHiCap', 'El número de «%1» está fuera de los límites del campo.'),
  (5, 'valNumeroNoHiCap', 'The number in "%1" is beyond what the field can hold.'))
SELECT textos.NumIdioma, finestres.NomFormulari, textos.CodTextIdioma, textos.TextTraduit, FALSE
FROM finestres CROSS JOIN textos;
