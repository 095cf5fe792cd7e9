#pragma once

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

    const std::vector<DemoDivision> &divisions() const { return m_divisions; }
    const std::vector<DemoTeam> &teams() const { return m_teams; }

    const DemoTeam *team(int32_t teamId) const;
    const DemoDivision *division(int32_t divId) const;
    // Teams of one division in table order.
    std::vector<const DemoTeam *> divisionTeams(int32_t divId) const;

private:
    std::vector<DemoDivision> m_divisions;
    std::vector<DemoTeam> m_teams;
};
