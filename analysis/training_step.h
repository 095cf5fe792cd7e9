#pragma once

#include <cstdint>
#include <optional>

// The projection's step counted without its cell texts. A talent is held in whole thousandths: the
// table's talent cell has three decimals and each step adds a «Трен» of three decimals, so every «Балл»
// the table writes and reads back is a whole number of thousandths, and the value read back is that
// number divided by 1000 at extended precision. Counting steps here gives the table's results exactly,
// some twenty times faster.

inline constexpr int64_t talentNineThousandths = 9000;
// Further than any youth player gets; a talent this close to zero never grows in the table either.
inline constexpr int maxProjectionSteps = 100000;

// The talent of a cell value kept as a double (the list shows three decimals), in thousandths.
int64_t talentThousandths(double talent);
// The mastery as the table reads its two-decimal cell.
long double masteryOfCell(double mastery);

// The gain of one step in thousandths («Трен» × 1000); nothing when the step would not raise the talent.
std::optional<int64_t> stepGainThousandths(int64_t talent, long double mastery, int levelProduct);

// The same for one player and one product, with what does not change from step to step worked out once:
// the same operations in the same order as the table, so the same results.
class ProjectionStepper {
public:
    ProjectionStepper(long double mastery, int levelProduct);
    // For many products of one mastery: its factor (1 - 0.01 · m^0.6) worked out once.
    static long double masteryFactor(long double mastery);
    static ProjectionStepper ofMasteryFactor(long double masteryFactor, int levelProduct);
    std::optional<int64_t> gain(int64_t talent) const;
    int64_t after(int64_t talent, int steps) const;
    std::optional<int> stepsToNine(int64_t talent) const;

private:
    ProjectionStepper(int levelProduct, long double masteryFactor);

    long double m_pSquared;
    long double m_masteryFactor;
};

// The talent after that many steps; a talent that stops growing stays where it stopped.
int64_t talentAfterSteps(int64_t talent, long double mastery, int levelProduct, int steps);

// Steps until the talent first reaches 9, as the table counts them: 0 for a talent already there,
// nothing when it stops short.
std::optional<int> stepsToNine(int64_t talent, long double mastery, int levelProduct);

// The products of a school level and a coach level, 1–3 each.
inline constexpr int levelProducts[] = {1, 2, 3, 4, 6, 9};
