// The Roll Diameter - Length window's four figures on one printed page.
#pragma once

#include "report/figure_report.h"
#include "report/print_surface.h"
#include "report/report_frame.h"

// The figures as the window's boxes hold them when Print is pressed.
struct RollLengthFigures {
    double lengthFeet = 0, lengthMeters = 0;
    double coreInches = 0, coreMm = 0;
    double rollInches = 0, rollMm = 0;
    double thicknessInches = 0, thicknessMm = 0;
};

// Without a printer it prints nothing and says why.
PrintOutcome PrintRollLengthReport(const RollLengthFigures& figures,
                                   const PrintSurfaceSource& printer,
                                   const ReportClock& clock = LocalTime);
