#include "analysis/what_if.h"

#include "text/numbers.h"

#include <cstddef>

WhatIfSteps whatIfSteps(const std::string &masteryCell, const std::string &talentCell)
{
    WhatIfSteps steps{};
    for (int school = 1; school <= 3; ++school)
        for (int coach = 1; coach <= 3; ++coach)
            steps[static_cast<size_t>(school - 1)][static_cast<size_t>(coach - 1)] =
                stepsToLimit(projectTalent(
                    masteryCell, talentCell, [school] { return formatInteger(school); },
                    [coach] { return formatInteger(coach); }));
    return steps;
}

std::optional<int> stepsToLimit(const ProjectionResult &result)
{
    if (result.failure || result.stoppedNoGrowth || result.rows.empty())
        return std::nullopt;
    // The table ends only at the limit, but a row that did not reach it says otherwise.
    const std::optional<long double> last = parseDecimal(result.rows.back().ball);
    if (!last || *last < 9.0L)
        return std::nullopt;
    return static_cast<int>(result.rows.size());
}

std::vector<double> talentAfterSteps(const ProjectionResult &result)
{
    std::vector<double> talents;
    talents.reserve(result.rows.size());
    for (const ProjectionRow &row : result.rows)
        if (const std::optional<long double> ball = parseDecimal(row.ball))
            talents.push_back(static_cast<double>(*ball));
    return talents;
}

std::optional<int> gridLevel(const std::string &levelText)
{
    if (levelText.size() == 1 && levelText[0] >= '1' && levelText[0] <= '3')
        return levelText[0] - '0';
    return std::nullopt;
}
