#include "roll_weight/roll_weight_solver.h"

#include <cmath>

#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

namespace {

// End-face area of the wound material; the products run left to right as they always have.
double RingArea(double roll, double core) {
    return roll * roll * 0.25 * kRollWeightPi - core * core * 0.25 * kRollWeightPi;
}

} // namespace

const char* RollWeightMessage(RollWeightOutcome outcome) {
    switch (outcome) {
    case RollWeightOutcome::CoreDiameterMissing:
        return "Core Diameter is a required field";
    case RollWeightOutcome::FieldsMissing:
        return "All required fields are not entered!";
    case RollWeightOutcome::NoUnknown:
        return "One field must remain zero!";
    case RollWeightOutcome::Solved:
        break;
    }
    return "";
}

RollWeightResult SolveRollWeight(const RollWeightInput& in) {
    RollWeightResult r{};
    if (in.coreDiameter == 0.0) {
        r.outcome = RollWeightOutcome::CoreDiameterMissing;
        return r;
    }

    double D = in.rollDiameter;
    const double d = in.coreDiameter;
    double W = in.webWidth;
    double M = in.rollWeight;
    double S = in.specificGravity;
    double F = in.lbsPerCubicFoot;
    double I = in.lbsPerCubicInch;

    const bool densityGiven = I > 0.0 || F > 0.0 || S > 0.0;
    RollWeightCase solvedCase;
    if (D > 0.0 && W > 0.0 && M > 0.0 && densityGiven) {
        r.outcome = RollWeightOutcome::NoUnknown;
        return r;
    }
    if (D > 0.0 && W > 0.0 && M > 0.0) {
        solvedCase = RollWeightCase::Density;
    } else if (D > 0.0 && W > 0.0 && densityGiven) {
        solvedCase = RollWeightCase::Weight;
    } else if (D > 0.0 && M > 0.0 && densityGiven) {
        solvedCase = RollWeightCase::WebWidth;
    } else if (!(D > 0.0) && W > 0.0 && M > 0.0 && densityGiven) {
        solvedCase = RollWeightCase::RollDiameter;
    } else {
        r.outcome = RollWeightOutcome::FieldsMissing;
        return r;
    }

    // Density completion: whichever form was entered is carried as I, rounded to four decimals.
    if (I == 0.0 && F == 0.0) {
        I = RoundTo(S * kLbIn3PerSpecificGravity, 4);
    }
    if (I != 0.0 && F == 0.0) {
        F = RoundTo(I * kCubicInchesPerCubicFoot, 4);
    }
    if (F != 0.0 && I == 0.0) {
        I = RoundTo(F * kCubicFeetPerCubicInch, 4);
    }
    const bool derived = S == 0.0;
    if (derived) {
        S = RoundTo(I * kSpecificGravityPerLbIn3, 6);
    }

    double faceArea = 0.0;
    double volumeCubicInches = 0.0;
    double volumeCubicFeet = 0.0;
    switch (solvedCase) {
    case RollWeightCase::Weight:
        faceArea = RoundTo(RingArea(D, d), 3);
        volumeCubicInches = RoundTo(W * faceArea, 3);
        volumeCubicFeet = RoundTo(volumeCubicInches * kCubicFeetPerCubicInch, 3);
        if (I > 0.0) {
            M = RoundTo(I * volumeCubicInches, 3);
        } else if (F > 0.0) {
            M = RoundTo(F * volumeCubicFeet, 3);
        } else {
            M = RoundTo(S * kLbIn3PerSpecificGravity * volumeCubicInches, 3);
        }
        r.solvedValue = M;
        break;
    case RollWeightCase::Density:
        faceArea = RoundTo(RingArea(D, d), 4);
        break;
    case RollWeightCase::WebWidth:
        faceArea = RoundTo(RingArea(D, d), 3);
        // Specific gravity is tried first here, unlike the weight case.
        if (S > 0.0) {
            volumeCubicInches = RoundTo(M / (S * kLbIn3PerSpecificGravity), 3);
        } else if (I > 0.0) {
            volumeCubicInches = RoundTo(M / I, 3);
        } else {
            volumeCubicInches = RoundTo(M / (F * kCubicFeetPerCubicInch), 3);
        }
        W = RoundTo(volumeCubicInches / faceArea, 2);
        r.solvedValue = W;
        break;
    case RollWeightCase::RollDiameter:
        volumeCubicInches = RoundTo(M / I, 2);
        faceArea = RoundTo(volumeCubicInches / W, 3);
        D = RoundTo(2 * std::sqrt((d * d * 0.25 * kRollWeightPi + faceArea) * kRollWeightInversePi),
                    3);
        r.solvedValue = D;
        break;
    }

    if (faceArea == 0.0) {
        faceArea = RoundTo(RingArea(D, d), 4);
    }
    if (volumeCubicInches == 0.0) {
        volumeCubicInches = RoundTo(W * faceArea, 4);
    }
    if (I == 0.0) {
        I = RoundTo(M / volumeCubicInches, 6);
    }
    const double derivedS = RoundTo(I * kSpecificGravityPerLbIn3, 6);
    if (derived) {
        S = derivedS;
    }
    if (volumeCubicFeet == 0.0) {
        volumeCubicFeet = RoundTo(volumeCubicInches * kCubicFeetPerCubicInch, 4);
    }
    if (F == 0.0) {
        F = RoundTo(M / volumeCubicFeet, 4);
    }

    r.outcome = RollWeightOutcome::Solved;
    r.solvedCase = solvedCase;
    r.lbsPerCubicInch = I;
    r.lbsPerCubicFoot = F;
    r.kgPerCubicMeter = RoundTo(F * kKgM3PerLbFt3, 4);
    r.gPerCubicCm = RoundTo(I * kGCm3PerLbIn3, 4);
    r.specificGravity = S;
    r.specificGravityDerived = derived;
    return r;
}
