#include "report/figure_report.h"

#include "numbers/number_text.h"

namespace {

constexpr int kFirstRowLine = 20;
constexpr int kRowPitch = 2;
constexpr int kMeasurementColumn = 60;

} // namespace

PrintOutcome PrintFigureReport(std::span<const FigureRow> rows, const PrintSurfaceSource& printer,
                               const ReportClock& clock) {
    CReportFrame frame(clock);
    const PrintOutcome opened =
        frame.Open(printer, "Velmarch Products Roll Calculation Report", kRollReportDocument);
    if (opened != PrintOutcome::Printed) {
        return opened;
    }
    frame.PageHeader({{"Figure", 5}, {"Measurement", kMeasurementColumn}});
    const int h = frame.LineHeight();
    int line = kFirstRowLine;
    for (const FigureRow& row : rows) {
        frame.Text(frame.Left(), line * h, row.label);
        line += kRowPitch;
    }
    line = kFirstRowLine;
    for (const FigureRow& row : rows) {
        const std::string text =
            row.second ? FormatText(row.format, {FormatArg{row.first}, FormatArg{*row.second}})
                       : FormatNumber(row.format, row.first);
        frame.Text(kMeasurementColumn * frame.AveCharWidth(), line * h, text);
        line += kRowPitch;
    }
    return frame.Close();
}
