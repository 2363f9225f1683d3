#include "report/figure_report.h"

#include "numbers/number_text.h"

namespace {

constexpr int kFirstRowLine = 20;
constexpr int kRowPitch = 2;
constexpr int kMeasurementColumn = 60;

} // namespace

int FigureRowY(const PageMeasures& m, int row) {
    return (kFirstRowLine + kRowPitch * (row - 1)) * m.lineHeight;
}

int FigureMeasurementX(const PageMeasures& m) {
    return kMeasurementColumn * m.aveCharWidth;
}

ReportDocument FigureReport(const PageMeasures& m, const ReportStamp& stamp,
                            std::span<const FigureRow> rows) {
    const ReportHeading headings[] = {{"Figure", 5}, {"Measurement", kMeasurementColumn}};
    ReportPage page =
        ReportPageHeader(m, stamp, "Velmarch Products Roll Calculation Report", headings);
    // All the labels first, then all the measurements.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        page.texts.push_back(
            {5 * m.aveCharWidth, FigureRowY(m, static_cast<int>(r) + 1), rows[r].label, false});
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const FigureRow& row = rows[r];
        std::string text =
            row.second ? FormatText(row.format, {FormatArg{row.first}, FormatArg{*row.second}})
                       : FormatNumber(row.format, row.first);
        page.texts.push_back({FigureMeasurementX(m), FigureRowY(m, static_cast<int>(r) + 1),
                              std::move(text), false});
    }
    return {kRollReportDocument, {std::move(page)}};
}
