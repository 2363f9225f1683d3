// Both solvers over arbitrary doubles: the outcome follows its stated conditions on the inputs.
#include <array>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"
#include "roll_length/roll_length_solver.h"
#include "roll_weight/roll_weight_solver.h"

namespace {

constexpr auto Zero = [](double v) { return v == 0.0; };
constexpr auto Given = [](double v) { return v > 0.0; };

constexpr auto Within = [](double v, double lo, double hi) {
    return Zero(v) || (v >= lo && v <= hi);
};

// Rolls a plant winds, whose figures rounded to three or four decimals never round to nothing.
bool PlantRoll(const RollWeightInput& in) {
    return Within(in.rollDiameter, in.coreDiameter + 0.5, 1000) &&
           Within(in.coreDiameter, 0.1, 100) && Within(in.webWidth, 1, 1000) &&
           Within(in.rollWeight, 1, 1e6) && Within(in.specificGravity, 0.01, 30) &&
           Within(in.lbsPerCubicFoot, 0.5, 2000) && Within(in.lbsPerCubicInch, 3e-4, 1.2);
}

void CheckRollLength(const std::array<double, 4>& in) {
    using enum RollLengthOutcome;
    const double length = in[0], core = in[1], roll = in[2], thickness = in[3];
    const RollLengthResult r = SolveRollLength(length, core, roll, thickness);
    auto where = [&] { return Show(length, core, roll, thickness) + " -> " + Show(r.value); };

    const int given = Given(length) + Given(roll) + Given(thickness);
    const bool one = Given(core) && given == 2;
    const RollLengthOutcome expected = Given(core) && given == 3 ? NoUnknown
                                       : one && Zero(length)     ? LengthSolved
                                       : one && Zero(thickness)  ? ThicknessSolved
                                       : one && Zero(roll)       ? DiameterSolved
                                                                 : NotSolvable;
    const char* refusal = expected == NoUnknown     ? "One field must remain zero!"
                          : expected == NotSolvable ? "Only one field can be zero!"
                                                    : nullptr;
    const char* message = RollLengthMessage(r.outcome);
    Check(r.outcome == expected, "roll length: wrong outcome", where);
    Check(refusal ? message && std::string_view(message) == refusal : !message,
          "roll length: wrong message", where);
    if (refusal) {
        Check(SameDouble(r.value, 0.0), "roll length: a refusal carries a value", where);
        return;
    }

    // Unless an area or product overflows, an answer is a number, and fed back in place of its
    // unknown it solves for the input it came from; an inverted roll has no way back.
    const bool moderate =
        std::ranges::all_of(in, [](double v) { return Within(std::fabs(v), 1e-100, 1e100); });
    Check(!moderate || std::isfinite(r.value), "roll length: a result is not finite", where);
    if (!moderate || !(r.value > 0.0)) {
        return;
    }
    const int solved = expected == LengthSolved ? 0 : expected == ThicknessSolved ? 3 : 2;
    const int original = solved == 0 ? 3 : 0;
    std::array<double, 4> trip = in;
    trip[solved] = r.value;
    trip[original] = 0.0;
    const double back = SolveRollLength(trip[0], trip[1], trip[2], trip[3]).value;
    // Squaring the root back loses what the core's area outweighs of the wound area.
    const double wound = length * 12.0 * thickness;
    const double slack = 1e-12 * (expected == DiameterSolved ? 1.0 + core * core / wound : 1.0);
    Check(std::fabs(back - in[original]) <= slack * in[original],
          "roll length: the answer does not solve back",
          [&] { return where() + " -> " + Show(back); });
}

void CheckRollWeight(const RollWeightInput& in) {
    using enum RollWeightOutcome;
    using enum RollWeightCase;
    const RollWeightResult r = SolveRollWeight(in);
    const std::array results = {r.solvedValue,     r.lbsPerCubicInch, r.lbsPerCubicFoot,
                                r.kgPerCubicMeter, r.gPerCubicCm,     r.specificGravity};
    const double D = in.rollDiameter, d = in.coreDiameter;
    auto got = [&] {
        return Show(D, d, in.webWidth, in.rollWeight, in.specificGravity, in.lbsPerCubicFoot,
                    in.lbsPerCubicInch, "->", r.solvedValue, r.lbsPerCubicInch, r.lbsPerCubicFoot,
                    r.specificGravity);
    };
    const bool hasD = Given(D), hasW = Given(in.webWidth), hasM = Given(in.rollWeight);
    const int densities =
        Given(in.specificGravity) + Given(in.lbsPerCubicFoot) + Given(in.lbsPerCubicInch);
    // Any three of the four quantities solve the fourth.
    const int given = hasD + hasW + hasM + (densities > 0);
    const RollWeightOutcome outcome = Zero(d)      ? CoreDiameterMissing
                                      : given == 4 ? NoUnknown
                                      : given == 3 ? Solved
                                                   : FieldsMissing;
    const RollWeightCase expected = densities == 0 ? Density
                                    : !hasM        ? Weight
                                    : !hasW        ? WebWidth
                                                   : RollDiameter;
    Check(r.outcome == outcome, "roll weight: wrong outcome", got);
    if (outcome != Solved) {
        Check(std::ranges::all_of(results, Zero) && !r.specificGravityDerived,
              "roll weight: a refusal reports values", got);
        return;
    }
    Check(r.solvedCase == expected, "roll weight: wrong case", got);

    // Entered densities stand as entered; derived ones are rounded where they were made.
    auto stands = [&](double entered, double result, int decimals) {
        return Zero(entered) ? RoundedTo(result, decimals) : SameDouble(result, entered);
    };
    Check(stands(in.specificGravity, r.specificGravity, 6) &&
              stands(in.lbsPerCubicInch, r.lbsPerCubicInch, 6) &&
              stands(in.lbsPerCubicFoot, r.lbsPerCubicFoot, 4),
          "roll weight: an entered density changed or a derived one is not rounded", got);
    const double derivedSG = RoundTo(r.lbsPerCubicInch * kSpecificGravityPerLbIn3, 6);
    Check(r.specificGravityDerived == Zero(in.specificGravity) &&
              (!r.specificGravityDerived || SameDouble(r.specificGravity, derivedSG)),
          "roll weight: specific gravity derived when not entered, from lb/in3", got);
    Check(SameDouble(r.kgPerCubicMeter, RoundTo(r.lbsPerCubicFoot * kKgM3PerLbFt3, 4)),
          "roll weight: kg/m3 is not the shown lb/ft3 converted", got);
    Check(SameDouble(r.gPerCubicCm, RoundTo(r.lbsPerCubicInch * kGCm3PerLbIn3, 4)),
          "roll weight: g/cm3 is not the shown lb/in3 converted", got);
    Check(expected == Density ? SameDouble(r.solvedValue, 0.0)
                              : RoundedTo(r.solvedValue, expected == WebWidth ? 2 : 3),
          "roll weight: the value is not 0 for a density, else at its case's decimals", got);

    const bool plant = PlantRoll(in);
    Check(!plant || std::ranges::all_of(results, [](double v) { return std::isfinite(v); }),
          "roll weight: a result is not finite", got);
    // Two entered densities may contradict each other; a weight that shows as 0 is not entered.
    if (!plant || expected != Weight || densities != 1 || !(r.solvedValue > 0.0)) {
        return;
    }
    // The solved weight, entered instead of the density, gives it back, off by the weight's three
    // decimals, the volume's three (four here) and a density carried at four.
    const RollWeightResult b = SolveRollWeight({D, d, in.webWidth, r.solvedValue, 0, 0, 0});
    Check(b.outcome == Solved && b.solvedCase == Density,
          "roll weight: the solved weight does not solve back", got);
    const double volume = in.webWidth * RoundTo(0.25 * kRollWeightPi * (D * D - d * d), 4);
    const double rel = (in.webWidth * 0.00055 + 0.00055) / volume + 0.0005 / r.solvedValue +
                       0.00005 / r.lbsPerCubicInch;
    auto near = [&](double back, double was, double extra) {
        return std::fabs(back - was) <= 2 * was * rel + extra;
    };
    const double slackF = 2 * r.lbsPerCubicFoot * 0.0001 * kCubicInchesPerCubicFoot / volume;
    Check(near(b.lbsPerCubicInch, r.lbsPerCubicInch, 1e-6) &&
              near(b.lbsPerCubicFoot, r.lbsPerCubicFoot, slackF + 1e-4) &&
              near(b.specificGravity, r.specificGravity, 0.0015),
          "roll weight: the density family is not given back", got,
          [&] { return " -> " + Show(b.lbsPerCubicInch, b.lbsPerCubicFoot, b.specificGravity); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzInput::Cases(data, size, [](FuzzInput& in) {
        CheckRollLength({in.TakeDouble(), in.TakeDouble(), in.TakeDouble(), in.TakeDouble()});
        CheckRollWeight({in.TakeDouble(), in.TakeDouble(), in.TakeDouble(), in.TakeDouble(),
                         in.TakeDouble(), in.TakeDouble(), in.TakeDouble()});
    });
}
