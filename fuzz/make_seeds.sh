#!/usr/bin/env bash
# Makes the binary seeds of fuzz_catalogue_loader and fuzz_catalogue_readers with the sqlite3 shell: tiny tables shaped like the
# catalogue files (512-byte pages, so each file is a page or two), plus the odd shapes the loader handles.
# Usage: fuzz/make_seeds.sh OUT_DIR
set -euo pipefail
out="${1:?usage: $0 OUT_DIR}"
command -v sqlite3 >/dev/null || { echo "make_seeds.sh: the sqlite3 shell is needed" >&2; exit 1; }
mkdir -p "$out"

seed() { # name, SQL
    rm -f "$out/$1"
    sqlite3 -bail "$out/$1" "PRAGMA page_size=512;" "$2" "VACUUM;"
}

seed divisions.cds "CREATE TABLE divisions(name TEXT, id INTEGER);
    INSERT INTO divisions VALUES ('Высшая лига', 1), ('Первая лига', 2);"
seed teams.cds "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);
    INSERT INTO teams VALUES ('Заря', 1, 4390), ('Маяк', 2, 3475), ('Луч', 2, 2194);"
seed odd_cells.cds "CREATE TABLE teams(name, divId, teamId);
    INSERT INTO teams VALUES (NULL, 1.0, '12'), (x'C7E0F0FF', 2.5, 9e999), ('x', -9223372036854775808, ' 7 ');"
seed without_rowid.cds "CREATE TABLE divisions(id INTEGER PRIMARY KEY, name TEXT) WITHOUT ROWID;
    INSERT INTO divisions VALUES (2, 'B'), (1, 'A');"
seed shadowed_rowid.cds "CREATE TABLE t(rowid TEXT, oid INTEGER);
    INSERT INTO t VALUES ('b', 2), ('a', 1);"
seed empty_table.cds "CREATE TABLE divisions(name TEXT, id INTEGER);"
seed two_tables.cds "CREATE TABLE a(x); CREATE TABLE b(y); INSERT INTO a VALUES (1);"
seed reordered_teams.cds "CREATE TABLE teams(teamId INTEGER, name TEXT, divId INTEGER);
    INSERT INTO teams VALUES (4390, 'Заря', 1), (3475, 'Маяк', 2), (2194, 'Луч', 2);"
seed reordered_divisions.cds "CREATE TABLE divisions(id INTEGER, name TEXT);
    INSERT INTO divisions VALUES (2, 'Первая лига'), (1, 'Высшая лига');"
seed bad_identifiers.cds "CREATE TABLE teams(name TEXT, divId, teamId);
    INSERT INTO teams VALUES ('A', 1, 99999999999), ('B', 1, 'x'), ('C', 'x', 3), ('D', 1, 4);"
seed narrow.cds "CREATE TABLE teams(name TEXT, divId INTEGER);
    INSERT INTO teams VALUES ('A', 1);"
