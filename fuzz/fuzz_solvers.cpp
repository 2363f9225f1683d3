// Both solvers over arbitrary doubles: the outcome follows its stated conditions on the inputs.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"
#include "roll_length/roll_length_solver.h"
#include "roll_weight/roll_weight_solver.h"

namespace {

bool Zero(double v) {
    return v == 0.0;
}

bool Given(double v) {
    return v > 0.0;
}

// Zero, or of a size whose squares and products stay far from overflow and underflow.
bool Moderate(std::initializer_list<double> values) {
    for (double v : values) {
        if (v != 0.0 && !(std::fabs(v) >= 1e-100 && std::fabs(v) <= 1e100)) {
            return false;
        }
    }
    return true;
}

bool Within(double v, double lo, double hi) {
    return v == 0.0 || (v >= lo && v <= hi);
}

// Rolls a plant winds: every figure the solver rounds to three or four decimals is then far from
// rounding to nothing, so no division by a rounded zero can occur.
bool PlantRoll(const RollWeightInput& in) {
    return Within(in.rollDiameter, in.coreDiameter + 0.5, 1000) &&
           Within(in.coreDiameter, 0.1, 100) && Within(in.webWidth, 1, 1000) &&
           Within(in.rollWeight, 1, 1e6) && Within(in.specificGravity, 0.01, 30) &&
           Within(in.lbsPerCubicFoot, 0.5, 2000) && Within(in.lbsPerCubicInch, 3e-4, 1.2);
}

std::string Inputs(std::initializer_list<double> values) {
    std::string out;
    for (double v : values) {
        out += (out.empty() ? "" : ", ") + Describe(v);
    }
    return out;
}

void CheckRollLength(double length, double core, double roll, double thickness) {
    const RollLengthResult r = SolveRollLength(length, core, roll, thickness);
    auto where = [&] { return Inputs({length, core, roll, thickness}); };

    RollLengthOutcome expected = RollLengthOutcome::NotSolvable;
    if (Zero(length) && Given(thickness) && Given(core) && Given(roll)) {
        expected = RollLengthOutcome::LengthSolved;
    } else if (Zero(thickness) && Given(length) && Given(core) && Given(roll)) {
        expected = RollLengthOutcome::ThicknessSolved;
    } else if (Zero(roll) && Given(length) && Given(thickness) && Given(core)) {
        expected = RollLengthOutcome::DiameterSolved;
    } else if (Given(roll) && Given(length) && Given(thickness) && Given(core)) {
        expected = RollLengthOutcome::NoUnknown;
    }
    Check(r.outcome == expected, "roll length: wrong outcome", where);

    const char* message = RollLengthMessage(r.outcome);
    switch (r.outcome) {
    case RollLengthOutcome::NoUnknown:
        Check(message != nullptr && std::strcmp(message, "One field must remain zero!") == 0,
              "roll length: wrong message for no unknown", where);
        Check(SameDouble(r.value, 0.0), "roll length: a refusal carries a value", where);
        return;
    case RollLengthOutcome::NotSolvable:
        Check(message != nullptr && std::strcmp(message, "Only one field can be zero!") == 0,
              "roll length: wrong message for not solvable", where);
        Check(SameDouble(r.value, 0.0), "roll length: a refusal carries a value", where);
        return;
    default:
        Check(message == nullptr, "roll length: a solved outcome has a message", where);
        break;
    }

    // Within the range where no area or product overflows, every answer is a number, and an
    // answer fed back as an input solves for the input it came from. Only an inverted roll
    // (diameter under the core) has no way back.
    if (!Moderate({length, core, roll, thickness})) {
        return;
    }
    Check(std::isfinite(r.value), "roll length: a result is not finite", where);
    if (!(r.value > 0.0)) {
        return;
    }
    double back = 0.0;
    double original = 0.0;
    double slack = 1e-12;
    if (r.outcome == RollLengthOutcome::LengthSolved) {
        back = SolveRollLength(r.value, core, roll, 0.0).value;
        original = thickness;
    } else if (r.outcome == RollLengthOutcome::ThicknessSolved) {
        back = SolveRollLength(0.0, core, roll, r.value).value;
        original = length;
    } else {
        back = SolveRollLength(0.0, core, r.value, thickness).value;
        original = length;
        // Squaring the root back loses what the core's area outweighs of the wound area.
        slack *= 1.0 + (core * core) / (length * 12.0 * thickness);
    }
    Check(std::fabs(back - original) <= slack * original,
          "roll length: the answer does not solve back",
          [&] { return where() + " -> " + Describe(r.value) + " -> " + Describe(back); });
}

// A value the solver rounded to n decimals is the nearest double to some text with n decimals, so
// rounding it exactly to n decimals (the C library's printf) and reading that gives it again.
// (Rounding it once more through RoundTo need not: the rule's 17-digit step can move a 16-digit
// text by one unit.)
bool RoundedTo(double v, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return SameDouble(std::strtod(text, nullptr), v);
}

void CheckRollWeight(const RollWeightInput& in) {
    const RollWeightResult r = SolveRollWeight(in);
    auto where = [&] {
        return "D, d, W, M, S, F, I = " +
               Inputs({in.rollDiameter, in.coreDiameter, in.webWidth, in.rollWeight,
                       in.specificGravity, in.lbsPerCubicFoot, in.lbsPerCubicInch});
    };

    auto nothingReported = [&] {
        return r.solvedValue == 0.0 && r.lbsPerCubicInch == 0.0 && r.lbsPerCubicFoot == 0.0 &&
               r.kgPerCubicMeter == 0.0 && r.gPerCubicCm == 0.0 && r.specificGravity == 0.0 &&
               !r.specificGravityDerived;
    };

    Check((r.outcome == RollWeightOutcome::CoreDiameterMissing) == Zero(in.coreDiameter),
          "roll weight: core diameter missing exactly when it is 0", where);
    if (Zero(in.coreDiameter)) {
        Check(nothingReported(), "roll weight: a refusal reports values", where);
        return;
    }

    const double D = in.rollDiameter;
    const bool density =
        Given(in.lbsPerCubicInch) || Given(in.lbsPerCubicFoot) || Given(in.specificGravity);
    if (Given(D) && Given(in.webWidth) && Given(in.rollWeight) && density) {
        Check(r.outcome == RollWeightOutcome::NoUnknown,
              "roll weight: all four given should be refused", where);
        Check(nothingReported(), "roll weight: a refusal reports values", where);
        return;
    }
    bool solved = true;
    RollWeightCase expected = RollWeightCase::Density;
    if (Given(D) && Given(in.webWidth) && Given(in.rollWeight)) {
        expected = RollWeightCase::Density;
    } else if (Given(D) && Given(in.webWidth) && density) {
        expected = RollWeightCase::Weight;
    } else if (Given(D) && Given(in.rollWeight) && density) {
        expected = RollWeightCase::WebWidth;
    } else if (!Given(D) && Given(in.webWidth) && Given(in.rollWeight) && density) {
        expected = RollWeightCase::RollDiameter;
    } else {
        solved = false;
    }
    if (!solved) {
        Check(r.outcome == RollWeightOutcome::FieldsMissing, "roll weight: should be refused",
              where);
        Check(nothingReported(), "roll weight: a refusal reports values", where);
        return;
    }
    Check(r.outcome == RollWeightOutcome::Solved, "roll weight: should be solved", where);
    Check(r.solvedCase == expected, "roll weight: wrong case", where);

    Check(r.specificGravityDerived == Zero(in.specificGravity),
          "roll weight: specific gravity derived exactly when not entered", where);
    auto got = [&] {
        return where() + " -> I " + Describe(r.lbsPerCubicInch) + ", F " +
               Describe(r.lbsPerCubicFoot) + ", S " + Describe(r.specificGravity) + ", value " +
               Describe(r.solvedValue);
    };
    // Entered densities stand as entered; derived ones are rounded where they were made.
    if (Zero(in.specificGravity)) {
        Check(
            SameDouble(r.specificGravity, RoundTo(r.lbsPerCubicInch * kSpecificGravityPerLbIn3, 6)),
            "roll weight: derived specific gravity", got);
    } else {
        Check(SameDouble(r.specificGravity, in.specificGravity),
              "roll weight: entered specific gravity changed", got);
    }
    if (Zero(in.lbsPerCubicInch)) {
        Check(RoundedTo(r.lbsPerCubicInch, 6), "roll weight: derived lb/in3 not rounded", got);
    } else {
        Check(SameDouble(r.lbsPerCubicInch, in.lbsPerCubicInch),
              "roll weight: entered lb/in3 changed", got);
    }
    if (Zero(in.lbsPerCubicFoot)) {
        Check(RoundedTo(r.lbsPerCubicFoot, 4), "roll weight: derived lb/ft3 not rounded", got);
    } else {
        Check(SameDouble(r.lbsPerCubicFoot, in.lbsPerCubicFoot),
              "roll weight: entered lb/ft3 changed", got);
    }
    Check(SameDouble(r.kgPerCubicMeter, RoundTo(r.lbsPerCubicFoot * kKgM3PerLbFt3, 4)),
          "roll weight: kg/m3 is not the shown lb/ft3 converted", got);
    Check(SameDouble(r.gPerCubicCm, RoundTo(r.lbsPerCubicInch * kGCm3PerLbIn3, 4)),
          "roll weight: g/cm3 is not the shown lb/in3 converted", got);

    switch (r.solvedCase) {
    case RollWeightCase::Density:
        Check(SameDouble(r.solvedValue, 0.0), "roll weight: density case reports a value", got);
        break;
    case RollWeightCase::Weight:
    case RollWeightCase::RollDiameter:
        Check(RoundedTo(r.solvedValue, 3), "roll weight: value not at three decimals", got);
        break;
    case RollWeightCase::WebWidth:
        Check(RoundedTo(r.solvedValue, 2), "roll weight: width not at two decimals", got);
        break;
    }

    if (!PlantRoll(in)) {
        return;
    }
    for (double v : {r.solvedValue, r.lbsPerCubicInch, r.lbsPerCubicFoot, r.kgPerCubicMeter,
                     r.gPerCubicCm, r.specificGravity}) {
        Check(std::isfinite(v), "roll weight: a result is not finite", got);
    }
    // Only one entered density makes a family; two may contradict each other.
    const int densities =
        Given(in.specificGravity) + Given(in.lbsPerCubicFoot) + Given(in.lbsPerCubicInch);
    // A weight too light to show at three decimals is 0 in its box: not entered, nothing to solve.
    if (r.solvedCase != RollWeightCase::Weight || densities != 1 || !(r.solvedValue > 0.0)) {
        return;
    }
    // The solved weight, entered with the roll instead of a density, gives the density back: off
    // only by the weight's three decimals, the volume's three (against four here) and a density
    // carried at four.
    RollWeightInput trip{in.rollDiameter, in.coreDiameter, in.webWidth, r.solvedValue, 0, 0, 0};
    const RollWeightResult b = SolveRollWeight(trip);
    Check(b.outcome == RollWeightOutcome::Solved && b.solvedCase == RollWeightCase::Density,
          "roll weight: the solved weight does not solve back", got);
    const double area =
        RoundTo(0.25 * kRollWeightPi *
                    (in.rollDiameter * in.rollDiameter - in.coreDiameter * in.coreDiameter),
                4);
    const double volume = in.webWidth * area;
    const double rel = (in.webWidth * 0.00055 + 0.00055) / volume + 0.0005 / r.solvedValue +
                       0.00005 / r.lbsPerCubicInch;
    auto near = [&](double back, double was, double extra) {
        return std::fabs(back - was) <= 2 * was * rel + extra;
    };
    auto trip_got = [&] {
        return got() + " -> back I " + Describe(b.lbsPerCubicInch) + ", F " +
               Describe(b.lbsPerCubicFoot) + ", S " + Describe(b.specificGravity);
    };
    Check(near(b.lbsPerCubicInch, r.lbsPerCubicInch, 1e-6), "roll weight: lb/in3 not given back",
          trip_got);
    Check(near(b.lbsPerCubicFoot, r.lbsPerCubicFoot,
               2 * r.lbsPerCubicFoot * 0.0001 * kCubicInchesPerCubicFoot / volume + 1e-4),
          "roll weight: lb/ft3 not given back", trip_got);
    Check(near(b.specificGravity, r.specificGravity, 0.0015),
          "roll weight: specific gravity not given back", trip_got);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    do {
        const double length = in.TakeDouble();
        const double core = in.TakeDouble();
        const double roll = in.TakeDouble();
        const double thickness = in.TakeDouble();
        CheckRollLength(length, core, roll, thickness);

        RollWeightInput w{};
        w.rollDiameter = in.TakeDouble();
        w.coreDiameter = in.TakeDouble();
        w.webWidth = in.TakeDouble();
        w.rollWeight = in.TakeDouble();
        w.specificGravity = in.TakeDouble();
        w.lbsPerCubicFoot = in.TakeDouble();
        w.lbsPerCubicInch = in.TakeDouble();
        CheckRollWeight(w);
    } while (!in.Empty());
    return 0;
}
