CREATE TABLE divisions(name TEXT, id INTEGER);
INSERT INTO divisions VALUES ('Высшая лига', 1);
CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);
INSERT INTO teams VALUES ('Металлург Лесногорск', 1, 5680);
INSERT INTO teams VALUES ('Шахтёр Медвежинск', 1, 2185);
