#include "roll_length/roll_length_solver.h"

#include <cmath>

#include "numbers/unit_factors.h"

RollLengthResult SolveRollLength(double lengthFeet, double coreInches, double rollInches,
                                 double thicknessInches) {
    const double rollArea = ((rollInches * 0.5) * (rollInches * 0.5)) * kRollLengthPi;
    const double coreArea = ((coreInches * 0.5) * (coreInches * 0.5)) * kRollLengthPi;
    const double lengthInches = lengthFeet * kInchesPerFoot;

    const bool lengthZero = lengthFeet == 0.0;
    const bool thicknessZero = thicknessInches == 0.0;
    const bool rollZero = rollInches == 0.0;
    const bool lengthPositive = lengthFeet > 0.0;
    const bool corePositive = coreInches > 0.0;
    const bool rollPositive = rollInches > 0.0;
    const bool thicknessPositive = thicknessInches > 0.0;

    if (lengthZero && thicknessPositive && corePositive && rollPositive) {
        return {RollLengthOutcome::LengthSolved,
                ((rollArea - coreArea) / thicknessInches) * kFeetPerInch};
    }
    if (thicknessZero && lengthPositive && corePositive && rollPositive) {
        return {RollLengthOutcome::ThicknessSolved, (rollArea - coreArea) / lengthInches};
    }
    if (rollZero && lengthPositive && thicknessPositive && corePositive) {
        return {RollLengthOutcome::DiameterSolved,
                std::sqrt((((lengthInches * thicknessInches) + coreArea) * 4.0) *
                          kRollLengthInversePi)};
    }
    if (rollPositive && lengthPositive && thicknessPositive && corePositive) {
        return {RollLengthOutcome::NoUnknown, 0.0};
    }
    return {RollLengthOutcome::NotSolvable, 0.0};
}

const char* RollLengthMessage(RollLengthOutcome outcome) {
    switch (outcome) {
    case RollLengthOutcome::NoUnknown:
        return "One field must remain zero!";
    case RollLengthOutcome::NotSolvable:
        return "Only one field can be zero!";
    default:
        return nullptr;
    }
}
