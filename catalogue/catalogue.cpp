#include "catalogue/catalogue.h"

#include "text/app_error.h"
#include "text/code_page.h"

#include <QCollator>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

// Where each wanted column stands, the wanted names given in their usual order.
template <size_t N>
std::array<int, N> columnsOf(const CatalogueTable &table, const std::array<const char *, N> &names)
{
    const int count = table.fieldCount();
    std::array<int, N> at{};
    std::vector<bool> taken(static_cast<size_t>(count), false);
    for (size_t i = 0; i < N; ++i) {
        const std::optional<int> named = table.fieldNumber(names[i]);
        at[i] = named.value_or(-1);
        if (named)
            taken[static_cast<size_t>(*named)] = true;
    }
    for (size_t i = 0; i < N; ++i) {
        if (at[i] >= 0)
            continue;
        int column = static_cast<int>(i);
        if (column < count && taken[static_cast<size_t>(column)]) {
            column = 0;
            while (column < count && taken[static_cast<size_t>(column)])
                ++column;
        }
        if (column >= count)
            throw AppError(cp1251Message(
                QCoreApplication::translate(
                    "Catalogue", "В таблице каталога %1 не найдено поле '%2': полей в ней %3, а нужно %4"),
                table.fileName(), std::string(names[i]), std::to_string(count), std::to_string(N)));
        at[i] = column;
        taken[static_cast<size_t>(column)] = true;
    }
    return at;
}

// The identifier in the current row, or none with the reason added to `skipped`.
std::optional<int32_t> identifierOrSkip(const CatalogueTable &table, int idAt, int nameAt,
                                        std::vector<std::string> *skipped)
{
    try {
        return table.fieldAsInteger(idAt);
    } catch (const ConvertError &error) {
        if (skipped)
            skipped->push_back(
                cp1251Message(QCoreApplication::translate("Catalogue", "Пропущена строка %1 (%2) в %3: %4"),
                              std::to_string(table.rowNumber()), table.fieldAsText(nameAt), table.fileName(),
                              std::string(error.what())));
        return std::nullopt;
    }
}

std::optional<int32_t> integerAt(const CatalogueTable &table, int column)
{
    try {
        return table.fieldAsInteger(column);
    } catch (const ConvertError &) {
        return std::nullopt;
    }
}

} // namespace

std::vector<CatalogueEntry> readDivisions(CatalogueTable &divisions, std::vector<std::string> *skipped)
{
    const auto [nameAt, idAt] = columnsOf<2>(divisions, {"name", "id"});
    std::vector<CatalogueEntry> entries;
    do {
        if (const std::optional<int32_t> id = identifierOrSkip(divisions, idAt, nameAt, skipped))
            entries.push_back({divisions.fieldAsText(nameAt), *id});
        divisions.next();
    } while (!divisions.eof());
    return entries;
}

std::vector<CatalogueEntry> readTeamsOfDivision(CatalogueTable &teams, int32_t divisionId,
                                                std::vector<std::string> *skipped)
{
    const auto [nameAt, divisionAt, idAt] = columnsOf<3>(teams, {"name", "divId", "teamId"});
    std::vector<CatalogueEntry> entries;
    if (!teams.locate(divisionAt, divisionId))
        return entries;
    // next() stays on the last row at the end, so the last row's own division is compared again and
    // the end flag is what stops the loop there: the last team is listed once.
    do {
        if (const std::optional<int32_t> id = identifierOrSkip(teams, idAt, nameAt, skipped))
            entries.push_back({teams.fieldAsText(nameAt), *id});
        teams.next();
    } while (integerAt(teams, divisionAt) == divisionId && !teams.eof());
    return entries;
}

std::vector<CatalogueEntry> inNameOrder(std::vector<CatalogueEntry> entries, const QLocale &locale)
{
    const QCollator collator(locale);
    std::vector<std::pair<QString, CatalogueEntry>> named;
    named.reserve(entries.size());
    for (CatalogueEntry &entry : entries)
        named.emplace_back(fromCp1251(entry.name), std::move(entry));
    std::stable_sort(named.begin(), named.end(),
                     [&](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    entries.clear();
    for (auto &[name, entry] : named)
        entries.push_back(std::move(entry));
    return entries;
}
