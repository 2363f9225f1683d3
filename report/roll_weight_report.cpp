#include "report/roll_weight_report.h"

#include "controls/number_text.h"

namespace {

constexpr int kNoBox = 0;

struct Row {
    const char* label;
    const char* format;
    int firstBox;
    int secondBox; // kNoBox when the row prints one number
};

// The labels' dot runs differ from row to row; they are printed as they stand. Each row prints its
// own boxes, so pounds and kilograms show what their boxes hold even when they disagree. The
// specific gravity comes from the unlabelled twin box, which the window keeps equal to the other.
constexpr Row kRows[] = {
    {"1.  Roll Diameter..........................................................",
     "%4.3f inches / %4.3f millimeters", 1013, 1014},
    {"2.  Core Diameter........................................................",
     "%4.3f inches / %4.3f millimeters", 1015, 1016},
    {"3.  Web Width..............................................................",
     "%4.3f inches / %4.3f millimeters", 1017, 1018},
    {"4.  Roll Weight (Lbs)....................................................", "%4.2f pounds",
     1019, kNoBox},
    {"5.  Roll Weight (kg)......................................................",
     "%4.2f kilograms", 1020, kNoBox},
    {"6.  Specific Gravity.......................................................", "%4.4f ", 1022,
     kNoBox},
    {"7.  Lbs / Cubic Feet......................................................", "%4.4f", 1023,
     kNoBox},
    {"8.  Lbs / Cubic Inches...................................................", "%4.4f", 1025,
     kNoBox},
    {"9.  Kilograms / Cubic Meter...........................................", "%4.4f", 1024,
     kNoBox},
    {"10.  Grams / Cubic Centimeter......................................", "%4.4f", 1026, kNoBox},
};

constexpr int kFirstRowLine = 20;
constexpr int kRowPitch = 2;
constexpr int kMeasurementColumn = 60;

} // namespace

void PrintRollWeightReport(const BoxReader& window, const PrintSurfaceSource& printer,
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
            row.secondBox == kNoBox
                ? FormatNumber(row.format, window.GetValue(row.firstBox))
                : FormatText(row.format, {FormatArg{window.GetValue(row.firstBox)},
                                          FormatArg{window.GetValue(row.secondBox)}});
        frame.Text(kMeasurementColumn * frame.AveCharWidth(), line * h, text);
        line += kRowPitch;
    }
    frame.Close();
}
