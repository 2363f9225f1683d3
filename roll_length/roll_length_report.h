// The Roll Diameter - Length window's four figures on one printed page.
#pragma once

#include "report/figure_report.h"

// The figures as the window's boxes hold them when Print is pressed.
struct RollLengthFigures {
    double lengthFeet = 0, lengthMeters = 0;
    double coreInches = 0, coreMm = 0;
    double rollInches = 0, rollMm = 0;
    double thicknessInches = 0, thicknessMm = 0;
};

ReportDocument RollLengthReport(const PageMeasures& m, const ReportStamp& stamp,
                                const RollLengthFigures& figures);
