#include "analysis/talent_projection.h"

#include "text/app_error.h"
#include "text/numbers.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Every constant is an exact decimal literal taken at extended precision, so all of them are long double.
constexpr long double talentLimit = 9.0L;

bool grows(long double gain) { return gain > 0 && std::isfinite(gain); }

class TableBuilder {
public:
    TableBuilder(ProjectionResult &result, const std::string &masteryCell, const LevelReader &school,
                 const LevelReader &coach)
        : m_result(result), m_masteryCell(masteryCell), m_school(school), m_coach(coach)
    {
    }

    // Row 1 starts from the talent cell and is never held against the limit; each later row starts
    // from the unrounded talent cell the previous row wrote.
    void build(const std::string &talentCell)
    {
        if (!addStep(1, talentCell))
            return;
        for (int k = 2;; ++k) {
            if (!addStep(k, std::string(m_result.rows.back().score)))
                return;
            if (readDecimal(m_result.rows.back().score) >= talentLimit)
                return;
        }
    }

private:
    // Adds the row for one step; false when the step would not raise the talent. The caption goes in
    // first, so a failing conversion leaves the row with its caption only.
    bool addStep(int number, const std::string &talentText)
    {
        m_result.rows.push_back({formatInteger(number), {}, {}, {}});
        const long double t = readDecimal(talentText);
        if (!grows(t))
            return stop();
        const int64_t coach = readInteger(m_coach());
        const int64_t school = readInteger(m_school());
        const long double mastery = readDecimal(m_masteryCell);
        const double gain = projectionRound(projectionStepGrowth(t, coach * school, mastery) / t, 3);
        if (!grows(gain))
            return stop();
        ProjectionRow &row = m_result.rows.back();
        row.gain = formatGeneral(gain);
        row.score = formatGeneral(readDecimal(row.gain) + t);
        row.roundedTalent = formatGeneral(projectionRound(readDecimal(row.score), 2));
        return true;
    }

    bool stop()
    {
        m_result.rows.pop_back();
        m_result.stoppedNoGrowth = true;
        return false;
    }

    ProjectionResult &m_result;
    const std::string &m_masteryCell;
    const LevelReader &m_school;
    const LevelReader &m_coach;
};

} // namespace

void ProjectionResult::rethrowFailure() const
{
    if (failure)
        std::rethrow_exception(failure);
}

ProjectionResult projectTalent(const std::string &masteryCell, const std::string &talentCell,
                               const LevelReader &schoolLevelText, const LevelReader &coachLevelText)
{
    ProjectionResult result;
    try {
        TableBuilder(result, masteryCell, schoolLevelText, coachLevelText).build(talentCell);
    } catch (const ConvertError &) {
        result.failure = std::current_exception();
    }
    return result;
}

long double projectionPower(long double x, long double y)
{
    if (y == 0)
        return 1.0L;
    if (x == 0 && y > 0)
        return 0.0L;
    if (y == std::trunc(y) && std::fabs(y) <= INT_MAX) {
        // Square and multiply: for y = 2 this is exactly x * x.
        auto n = static_cast<int64_t>(std::fabs(y));
        long double product = 1.0L;
        long double base = x;
        while (n > 0) {
            if (n & 1)
                product *= base;
            n >>= 1;
            if (n > 0)
                base *= base;
        }
        return y < 0 ? 1.0L / product : product;
    }
    return std::exp(y * std::log(x));
}

long double projectionStepGrowth(long double talent, int64_t levelProduct, long double mastery)
{
    const long double a = projectionPower(talent, 2.0L) + 19.0L;
    const long double p = 0.13L * static_cast<long double>(levelProduct) + 0.6L * projectionPower(9.0L, 0.6L);
    const long double q = projectionPower(p, 2.0L) * 100.0L / a / 50.0L;
    const long double s = (1.0L - 0.013L * projectionPower(5.5L, 1.84L)) * q;
    return (1.0L - 0.01L * projectionPower(mastery, 0.6L)) * s;
}

namespace {

double roundingFactor(int decimals) { return static_cast<double>(1.0L / projectionPower(10.0L, decimals)); }

long double roundedScaled(long double value, double factor)
{
    const double narrowed = static_cast<double>(value);
    return std::trunc(static_cast<long double>(narrowed) / static_cast<long double>(factor) + 0.5L);
}

} // namespace

int64_t projectionRoundedUnits(long double value, int decimals)
{
    const long double units = roundedScaled(value, roundingFactor(decimals));
    // Beyond this the gain is no talent a step could make; the callers only test it for growth.
    constexpr long double limit = 1e15L;
    if (std::isnan(units))
        return 0;
    if (units > limit)
        return static_cast<int64_t>(limit);
    return units < -limit ? -static_cast<int64_t>(limit) : static_cast<int64_t>(units);
}

double projectionRound(long double value, int decimals)
{
    const double factor = roundingFactor(decimals);
    return static_cast<double>(roundedScaled(value, factor) * static_cast<long double>(factor));
}

QString noGrowthCaption() { return QCoreApplication::translate("TalentProjection", "Ахтунг"); }

QString noGrowthText()
{
    return QCoreApplication::translate("TalentProjection", "Талант не растет при этих значениях.");
}
