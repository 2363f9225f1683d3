#include "roll_length/roll_length_solver.h"

#include <span>
#include <tuple>

#include <gtest/gtest.h>

#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

namespace {

using O = RollLengthOutcome;
// Length, core, roll, thickness; then the outcome and its value, to the bit (0 on a refusal).
using Case = std::tuple<double, double, double, double, O, double>;

void ExpectSolves(std::span<const Case> cases) {
    for (const auto& [length, core, roll, thickness, outcome, value] : cases) {
        const RollLengthResult r = SolveRollLength(length, core, roll, thickness);
        EXPECT_EQ(r.outcome, outcome) << length << " " << core << " " << roll << " " << thickness;
        EXPECT_EQ(r.value, value) << length << " " << core << " " << roll << " " << thickness;
    }
}

TEST(SolveRollLength, WorkedValuesBitForBit) {
    const Case cases[] = {
        {0, 3, 10, 0.01, O::LengthSolved, 595.5936073208331},
        {1000, 3, 0, 0.01, O::DiameterSolved, 12.719620487588042},
        {1000, 3, 10, 0, O::ThicknessSolved, 0.005955936073208333},
        {0, 6, 40, 0.002, O::LengthSolved, 51181.780321416656},
        {595.594, 3, 10, 0, O::ThicknessSolved, 0.009999993406932126},
        // Minus zero counts as zero; a roll below its core gives negative results.
        {-0.0, 3, 10, 0.01, O::LengthSolved, 595.5936073208331},
        {0, 3, 2, 0.01, O::LengthSolved, -32.72492347916666},
        {1000, 3, 2, 0, O::ThicknessSolved, -0.00032724923479166668},
        {1000, 3, 3, 0, O::ThicknessSolved, 0.0}};
    ExpectSolves(cases);
}

TEST(SolveRollLength, Refusals) {
    const Case cases[] = {
        {1000, 0, 10, 0.01, O::NotSolvable, 0}, {0, 0, 0, 0, O::NotSolvable, 0},
        {1000, 3, 10, 0.01, O::NoUnknown, 0},   {1000, -3, 0, 0.01, O::NotSolvable, 0},
        {-1000, 3, 0, 0.01, O::NotSolvable, 0}, {0, 3, 10, -0.01, O::NotSolvable, 0},
        {0, 3, 0, 0.01, O::NotSolvable, 0}};
    ExpectSolves(cases);
    EXPECT_STREQ(RollLengthMessage(O::NoUnknown), "One field must remain zero!");
    EXPECT_STREQ(RollLengthMessage(O::NotSolvable), "Only one field can be zero!");
    EXPECT_EQ(RollLengthMessage(O::LengthSolved), nullptr);
}

TEST(SolveRollLength, ShownResultAndPartner) {
    const double feet = ReadNumber(FormatNumber("%4.3f", SolveRollLength(0, 3, 10, 0.01).value));
    EXPECT_EQ(feet * kMetersPerFoot, 181.53705120000004);
}

} // namespace
