#include "report/roll_weight_report.h"

#include "report/figure_report.h"

namespace {

// The labels' dot runs differ from row to row; they are printed as they stand. Each row prints its
// own boxes, so pounds and kilograms show what their boxes hold even when they disagree. The
// specific gravity comes from the unlabelled twin box, which the window keeps equal to the other.
constexpr FigureRow kRows[] = {
    {"1.  Roll Diameter..........................................................",
     "%4.3f inches / %4.3f millimeters", 1013, 1014},
    {"2.  Core Diameter........................................................",
     "%4.3f inches / %4.3f millimeters", 1015, 1016},
    {"3.  Web Width..............................................................",
     "%4.3f inches / %4.3f millimeters", 1017, 1018},
    {"4.  Roll Weight (Lbs)....................................................", "%4.2f pounds",
     1019, kNoSecondBox},
    {"5.  Roll Weight (kg)......................................................",
     "%4.2f kilograms", 1020, kNoSecondBox},
    {"6.  Specific Gravity.......................................................", "%4.4f ", 1022,
     kNoSecondBox},
    {"7.  Lbs / Cubic Feet......................................................", "%4.4f", 1023,
     kNoSecondBox},
    {"8.  Lbs / Cubic Inches...................................................", "%4.4f", 1025,
     kNoSecondBox},
    {"9.  Kilograms / Cubic Meter...........................................", "%4.4f", 1024,
     kNoSecondBox},
    {"10.  Grams / Cubic Centimeter......................................", "%4.4f", 1026,
     kNoSecondBox},
};

} // namespace

PrintOutcome PrintRollWeightReport(const BoxReader& window, const PrintSurfaceSource& printer,
                                   const ReportClock& clock) {
    return PrintFigureReport(window, printer, clock, kRows);
}
