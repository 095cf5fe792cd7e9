#include "export/team_block.h"

namespace {

std::string repeated(const std::string &s, int64_t times)
{
    std::string out;
    for (int64_t i = 0; i < times; ++i)
        out += s;
    return out;
}

std::string headerLine(const ExportView &view, const std::string &s)
{
    if (view.kind == PageKind::Talent) {
        const auto countryLength = view.rows.empty() || view.rows[0].size() < 2
                                       ? int64_t{0}
                                       : static_cast<int64_t>(view.rows[0][1].size());
        // "Имя" ... "Гр" ... "Поз" "Воз" "Мас" "Тал"
        return "\xC8\xEC\xFF" + repeated(s, 20) + "\xC3\xF0" + repeated(s, countryLength - 3) + s +
               "\xCF\xEE\xE7" + s + "\xC2\xEE\xE7" + s + "\xCC\xE0\xF1" + repeated(s, 3) + "\xD2\xE0\xEB";
    }
    std::string line =
        "\xC8\xEC\xFF" + repeated(s, 18) + s + "\xCF\xEE\xE7" + s + "\xC2\xEE\xE7" + s + "\xCC\xE0\xF1";
    // "От", "Оп", "Др", "Пм", "Вн", "Пс", "Сл", "Тч"
    for (const char *ability :
         {"\xCE\xF2", "\xCE\xEF", "\xC4\xF0", "\xCF\xEC", "\xC2\xED", "\xCF\xF1", "\xD1\xEB", "\xD2\xF7"})
        line += repeated(s, 3) + ability;
    return line;
}

std::string rowLine(const std::vector<std::string> &row, const std::string &s)
{
    const std::string &name = row.at(0);
    const auto n = static_cast<int64_t>(name.size());
    std::string line = name + (n <= 22 ? repeated(s, 23 - n) : s);
    for (size_t i = 1; i < row.size(); ++i)
        line += (i > 1 ? " " : "") + row[i];
    return line;
}

} // namespace

std::string buildTeamBlock(const ExportView &view, const ExportOptions &options)
{
    const TeamSummary &t = view.labels;
    std::vector<std::string> lines{" ", t.name + " " + t.division};
    if (options.manager)
        lines.push_back(t.rank + ": " + t.manager);
    if (options.id)
        lines.push_back("ID: " + t.id);
    if (options.money)
        lines.push_back("\xC4\xE5\xED\xFC\xE3\xE8: " + t.money); // "Деньги: "
    if (options.additions) // "Разрешенных пополнений: "
        lines.push_back(
            "\xD0\xE0\xE7\xF0\xE5\xF8\xE5\xED\xED\xFB\xF5 \xEF\xEE\xEF\xEE\xEB\xED\xE5\xED\xE8\xE9: " +
            t.additions);
    lines.emplace_back(" ");
    lines.push_back(headerLine(view, options.separator));
    for (const auto &row : view.rows)
        lines.push_back(rowLine(row, options.separator));
    lines.emplace_back(" ");
    lines.emplace_back(50, '*');
    std::string block;
    for (const auto &line : lines)
        block += line + "\r\n";
    return block;
}
