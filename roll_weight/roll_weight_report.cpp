#include "roll_weight/roll_weight_report.h"

#include "report/figure_report.h"

ReportDocument RollWeightReport(const PageMeasures& m, const ReportStamp& stamp,
                                const RollWeightFigures& f) {
    // The labels' dot runs differ from row to row; they are printed as they stand.
    const FigureRow rows[] = {
        {"1.  Roll Diameter..........................................................",
         "%4.3f inches / %4.3f millimeters", f.rollInches, f.rollMm},
        {"2.  Core Diameter........................................................",
         "%4.3f inches / %4.3f millimeters", f.coreInches, f.coreMm},
        {"3.  Web Width..............................................................",
         "%4.3f inches / %4.3f millimeters", f.webInches, f.webMm},
        {"4.  Roll Weight (Lbs)....................................................",
         "%4.2f pounds", f.pounds},
        {"5.  Roll Weight (kg)......................................................",
         "%4.2f kilograms", f.kilograms},
        {"6.  Specific Gravity.......................................................", "%4.4f ",
         f.specificGravity},
        {"7.  Lbs / Cubic Feet......................................................", "%4.4f",
         f.lbsPerCubicFoot},
        {"8.  Lbs / Cubic Inches...................................................", "%4.4f",
         f.lbsPerCubicInch},
        {"9.  Kilograms / Cubic Meter...........................................", "%4.4f",
         f.kgPerCubicMeter},
        {"10.  Grams / Cubic Centimeter......................................", "%4.4f",
         f.gPerCubicCm},
    };
    return FigureReport(m, stamp, rows);
}
