#include "analysis/what_if.h"

#include "analysis/training_step.h"
#include "text/numbers.h"

#include <cmath>
#include <cstddef>

WhatIfSteps whatIfSteps(const std::string &masteryCell, const std::string &talentCell)
{
    WhatIfSteps steps{};
    const std::optional<long double> start = parseDecimal(talentCell);
    if (!start)
        return steps;
    // A talent of whole thousandths, as the lists show it, is counted without the cell texts.
    const std::optional<long double> mastery = parseDecimal(masteryCell);
    const long double thousandths = std::round(*start * 1000.0L);
    if (mastery && std::fabs(thousandths) < 1e12L &&
        static_cast<long double>(static_cast<int64_t>(thousandths)) / 1000.0L == *start) {
        for (int school = 1; school <= 3; ++school)
            for (int coach = 1; coach <= 3; ++coach)
                steps[static_cast<size_t>(school - 1)][static_cast<size_t>(coach - 1)] =
                    stepsToNine(static_cast<int64_t>(thousandths), *mastery, school * coach);
        return steps;
    }
    for (int school = 1; school <= 3; ++school)
        for (int coach = 1; coach <= 3; ++coach)
            steps[static_cast<size_t>(school - 1)][static_cast<size_t>(coach - 1)] =
                stepsToNine(projectTalent(
                                masteryCell, talentCell, [school] { return formatInteger(school); },
                                [coach] { return formatInteger(coach); }),
                            *start);
    return steps;
}

std::optional<int> stepsToNine(const ProjectionResult &result, long double startTalent)
{
    if (startTalent >= 9.0L)
        return 0;
    if (result.failure || result.rows.empty())
        return std::nullopt;
    // The table never checks its first row against the limit; the count does.
    if (const std::optional<long double> first = parseDecimal(result.rows.front().score);
        first && *first >= 9.0L)
        return 1;
    if (result.stoppedNoGrowth)
        return std::nullopt;
    // The table ends only at the limit, but a row that did not reach it says otherwise.
    const std::optional<long double> last = parseDecimal(result.rows.back().score);
    if (!last || *last < 9.0L)
        return std::nullopt;
    return static_cast<int>(result.rows.size());
}

std::vector<double> talentAfterSteps(const ProjectionResult &result)
{
    std::vector<double> talents;
    talents.reserve(result.rows.size());
    for (const ProjectionRow &row : result.rows)
        if (const std::optional<long double> score = parseDecimal(row.score))
            talents.push_back(static_cast<double>(*score));
    return talents;
}

std::optional<int> gridLevel(const std::string &levelText)
{
    if (levelText.size() == 1 && levelText[0] >= '1' && levelText[0] <= '3')
        return levelText[0] - '0';
    return std::nullopt;
}
