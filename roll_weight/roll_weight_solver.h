// Roll weight and density solver: from the core diameter and three of roll diameter, web width,
// roll weight and density, works out the missing one and completes the density family.
// Pure; every intermediate value is rounded to fixed decimals exactly where the rule says.
#pragma once

struct RollWeightInput {
    double rollDiameter;    // D, inches
    double coreDiameter;    // d, inches
    double webWidth;        // W, inches
    double rollWeight;      // M, pounds
    double specificGravity; // S
    double lbsPerCubicFoot; // F
    double lbsPerCubicInch; // I
};

// NoUnknown: roll diameter, web width, weight and a density all given. Nothing is left to work
// out, and the entered weight would otherwise stand beside densities that contradict it.
enum class RollWeightOutcome { Solved, CoreDiameterMissing, FieldsMissing, NoUnknown };
enum class RollWeightCase { Density, Weight, WebWidth, RollDiameter };

struct RollWeightResult {
    RollWeightOutcome outcome;
    RollWeightCase solvedCase;
    double solvedValue; // M, W or D for their cases; 0 for Density and the refusals
    double lbsPerCubicInch, lbsPerCubicFoot, kgPerCubicMeter, gPerCubicCm, specificGravity;
    bool specificGravityDerived;
};

// The message a refusal shows; empty for Solved.
const char* RollWeightMessage(RollWeightOutcome outcome);

// Pi as this solver has always taken it (two decimals), with its own reciprocal.
inline constexpr double kRollWeightPi = 3.14;
inline constexpr double kRollWeightInversePi = 0.3184713375796178; // nearest double to 1/3.14

RollWeightResult SolveRollWeight(const RollWeightInput& input);
