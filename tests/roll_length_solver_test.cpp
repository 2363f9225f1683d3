#include "roll_length/roll_length_solver.h"

#include <gtest/gtest.h>

#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

namespace {

using O = RollLengthOutcome;

struct Case {
    double length, core, roll, thickness;
    O outcome;
    double value;
};

TEST(SolveRollLength, WorkedValuesBitForBit) {
    const Case cases[] = {
        {0, 3, 10, 0.01, O::LengthSolved, 595.5936073208331},
        {1000, 3, 0, 0.01, O::DiameterSolved, 12.719620487588042},
        {1000, 3, 10, 0, O::ThicknessSolved, 0.005955936073208333},
        {0, 6, 40, 0.002, O::LengthSolved, 51181.780321416656},
        {0, 3, 2, 0.01, O::LengthSolved, -32.72492347916666},
        {595.594, 3, 10, 0, O::ThicknessSolved, 0.009999993406932126},
    };
    for (const Case& c : cases) {
        const RollLengthResult r = SolveRollLength(c.length, c.core, c.roll, c.thickness);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.value, c.value) << c.length << " " << c.roll << " " << c.thickness;
    }
}

TEST(SolveRollLength, Refusals) {
    EXPECT_EQ(SolveRollLength(1000, 0, 10, 0.01).outcome, O::NotSolvable);
    EXPECT_EQ(SolveRollLength(0, 0, 0, 0).outcome, O::NotSolvable);
    EXPECT_EQ(SolveRollLength(1000, 3, 10, 0.01).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollLength(1000, -3, 0, 0.01).outcome, O::NotSolvable);
    EXPECT_EQ(SolveRollLength(-1000, 3, 0, 0.01).outcome, O::NotSolvable);
    EXPECT_EQ(SolveRollLength(0, 3, 10, -0.01).outcome, O::NotSolvable);
    EXPECT_EQ(SolveRollLength(0, 3, 0, 0.01).outcome, O::NotSolvable);
    EXPECT_STREQ(RollLengthMessage(O::NoUnknown), "One field must remain zero!");
    EXPECT_STREQ(RollLengthMessage(O::NotSolvable), "Only one field can be zero!");
    EXPECT_EQ(RollLengthMessage(O::LengthSolved), nullptr);
}

TEST(SolveRollLength, NegativeZeroCountsAsZero) {
    const RollLengthResult r = SolveRollLength(-0.0, 3, 10, 0.01);
    EXPECT_EQ(r.outcome, O::LengthSolved);
    EXPECT_EQ(r.value, 595.5936073208331);
}

TEST(SolveRollLength, DiameterBelowCoreGivesNegativeResults) {
    EXPECT_LT(SolveRollLength(0, 3, 2, 0.01).value, 0.0);
    EXPECT_LT(SolveRollLength(1000, 3, 2, 0).value, 0.0);
    EXPECT_EQ(SolveRollLength(1000, 3, 3, 0).value, 0.0);
}

TEST(SolveRollLength, ShownResultAndPartner) {
    const double feet = ReadNumber(FormatNumber("%4.3f", SolveRollLength(0, 3, 10, 0.01).value));
    EXPECT_EQ(feet * kMetersPerFoot, 181.53705120000004);
}

} // namespace
