#include "tools/demo_server/demo_catalogue.h"

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_table.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace {

enum class TokenKind { Word, Text, Number, Symbol };

struct Token {
    TokenKind kind;
    QString text;
};

[[noreturn]] void fail(const QString &what) { throw DemoCatalogueError(what.toStdString()); }

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Just enough of SQL's lexical rules for a hand-written catalogue: words, 'texts' with '' escapes,
// "quoted names", signed integers, punctuation, -- and /* */ comments.
std::vector<Token> tokenize(const QString &sql)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                fail(QStringLiteral("unterminated comment"));
            i = end + 2;
        } else if (c == u'\'' || c == u'"') {
            QString text;
            ++i;
            for (;;) {
                if (i >= n)
                    fail(QStringLiteral("unterminated quoted text"));
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        text += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += sql[i++];
            }
            tokens.push_back({c == u'\'' ? TokenKind::Text : TokenKind::Word, text});
        } else if (c.isDigit() || (c == u'-' && i + 1 < n && sql[i + 1].isDigit())) {
            const qsizetype start = i++;
            while (i < n && sql[i].isDigit())
                ++i;
            tokens.push_back({TokenKind::Number, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            const qsizetype start = i;
            while (i < n && isWordPart(sql[i]))
                ++i;
            tokens.push_back({TokenKind::Word, sql.mid(start, i - start)});
        } else {
            tokens.push_back({TokenKind::Symbol, QString(c)});
            ++i;
        }
    }
    return tokens;
}

struct Table {
    QStringList columns;           // lower case, declared order
    std::vector<QStringList> rows; // values in declared column order
};

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : m_tokens(std::move(tokens)) {}

    QHash<QString, Table> run()
    {
        while (!atEnd()) {
            if (isWord(u"CREATE") && isWordAt(1, u"TABLE")) {
                createTable();
            } else if (isWord(u"INSERT")) {
                insert();
            } else {
                skipStatement();
            }
        }
        return m_tables;
    }

