#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>
#include <vector>

// One step of the projection as the cells of ListView3 show it (windows-1251 texts, "," separator).
// A row cut short by a conversion failure carries its caption only; its three cells are empty.
struct ProjectionRow {
    std::string number;        // caption: the step number
    std::string gain;          // «Трен»: talent gained in this step, 3 decimals
    std::string score;         // «Балл»: talent after the step, unrounded
    std::string roundedTalent; // «Талант»: that talent, 2 decimals
};

struct ProjectionResult {
    std::vector<ProjectionRow> rows;
    // The table stopped before a step that would not raise the talent (talent 0 or less, or a gain
    // that is not a positive number after rounding); that step is not among the rows.
    bool stoppedNoGrowth = false;
    // A ConvertError from a talent, mastery or level text; the rows hold everything made before it.
    std::exception_ptr failure;

    // Throws the stored failure, if any, so that the command's guard shows it.
    void rethrowFailure() const;
};

// Reads the current text of a level edit; called anew for every step.
using LevelReader = std::function<std::string()>;

// Builds the table from the mastery and talent cells of the chosen roster row, one step per row,
// until the unrounded talent of a step after the first reaches 9. Conversion failures do not escape:
// they end the table and are kept in `failure`.
ProjectionResult projectTalent(const std::string &masteryCell, const std::string &talentCell,
                               const LevelReader &schoolLevelText, const LevelReader &coachLevelText);

// x^y: 1 for y = 0, 0 for x = 0 and y > 0, repeated multiplication for a whole y, exp(y ln x) otherwise.
long double projectionPower(long double x, long double y);

// The gain of one step before it is divided by the talent and rounded, for the levels' product.
long double projectionStepGrowth(long double talent, int64_t levelProduct, long double mastery);

// The whole number of 1/10^decimals that projectionRound makes of the value.
int64_t projectionRoundedUnits(long double value, int decimals);

// Rounds to `decimals` decimals the way the cells need it: half up on the value narrowed to a double,
// with the factor 1/10^decimals narrowed to a double too.
double projectionRound(long double value, int decimals);

// The box shown when the table stopped because the talent does not grow.
QString noGrowthCaption();
QString noGrowthText();
