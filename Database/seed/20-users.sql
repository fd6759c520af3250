-- Languages, security levels and the administrator.

-- The session accepts the language numbers 1, 2 and 5 and falls back to 1,
-- so English takes number 5. A new user gets the language coded 'Català'.
INSERT INTO TTI_Idioma (NumIdioma, CodIdioma, NomArxiuIconaIdioma) VALUES
  (1, 'Català', 'Catala.jpg'),
  (2, 'Castellano', 'Castellano.jpg'),
  (5, 'English', 'English.jpg');

INSERT INTO TTU_NivellSeguretat (NumNivellSeguretat, CodNivellSeguretat) VALUES
  (1, 'Administrador'),
  (2, 'Tècnic de manteniment'),
  (3, 'Només consulta');

-- The administrator, login 'admin', password 'Admin2024'. A password is
-- stored only as its salted Argon2id hash, as the password dialog makes it.
INSERT INTO T_Usuari (NumUsuari, NomUsuari, Login, Password, NumNivellSeguretat, NumIdioma, Autoritzat) VALUES
  (14, 'Administrador', 'admin',
   '$argon2id$v=19$m=65536,t=2,p=1$zE38O4tXfeeYyB88qvNPtQ$YBfiZH0BatlN05Oo1PFxwZe228tELXq0w2w+bvU0GwA', 1, 1, TRUE);
