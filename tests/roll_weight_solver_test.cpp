#include "roll_weight/roll_weight_solver.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using C = RollWeightCase;
using O = RollWeightOutcome;

RollWeightInput In(double D, double d, double W, double M, double S, double F, double I) {
    return RollWeightInput{D, d, W, M, S, F, I};
}

TEST(SolveRollWeight, WeightFromSpecificGravity) {
    const RollWeightResult r = SolveRollWeight(In(40, 3, 60, 0, 0.92, 0, 0));
    ASSERT_EQ(r.outcome, O::Solved);
    EXPECT_EQ(r.solvedCase, C::Weight);
    EXPECT_EQ(r.solvedValue, 2487.879);
    EXPECT_EQ(r.lbsPerCubicInch, 0.0332);
    EXPECT_EQ(r.lbsPerCubicFoot, 57.3696);
    EXPECT_EQ(r.kgPerCubicMeter, 918.9726);
    EXPECT_EQ(r.gPerCubicCm, 0.919);
    EXPECT_EQ(r.specificGravity, 0.92);
    EXPECT_FALSE(r.specificGravityDerived);
}

TEST(SolveRollWeight, DensityFromWeight) {
    const RollWeightResult r = SolveRollWeight(In(40, 3, 60, 2487.879, 0, 0, 0));
    ASSERT_EQ(r.outcome, O::Solved);
    EXPECT_EQ(r.solvedCase, C::Density);
    EXPECT_EQ(r.lbsPerCubicInch, 0.0332);
    EXPECT_EQ(r.specificGravity, 0.919668);
    EXPECT_TRUE(r.specificGravityDerived);
    EXPECT_EQ(r.lbsPerCubicFoot, 57.3696);
    EXPECT_EQ(r.kgPerCubicMeter, 918.9726);
    EXPECT_EQ(r.gPerCubicCm, 0.919);
}

TEST(SolveRollWeight, WebWidthAndRollDiameter) {
    const RollWeightResult w = SolveRollWeight(In(40, 3, 0, 2487.879, 0.92, 0, 0));
    ASSERT_EQ(w.outcome, O::Solved);
    EXPECT_EQ(w.solvedCase, C::WebWidth);
    EXPECT_EQ(w.solvedValue, 59.98);

    const RollWeightResult d = SolveRollWeight(In(0, 3, 60, 2487.879, 0.92, 0, 0));
    ASSERT_EQ(d.outcome, O::Solved);
    EXPECT_EQ(d.solvedCase, C::RollDiameter);
    EXPECT_EQ(d.solvedValue, 40.0);

    // A negative roll diameter counts as not given and is replaced.
    const RollWeightResult n = SolveRollWeight(In(-40, 3, 60, 2487.879, 0.92, 0, 0));
    EXPECT_EQ(n.solvedCase, C::RollDiameter);
    EXPECT_EQ(n.solvedValue, 40.0);
}

TEST(SolveRollWeight, PoundsPerCubicFootGoThroughRoundedInchDensity) {
    const RollWeightResult r = SolveRollWeight(In(40, 3, 60, 0, 0, 57, 0));
    ASSERT_EQ(r.solvedCase, C::Weight);
    EXPECT_EQ(r.lbsPerCubicInch, 0.033);
    EXPECT_EQ(r.solvedValue, 2472.891);
    EXPECT_EQ(r.specificGravity, 0.914127);
    EXPECT_TRUE(r.specificGravityDerived);
    EXPECT_EQ(r.lbsPerCubicFoot, 57.0);
}

TEST(SolveRollWeight, Refusals) {
    EXPECT_EQ(SolveRollWeight(In(40, 0, 60, 2000, 0.92, 0, 0)).outcome, O::CoreDiameterMissing);
    EXPECT_EQ(SolveRollWeight(In(0, 0, 0, 0, 0, 0, 0)).outcome, O::CoreDiameterMissing);
    EXPECT_EQ(SolveRollWeight(In(40, 3, 0, 0, 0.92, 0, 0)).outcome, O::FieldsMissing);
    EXPECT_EQ(SolveRollWeight(In(0, 3, 0, 0, 0, 0, 0.03)).outcome, O::FieldsMissing);
    // Nothing left to work out, whichever form the density takes; a weight alone still solves.
    EXPECT_EQ(SolveRollWeight(In(40, 3, 60, 2000, 0.92, 0, 0)).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In(40, 3, 60, 2000, 0, 57, 0)).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In(40, 3, 60, 2000, 0, 0, 0.03)).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In(40, 3, 60, 2000, 0, 0, -0.03)).outcome, O::Solved);
    EXPECT_STREQ(RollWeightMessage(O::NoUnknown), "One field must remain zero!");
    const RollWeightResult neg = SolveRollWeight(In(40, -3, 60, 0, 0.92, 0, 0));
    EXPECT_EQ(neg.outcome, O::Solved);
    EXPECT_EQ(neg.solvedValue, 2487.879);
}

TEST(SolveRollWeight, ZeroDivisorsGiveNonFiniteValuesWithoutCrashing) {
    // Roll equal to core: the area is 0 and the density case divides by it.
    const RollWeightResult a = SolveRollWeight(In(3, 3, 60, 100, 0, 0, 0));
    ASSERT_EQ(a.outcome, O::Solved);
    EXPECT_FALSE(std::isfinite(a.lbsPerCubicInch));
    const RollWeightResult w = SolveRollWeight(In(3, 3, 0, 100, 0.92, 0, 0));
    EXPECT_FALSE(std::isfinite(w.solvedValue));
    // A density that rounds to 0 as pounds per cubic inch.
    const RollWeightResult d = SolveRollWeight(In(0, 3, 60, 100, 0.0001, 0, 0));
    ASSERT_EQ(d.solvedCase, C::RollDiameter);
    EXPECT_FALSE(std::isfinite(d.solvedValue));
}

} // namespace