private:
    bool atEnd() const { return m_at >= m_tokens.size(); }
    const Token &peek(size_t ahead = 0) const
    {
        if (m_at + ahead >= m_tokens.size())
            fail(QStringLiteral("unexpected end of the SQL text"));
        return m_tokens[m_at + ahead];
    }
    bool isWordAt(size_t ahead, QStringView word) const
    {
        return m_at + ahead < m_tokens.size() && m_tokens[m_at + ahead].kind == TokenKind::Word &&
               m_tokens[m_at + ahead].text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isWord(QStringView word) const { return isWordAt(0, word); }
    bool isSymbol(QChar symbol) const
    {
        return !atEnd() && m_tokens[m_at].kind == TokenKind::Symbol && m_tokens[m_at].text[0] == symbol;
    }
    void expectSymbol(QChar symbol)
    {
        if (!isSymbol(symbol))
            fail(
                QStringLiteral("expected '%1' near '%2'").arg(symbol).arg(atEnd() ? QString() : peek().text));
        ++m_at;
    }
    void expectWord(QStringView word)
    {
        if (!isWord(word))
            fail(QStringLiteral("expected %1").arg(word));
        ++m_at;
    }
    QString name()
    {
        const Token &t = peek();
        if (t.kind != TokenKind::Word)
            fail(QStringLiteral("expected a name near '%1'").arg(t.text));
        ++m_at;
        return t.text.toLower();
    }
    void skipStatement()
    {
        while (!atEnd() && !isSymbol(u';'))
            ++m_at;
        if (!atEnd())
            ++m_at;
    }

    void createTable()
    {
        m_at += 2;
        if (isWord(u"IF")) {
            expectWord(u"IF");
            expectWord(u"NOT");
            expectWord(u"EXISTS");
        }
        const QString table = name();
        expectSymbol(u'(');
        Table definition;
        int depth = 1;
        bool columnStart = true;
        while (depth > 0) {
            const Token &t = peek();
            ++m_at;
            if (t.kind == TokenKind::Symbol && t.text == u"(") {
                ++depth;
            } else if (t.kind == TokenKind::Symbol && t.text == u")") {
                --depth;
            } else if (depth == 1 && t.kind == TokenKind::Symbol && t.text == u",") {
                columnStart = true;
                continue;
            } else if (columnStart && t.kind == TokenKind::Word) {
                static const QStringList constraints = {QStringLiteral("PRIMARY"), QStringLiteral("UNIQUE"),
                                                        QStringLiteral("CHECK"), QStringLiteral("FOREIGN"),
                                                        QStringLiteral("CONSTRAINT")};
                if (!constraints.contains(t.text, Qt::CaseInsensitive))
                    definition.columns.append(t.text.toLower());
            }
            columnStart = false;
        }
        m_tables.insert(table, definition);
        skipStatement();
    }

    void insert()
    {
        ++m_at;
        if (isWord(u"OR")) // INSERT OR REPLACE / IGNORE
            m_at += 2;
        expectWord(u"INTO");
        const QString table = name();
        if (!m_tables.contains(table))
            fail(QStringLiteral("INSERT into %1 before its CREATE TABLE").arg(table));
        Table &target = m_tables[table];
        QStringList columns = target.columns;
        if (isSymbol(u'(')) {
            columns.clear();
            expectSymbol(u'(');
            for (;;) {
                columns.append(name());
                if (isSymbol(u')'))
                    break;
                expectSymbol(u',');
            }
            expectSymbol(u')');
        }
        expectWord(u"VALUES");
        for (;;) {
            const QStringList values = tuple();
            if (values.size() != columns.size())
                fail(QStringLiteral("%1 values for %2 columns of %3")
                         .arg(values.size())
                         .arg(columns.size())
                         .arg(table));
            QStringList row;
            for (const QString &column : target.columns) {
                const qsizetype at = columns.indexOf(column);
                row.append(at < 0 ? QString() : values[at]);
            }
            target.rows.push_back(row);
            if (!isSymbol(u','))
                break;
            expectSymbol(u',');
        }
        skipStatement();
    }

    QStringList tuple()
    {
        QStringList values;
        expectSymbol(u'(');
        for (;;) {
            const Token &t = peek();
            ++m_at;
            if (t.kind == TokenKind::Text || t.kind == TokenKind::Number)
                values.append(t.text);
            else if (t.kind == TokenKind::Word && t.text.compare(u"NULL", Qt::CaseInsensitive) == 0)
                values.append(QString());
            else
                fail(QStringLiteral("unexpected value '%1'").arg(t.text));
            if (isSymbol(u')'))
                break;
            expectSymbol(u',');
        }
        expectSymbol(u')');
        return values;
    }

    std::vector<Token> m_tokens;
    size_t m_at = 0;
    QHash<QString, Table> m_tables;
};

const Table &requireTable(const QHash<QString, Table> &tables, const QString &table,
                          const QStringList &columns)
{
    const auto found = tables.constFind(table);
    if (found == tables.constEnd())
        fail(QStringLiteral("no table %1").arg(table));
    for (const QString &column : columns) {
        if (!found->columns.contains(column))
            fail(QStringLiteral("table %1 has no column %2").arg(table, column));
    }
    return *found;
}

int32_t integerCell(const Table &table, const QStringList &row, const QString &column)
{
    bool ok = false;
    const int value = row[table.columns.indexOf(column)].toInt(&ok);
    if (!ok)
        fail(QStringLiteral("column %1 holds '%2', not an integer")
                 .arg(column, row[table.columns.indexOf(column)]));
    return value;
}

QString textCell(const Table &table, const QStringList &row, const QString &column)
{
    return row[table.columns.indexOf(column)];
}

} // namespace

