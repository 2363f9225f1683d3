#include "report/figure_report.h"

#include "numbers/number_text.h"

namespace {

constexpr int kFirstRowLine = 20;
constexpr int kRowPitch = 2;
constexpr int kMeasurementColumn = 60;

} // namespace

ReportDocument FigureReport(const PageMeasures& m, const ReportStamp& stamp,
                            std::span<const FigureRow> rows) {
    const ReportHeading headings[] = {{"Figure", 5}, {"Measurement", kMeasurementColumn}};
    ReportPage page =
        ReportPageHeader(m, stamp, "Velmarch Products Roll Calculation Report", headings);
    // All the labels first, then all the measurements.
    int line = kFirstRowLine;
    for (const FigureRow& row : rows) {
        page.texts.push_back({5 * m.aveCharWidth, line * m.lineHeight, row.label, false});
        line += kRowPitch;
    }
    line = kFirstRowLine;
    for (const FigureRow& row : rows) {
        std::string text =
            row.second ? FormatText(row.format, {FormatArg{row.first}, FormatArg{*row.second}})
                       : FormatNumber(row.format, row.first);
        page.texts.push_back(
            {kMeasurementColumn * m.aveCharWidth, line * m.lineHeight, std::move(text), false});
        line += kRowPitch;
    }
    return {kRollReportDocument, {std::move(page)}};
}
