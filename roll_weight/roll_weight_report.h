// The Roll Weight window's ten figures on one printed page.
#pragma once

#include "report/figure_report.h"

// The figures as the window's boxes hold them when Print is pressed. Each row prints its own
// figure, so pounds and kilograms show what their boxes hold even when they disagree.
struct RollWeightFigures {
    double rollInches = 0, rollMm = 0;
    double coreInches = 0, coreMm = 0;
    double webInches = 0, webMm = 0;
    double pounds = 0, kilograms = 0;
    double specificGravity = 0;
    double lbsPerCubicFoot = 0, lbsPerCubicInch = 0, kgPerCubicMeter = 0, gPerCubicCm = 0;
};

ReportDocument RollWeightReport(const PageMeasures& m, const ReportStamp& stamp,
                                const RollWeightFigures& figures);