DemoCatalogue DemoCatalogue::fromSql(const QString &sql)
{
    const QHash<QString, Table> tables = Parser(tokenize(sql)).run();
    const QString nameColumn = QStringLiteral("name");
    const QString idColumn = QStringLiteral("id");
    const QString divColumn = QStringLiteral("divid");
    const QString teamColumn = QStringLiteral("teamid");
    const Table &divisions = requireTable(tables, QStringLiteral("divisions"), {nameColumn, idColumn});
    const Table &teams = requireTable(tables, QStringLiteral("teams"), {nameColumn, divColumn, teamColumn});

    DemoCatalogue catalogue;
    for (const QStringList &row : divisions.rows) {
        const DemoDivision division{integerCell(divisions, row, idColumn),
                                    textCell(divisions, row, nameColumn)};
        if (!catalogue.m_divisionAt.contains(division.id)) // the first of a repeated identifier counts
            catalogue.m_divisionAt.insert(division.id, catalogue.m_divisions.size());
        catalogue.m_divisions.push_back(division);
    }
    for (const QStringList &row : teams.rows) {
        DemoTeam team{integerCell(teams, row, teamColumn), integerCell(teams, row, divColumn),
                      textCell(teams, row, nameColumn)};
        if (!catalogue.division(team.divId))
            fail(QStringLiteral("team %1 belongs to unknown division %2").arg(team.name).arg(team.divId));
        catalogue.addTeam(std::move(team));
    }
    return catalogue;
}

void DemoCatalogue::addTeam(DemoTeam team)
{
    if (m_teamAt.contains(team.teamId))
        fail(QStringLiteral("team identifier %1 appears twice").arg(team.teamId));
    m_teamAt.insert(team.teamId, m_teams.size());
    m_divisionTeamsAt[team.divId].push_back(m_teams.size());
    m_teams.push_back(std::move(team));
}

void DemoCatalogue::addDivision(const DemoDivision &division, const std::vector<DemoTeam> &teams)
{
    if (m_divisionAt.contains(division.id))
        fail(QStringLiteral("division identifier %1 appears twice").arg(division.id));
    m_divisionAt.insert(division.id, m_divisions.size());
    m_divisions.push_back(division);
    for (DemoTeam team : teams) {
        team.divId = division.id;
        addTeam(std::move(team));
    }
}

const DemoTeam *DemoCatalogue::team(int32_t teamId) const
{
    const auto found = m_teamAt.constFind(teamId);
    return found == m_teamAt.constEnd() ? nullptr : &m_teams[*found];
}

const DemoDivision *DemoCatalogue::division(int32_t divId) const
{
    const auto found = m_divisionAt.constFind(divId);
    return found == m_divisionAt.constEnd() ? nullptr : &m_divisions[*found];
}

std::vector<const DemoTeam *> DemoCatalogue::divisionTeams(int32_t divId) const
{
    std::vector<const DemoTeam *> found;
    for (const size_t at : m_divisionTeamsAt.value(divId))
        found.push_back(&m_teams[at]);
    return found;
}

DemoCatalogue DemoCatalogue::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    try {
        return fromSql(QString::fromUtf8(file.readAll()));
    } catch (const DemoCatalogueError &e) {
        fail(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

DemoCatalogue DemoCatalogue::fromCatalogueFiles(const QString &folder)
{
    const auto path = [&folder](const char *name) {
        return toCp1251(folder + u'/' + QLatin1StringView(name));
    };
    DemoCatalogue catalogue;
    try {
        CatalogueTable divisions;
        divisions.loadFromFile(path("divisions.cds"));
        CatalogueTable teams;
        teams.loadFromFile(path("teams.cds"));
        for (const CatalogueEntry &division : readDivisions(divisions)) {
            std::vector<DemoTeam> members;
            for (const CatalogueEntry &team : readTeamsOfDivision(teams, division.id))
                members.push_back({team.id, division.id, fromCp1251(team.name)});
            catalogue.addDivision({division.id, fromCp1251(division.name)}, members);
        }
    } catch (const AppError &e) {
        fail(fromCp1251(e.what()));
    } catch (const DemoCatalogueError &e) {
        fail(QStringLiteral("%1: %2").arg(folder, QString::fromUtf8(e.what())));
    }
    return catalogue;
}
