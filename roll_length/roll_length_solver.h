// Roll diameter - length solver: from the core diameter and two of roll length, roll diameter
// and material thickness, works out the third. Pure; knows nothing of windows.
#pragma once

enum class RollLengthOutcome {
    LengthSolved,
    ThicknessSolved,
    DiameterSolved,
    NoUnknown,
    NotSolvable
};

struct RollLengthResult {
    RollLengthOutcome outcome;
    double value; // feet for LengthSolved, inches otherwise; 0 for the two refusals
};

// Pi as this solver has always taken it: rounded to nine decimals, with its own reciprocal.
inline constexpr double kRollLengthPi = 3.141592654;
inline constexpr double kRollLengthInversePi =
    0.31830988614222805; // nearest double to 1/3.141592654

// Inputs in feet and inches. A value is zero when it equals 0.0 (so -0.0 is zero) and positive
// when it is greater than 0.0; any negative input refuses.
RollLengthResult SolveRollLength(double lengthFeet, double coreInches, double rollInches,
                                 double thicknessInches);

// The refusal text of an outcome, or nullptr for the solved ones.
const char* RollLengthMessage(RollLengthOutcome outcome);
