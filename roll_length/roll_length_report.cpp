#include "roll_length/roll_length_report.h"

#include "report/figure_report.h"

ReportDocument RollLengthReport(const PageMeasures& m, const ReportStamp& stamp,
                                const RollLengthFigures& f) {
    // The labels' dot runs differ from row to row; they are printed as they stand.
    const FigureRow rows[] = {
        {"1.  Roll Diameter..............................................",
         "%4.4f inches / %4.4f millimeters", f.rollInches, f.rollMm},
        {"2.  Core Diameter............................................",
         "%f inches / %f millimeters", f.coreInches, f.coreMm},
        {"3.  Roll Length.................................................",
         "%4.4f feet / %4.4f meters", f.lengthFeet, f.lengthMeters},
        {"4.  Material Thickness......................................",
         "%4.4f inches / %4.4f millimeters", f.thicknessInches, f.thicknessMm},
    };
    return FigureReport(m, stamp, rows);
}
