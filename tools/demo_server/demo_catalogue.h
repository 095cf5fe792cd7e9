#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

struct DemoDivision {
    int32_t id = 0;
    QString name;
};

struct DemoTeam {
    int32_t teamId = 0;
    int32_t divId = 0;
    QString name;
};

class DemoCatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sample divisions and teams, read from the same SQL text that the build turns into the catalogue
// files, so the server's pages always name the teams the program offers.
class DemoCatalogue {
public:
    // Understands CREATE TABLE and INSERT INTO ... VALUES (with or without a column list) for the tables
    // divisions(name, id) and teams(name, divId, teamId); other statements are ignored.
    // Throws DemoCatalogueError on text it cannot read, a missing column, a duplicate team identifier or a
    // team of an unknown division.
    static DemoCatalogue fromSql(const QString &sql);
    // The same from a file; the error names the file.
    static DemoCatalogue fromFile(const QString &path);
    // From the catalogue files divisions.cds and teams.cds in a folder, read as the program reads them
    // (a division's teams are its consecutive rows). Throws DemoCatalogueError where the program's
    // reader fails, and on a duplicate team identifier.
    static DemoCatalogue fromCatalogueFiles(const QString &folder);

    // Adds a division with its teams at the end. Throws DemoCatalogueError on a division or team
    // identifier the catalogue holds already.
    void addDivision(const DemoDivision &division, const std::vector<DemoTeam> &teams);

    const std::vector<DemoDivision> &divisions() const { return m_divisions; }
    const std::vector<DemoTeam> &teams() const { return m_teams; }

    const DemoTeam *team(int32_t teamId) const;
    const DemoDivision *division(int32_t divId) const;
    // Teams of one division in table order.
    std::vector<const DemoTeam *> divisionTeams(int32_t divId) const;

private:
    void addTeam(DemoTeam team);

    std::vector<DemoDivision> m_divisions;
    std::vector<DemoTeam> m_teams;
    // Where each identifier stands in the lists above: a whole game's catalogue is searched per request.
    QHash<int32_t, size_t> m_teamAt;
    QHash<int32_t, size_t> m_divisionAt;
    QHash<int32_t, std::vector<size_t>> m_divisionTeamsAt;
};
