#include "report/roll_length_report.h"

#include "controls/number_text.h"

namespace {

struct Row {
    const char* label;
    const char* format;
    int inchBox;
    int metricBox;
};

// The labels' dot runs differ from row to row; they are printed as they stand.
constexpr Row kRows[] = {
    {"1.  Roll Diameter..............................................",
     "%4.4f inches / %4.4f millimeters", 1005, 1006},
    {"2.  Core Diameter............................................", "%f inches / %f millimeters",
     1003, 1004},
    {"3.  Roll Length.................................................",
     "%4.4f feet / %4.4f meters", 1001, 1002},
    {"4.  Material Thickness......................................",
     "%4.4f inches / %4.4f millimeters", 1007, 1008},
};

constexpr int kFirstRowLine = 20;
constexpr int kRowPitch = 2;
constexpr int kMeasurementColumn = 60;

} // namespace

void PrintRollLengthReport(const BoxReader& window, const PrintSurfaceSource& printer,
                           const ReportClock& clock) {
    CReportFrame frame(clock);
    if (!frame.Open(printer, "Velmarch Products Roll Calculation Report", "Roll Calculations")) {
        return;
    }
    frame.PageHeader({{"Figure", 5}, {"Measurement", kMeasurementColumn}});
    const int h = frame.LineHeight();
    int line = kFirstRowLine;
    for (const Row& row : kRows) {
        frame.Text(frame.Left(), line * h, row.label);
        line += kRowPitch;
    }
    line = kFirstRowLine;
    for (const Row& row : kRows) {
        const std::string text =
            FormatText(row.format, {FormatArg{window.GetValue(row.inchBox)},
                                    FormatArg{window.GetValue(row.metricBox)}});
        frame.Text(kMeasurementColumn * frame.AveCharWidth(), line * h, text);
        line += kRowPitch;
    }
    frame.Close();
}
