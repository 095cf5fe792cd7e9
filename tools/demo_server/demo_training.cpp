#include "tools/demo_server/demo_training.h"

#include "analysis/talent_projection.h"
#include "text/numbers.h"
#include "tools/demo_server/demo_random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint64_t levelsStream = 0x4C4556454C53ULL;
constexpr int nineThousandths = 9000;

} // namespace

DemoLevels demoLevels(int32_t teamId)
{
    SplitMix64 rng = teamStream(teamId, levelsStream);
    DemoLevels levels;
    levels.school = static_cast<int>(rng.between(1, 3));
    levels.coach = static_cast<int>(rng.between(1, 3));
    return levels;
}

int trainedTalent(int talentThousandths, int masteryHundredths, DemoLevels levels, int steps)
{
    if (steps <= 0 || talentThousandths >= nineThousandths)
        return std::min(talentThousandths, nineThousandths);
    // The table runs on until the talent reaches 9, asking for the levels at every step; a level that
    // does not convert ends it and keeps the rows made before. So the coach's level is there for the
    // steps wanted and no more.
    int stepsAsked = 0;
    const LevelReader coach = [&stepsAsked, steps, level = formatInteger(levels.coach)] {
        return ++stepsAsked <= steps ? level : std::string();
    };
    const LevelReader school = [level = formatInteger(levels.school)] { return level; };
    const ProjectionResult table = projectTalent(formatFixed(masteryHundredths / 100.0L, 2),
                                                 formatFixed(talentThousandths / 1000.0L, 3), school, coach);
    const auto last = std::find_if(table.rows.rbegin(), table.rows.rend(),
                                   [](const ProjectionRow &row) { return !row.score.empty(); });
    if (last == table.rows.rend())
        return talentThousandths;
    const long double talent = readDecimal(last->score);
    return std::min(nineThousandths, static_cast<int>(std::lround(talent * 1000.0L)));
}
