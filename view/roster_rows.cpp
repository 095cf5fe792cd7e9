#include "view/roster_rows.h"

#include "roster/player_texts.h"

#include <QCoreApplication>

const std::vector<const char *> talentListColumns{
    QT_TRANSLATE_NOOP("RosterLists", "Имя"),  QT_TRANSLATE_NOOP("RosterLists", "Страна"),
    QT_TRANSLATE_NOOP("RosterLists", "Поз"),  QT_TRANSLATE_NOOP("RosterLists", "Возр"),
    QT_TRANSLATE_NOOP("RosterLists", "Маст"), QT_TRANSLATE_NOOP("RosterLists", "Талант")};
const std::vector<const char *> abilitiesListColumns{
    QT_TRANSLATE_NOOP("RosterLists", "Имя"),  QT_TRANSLATE_NOOP("RosterLists", "Поз"),
    QT_TRANSLATE_NOOP("RosterLists", "Возр"), QT_TRANSLATE_NOOP("RosterLists", "Маст"),
    QT_TRANSLATE_NOOP("RosterLists", "От"),   QT_TRANSLATE_NOOP("RosterLists", "Оп"),
    QT_TRANSLATE_NOOP("RosterLists", "Др"),   QT_TRANSLATE_NOOP("RosterLists", "Пм"),
    QT_TRANSLATE_NOOP("RosterLists", "Вн"),   QT_TRANSLATE_NOOP("RosterLists", "Пс"),
    QT_TRANSLATE_NOOP("RosterLists", "Сл"),   QT_TRANSLATE_NOOP("RosterLists", "Тч")};

std::vector<std::vector<std::string>> talentListRows(const std::vector<TalentPlayer> &players)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(players.size());
    for (const TalentPlayer &player : players)
        rows.push_back(talentRowTexts(player));
    return rows;
}

std::vector<std::vector<std::string>> abilitiesListRows(const std::vector<AbilitiesPlayer> &players)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(players.size());
    for (const AbilitiesPlayer &player : players)
        rows.push_back(skillRowTexts(player));
    return rows;
}
