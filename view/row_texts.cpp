#include "view/row_texts.h"

#include "text/numbers.h"

std::vector<std::string> talentRowTexts(const CPlayerTal &p)
{
    return {p.Name,
            p.Country,
            p.Position,
            formatInteger(p.Age),
            formatFixed(p.Mastery, 2),
            formatFixed(p.Talent, 3)};
}

std::vector<std::string> skillRowTexts(const CPlayerSkill &p)
{
    std::vector<std::string> texts{p.Name, p.Position, formatInteger(p.Age), formatFixed(p.Mastery, 2)};
    for (const double ability : p.abilities())
        texts.push_back(formatFixed(ability, 2));
    return texts;
}
