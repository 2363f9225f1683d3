#include "roll_weight/roll_weight_solver.h"

#include <cmath>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

using C = RollWeightCase;
using O = RollWeightOutcome;

using In = RollWeightInput;

constexpr double kAny = NAN; // not looked at
constexpr double kInf = INFINITY;

// What a solve gives: the case, its value and the density family.
struct SolveRow {
    const char* name;
    RollWeightInput in;
    C solved;
    double value, lbsPerCubicInch, specificGravity, lbsPerCubicFoot, kgPerCubicMeter, gPerCubicCm;
};

void PrintTo(const SolveRow& row, std::ostream* os) {
    *os << row.name;
}

class Solves : public ::testing::TestWithParam<SolveRow> {};

TEST_P(Solves, TheMissingFigureAndTheDensityFamily) {
    const SolveRow& row = GetParam();
    const RollWeightResult r = SolveRollWeight(row.in);
    ASSERT_EQ(r.outcome, O::Solved);
    EXPECT_EQ(r.solvedCase, row.solved);
    const std::pair<double, double> figures[] = {{r.solvedValue, row.value},
                                                 {r.lbsPerCubicInch, row.lbsPerCubicInch},
                                                 {r.specificGravity, row.specificGravity},
                                                 {r.lbsPerCubicFoot, row.lbsPerCubicFoot},
                                                 {r.kgPerCubicMeter, row.kgPerCubicMeter},
                                                 {r.gPerCubicCm, row.gPerCubicCm}};
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        if (!std::isnan(figures[i].second)) {
            EXPECT_EQ(figures[i].first, figures[i].second) << "figure " << i;
        }
    }
    // Only a specific gravity that was typed is not derived.
    EXPECT_EQ(r.specificGravityDerived, row.in.specificGravity == 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    , Solves,
    ::testing::Values(
        SolveRow{"Weight", In{40, 3, 60, 0, 0.92, 0, 0}, C::Weight, 2487.879, 0.0332, 0.92, 57.3696,
                 918.9726, 0.919},
        SolveRow{"Density", In{40, 3, 60, 2487.879, 0, 0, 0}, C::Density, kAny, 0.0332, 0.919668,
                 57.3696, 918.9726, 0.919},
        SolveRow{"WebWidth", In{40, 3, 0, 2487.879, 0.92, 0, 0}, C::WebWidth, 59.98, kAny, kAny,
                 kAny, kAny, kAny},
        SolveRow{"RollDiameter", In{0, 3, 60, 2487.879, 0.92, 0, 0}, C::RollDiameter, 40.0, kAny,
                 kAny, kAny, kAny, kAny},
        // A negative roll diameter counts as not given and is replaced; a negative core is taken.
        SolveRow{"NegativeRollDiameter", In{-40, 3, 60, 2487.879, 0.92, 0, 0}, C::RollDiameter,
                 40.0, kAny, kAny, kAny, kAny, kAny},
        SolveRow{"NegativeCore", In{40, -3, 60, 0, 0.92, 0, 0}, C::Weight, 2487.879, kAny, kAny,
                 kAny, kAny, kAny},
        // Pounds per cubic foot go through the rounded pounds per cubic inch.
        SolveRow{"FromPoundsPerCubicFoot", In{40, 3, 60, 0, 0, 57, 0}, C::Weight, 2472.891, 0.033,
                 0.914127, 57.0, kAny, kAny},
        // Roll equal to core: the area is 0 and the density and width cases divide by it; then a
        // density that rounds to 0 as pounds per cubic inch.
        SolveRow{"ZeroAreaDensity", In{3, 3, 60, 100, 0, 0, 0}, C::Density, kAny, kInf, kInf, kInf,
                 kInf, kInf},
        SolveRow{"ZeroAreaWebWidth", In{3, 3, 0, 100, 0.92, 0, 0}, C::WebWidth, kInf, kAny, kAny,
                 kAny, kAny, kAny},
        SolveRow{"DensityRoundingToZero", In{0, 3, 60, 100, 0.0001, 0, 0}, C::RollDiameter, kInf,
                 0.0, kAny, kAny, kAny, kAny}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveRollWeight, Refusals) {
    EXPECT_EQ(SolveRollWeight(In{40, 0, 60, 2000, 0.92, 0, 0}).outcome, O::CoreDiameterMissing);
    EXPECT_EQ(SolveRollWeight(In{0, 0, 0, 0, 0, 0, 0}).outcome, O::CoreDiameterMissing);
    EXPECT_EQ(SolveRollWeight(In{40, 3, 0, 0, 0.92, 0, 0}).outcome, O::FieldsMissing);
    EXPECT_EQ(SolveRollWeight(In{0, 3, 0, 0, 0, 0, 0.03}).outcome, O::FieldsMissing);
    // Nothing left to work out, whichever form the density takes; a weight alone still solves.
    EXPECT_EQ(SolveRollWeight(In{40, 3, 60, 2000, 0.92, 0, 0}).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In{40, 3, 60, 2000, 0, 57, 0}).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In{40, 3, 60, 2000, 0, 0, 0.03}).outcome, O::NoUnknown);
    EXPECT_EQ(SolveRollWeight(In{40, 3, 60, 2000, 0, 0, -0.03}).outcome, O::Solved);
    EXPECT_STREQ(RollWeightMessage(O::NoUnknown), "One field must remain zero!");
}

} // namespace
