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

namespace {

std::string signedText(double change, int decimals)
{
    std::string text = formatFixed(change, decimals);
    // formatFixed writes no sign for a value that rounds to zero.
    if (change > 0 && text.find_first_not_of("0,") != std::string::npos)
        text.insert(text.begin(), '+');
    return text;
}

} // namespace

std::string masteryChangeText(double change) { return signedText(change, 2); }

std::string talentChangeText(double change) { return signedText(change, 3); }
