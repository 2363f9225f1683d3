#include "report/roll_length_report.h"

#include "report/figure_report.h"

namespace {

// The labels' dot runs differ from row to row; they are printed as they stand.
constexpr FigureRow kRows[] = {
    {"1.  Roll Diameter..............................................",
     "%4.4f inches / %4.4f millimeters", 1005, 1006},
    {"2.  Core Diameter............................................", "%f inches / %f millimeters",
     1003, 1004},
    {"3.  Roll Length.................................................",
     "%4.4f feet / %4.4f meters", 1001, 1002},
    {"4.  Material Thickness......................................",
     "%4.4f inches / %4.4f millimeters", 1007, 1008},
};

} // namespace

PrintOutcome PrintRollLengthReport(const BoxReader& window, const PrintSurfaceSource& printer,
                                   const ReportClock& clock) {
    return PrintFigureReport(window, printer, clock, kRows);
}
