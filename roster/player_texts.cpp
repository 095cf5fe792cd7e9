#include "roster/player_texts.h"

#include "text/numbers.h"

std::vector<std::string> talentRowTexts(const TalentPlayer &p)
{
    return {p.name,
            p.country,
            p.position,
            formatInteger(p.age),
            formatFixed(p.mastery, 2),
            formatFixed(p.talent, 3)};
}

std::vector<std::string> skillRowTexts(const AbilitiesPlayer &p)
{
    std::vector<std::string> texts{p.name, p.position, formatInteger(p.age), formatFixed(p.mastery, 2)};
    for (const double ability : p.abilities)
        texts.push_back(formatFixed(ability, 2));
    return texts;
}
