-- Sample catalogue for the demo: four divisions and their teams.
-- The build turns it into divisions.cds and teams.cds (SQLite 3, one table each);
-- the demo roster server reads the same rows for its team names.
-- Teams of one division stay in consecutive rows; the program sorts them for the selector itself.

CREATE TABLE divisions(name TEXT, id INTEGER);
INSERT INTO divisions VALUES ('Высшая лига', 1);
INSERT INTO divisions VALUES ('Первая лига', 2);
INSERT INTO divisions VALUES ('Вторая лига А', 3);
INSERT INTO divisions VALUES ('Вторая лига Б', 4);

CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);

-- Высшая лига
INSERT INTO teams VALUES ('Металлург Лесногорск', 1, 5680);
INSERT INTO teams VALUES ('Заря', 1, 4390);
INSERT INTO teams VALUES ('Торпедо Краснобор', 1, 2604);
INSERT INTO teams VALUES ('Химик Светлоярск', 1, 6139);
INSERT INTO teams VALUES ('Энергия Каменоград', 1, 6192);
INSERT INTO teams VALUES ('Сокол Верхнеречье', 1, 5633);
INSERT INTO teams VALUES ('Факел Новоборск', 1, 430);
INSERT INTO teams VALUES ('Авангард Холмогорск', 1, 3944);
INSERT INTO teams VALUES ('Динамо Тихореченск', 1, 5135);
INSERT INTO teams VALUES ('Шахтёр Медвежинск', 1, 2185);
INSERT INTO teams VALUES ('Локомотив Старомлынск', 1, 968);
INSERT INTO teams VALUES ('Волна Приозёрный', 1, 6819);
INSERT INTO teams VALUES ('Текстильщик Ольховка', 1, 6017);
INSERT INTO teams VALUES ('Звезда Кедровск', 1, 5056);
INSERT INTO teams VALUES ('Рубин Белогорье', 1, 1529);
INSERT INTO teams VALUES ('Нефтяник Северогорск', 1, 3126);

-- Первая лига
INSERT INTO teams VALUES ('Луч Ясногорье', 2, 2194);
INSERT INTO teams VALUES ('Строитель Дубравинск', 2, 658);
INSERT INTO teams VALUES ('Маяк', 2, 3475);
INSERT INTO teams VALUES ('Спутник Глубоковск', 2, 5502);
INSERT INTO teams VALUES ('Урожай Сосновка', 2, 204);
INSERT INTO teams VALUES ('Искра Красноводье', 2, 3998);
INSERT INTO teams VALUES ('Буревестник', 2, 5062);
INSERT INTO teams VALUES ('Судостроитель Заречный', 2, 5083);
INSERT INTO teams VALUES ('Горняк Ржавец', 2, 6950);
INSERT INTO teams VALUES ('Трактор Полесск', 2, 6713);
INSERT INTO teams VALUES ('Прогресс Мирноград', 2, 3592);
INSERT INTO teams VALUES ('Фортуна Вишнёвск', 2, 7724);
INSERT INTO teams VALUES ('Энергетик Сухоозёрск', 2, 6284);
INSERT INTO teams VALUES ('Старт Калиновка', 2, 6909);
INSERT INTO teams VALUES ('Кристалл Зеленогай', 2, 4190);
INSERT INTO teams VALUES ('Сатурн Ветлужин', 2, 1063);

-- Вторая лига А
INSERT INTO teams VALUES ('Олимп Берёзовец', 3, 9512);
INSERT INTO teams VALUES ('Витязь Рябиновка', 3, 4384);
INSERT INTO teams VALUES ('Титан Дальнегорье', 3, 6218);
INSERT INTO teams VALUES ('Родник Ключевск', 3, 4718);
INSERT INTO teams VALUES ('Импульс Кварцевый', 3, 6328);
INSERT INTO teams VALUES ('Колос Пшеничное', 3, 3893);
INSERT INTO teams VALUES ('Мотор Заводской', 3, 3720);
INSERT INTO teams VALUES ('Атлант Гранитный', 3, 8902);
INSERT INTO teams VALUES ('Вымпел Лиманск', 3, 2625);
INSERT INTO teams VALUES ('Рассвет Угорье', 3, 7172);
INSERT INTO teams VALUES ('Прибой Песчаный', 3, 1048);
INSERT INTO teams VALUES ('Десна Луговое', 3, 6312);
INSERT INTO teams VALUES ('Орбита Звёздный', 3, 645);
INSERT INTO teams VALUES ('Гранит Скалистое', 3, 5540);
INSERT INTO teams VALUES ('Дружба Тополинск', 3, 8650);
INSERT INTO teams VALUES ('Ураган Степной', 3, 6805);

-- Вторая лига Б
INSERT INTO teams VALUES ('Лесник Еловое', 4, 6070);
INSERT INTO teams VALUES ('Кедр Таёжный', 4, 1711);
INSERT INTO teams VALUES ('Зенит Солнцегорск', 4, 7380);
INSERT INTO teams VALUES ('Сталь Литейный', 4, 5575);
INSERT INTO teams VALUES ('Полёт Крылатово', 4, 1128);
INSERT INTO teams VALUES ('Восток Дальний', 4, 2058);
INSERT INTO teams VALUES ('Альфа Новозаветинск', 4, 9400);
INSERT INTO teams VALUES ('Арсенал Оружейный', 4, 3094);
INSERT INTO teams VALUES ('Бриз Приморский', 4, 1170);
INSERT INTO teams VALUES ('Молот Кузнечный', 4, 4911);
INSERT INTO teams VALUES ('Гвардия Стрелецк', 4, 5485);
INSERT INTO teams VALUES ('Темп Быстрица', 4, 3565);
