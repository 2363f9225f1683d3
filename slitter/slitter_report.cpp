#include "slitter/slitter_report.h"

#include <cstddef>
#include <string>

#include "numbers/number_text.h"

namespace {

constexpr std::size_t kRowsPerPage = 40;
constexpr int kFirstRowLine = 20;
constexpr int kWidthColumn = 30;
constexpr int kDistanceColumn = 75;
constexpr const char* kPairFormat = "%s inches / %s mm";

} // namespace

PrintOutcome PrintSlitterReport(const CSlitList& list, const PrintSurfaceSource& printer,
                                const ReportClock& clock) {
    CReportFrame frame(clock);
    const PrintOutcome opened =
        frame.Open(printer, "Velmarch Products Slitter Position Report", kSlitterReportDocument);
    if (opened != PrintOutcome::Printed) {
        return opened;
    }
    frame.PageHeader(
        {{"Position", 5}, {"Slit Width ", kWidthColumn}, {"Distance ", kDistanceColumn}});

    const std::size_t n = list.RowCount();
    // A page break only when another row follows: 40 rows are one page, not one and an empty one.
    long long pageCount = static_cast<long long>(n / kRowsPerPage + (n % kRowsPerPage != 0));
    if (pageCount < 1) {
        pageCount = 1;
    }
    long long page = 1;
    int k = 0;
    const int h = frame.LineHeight();
    const int a = frame.AveCharWidth();
    for (std::size_t i = 0; i < n; ++i) {
        if (i != 0 && i % kRowsPerPage == 0) {
            frame.PageFooter(page, pageCount);
            frame.NextPage();
            ++page;
            k = 0;
        }
        const KnifeRow& row = list.Row(i);
        const std::string width =
            FormatText(kPairFormat, {FormatArg{std::string_view(row.cells[1])},
                                     FormatArg{std::string_view(row.cells[2])}});
        const std::string distance =
            FormatText(kPairFormat, {FormatArg{std::string_view(row.cells[3])},
                                     FormatArg{std::string_view(row.cells[4])}});
        const int y = (kFirstRowLine + k) * h;
        frame.Text(frame.Left(), y, row.cells[0]);
        frame.Text(kWidthColumn * a, y, width);
        frame.Text(kDistanceColumn * a, y, distance);
        ++k;
    }
    frame.PageFooter(page, pageCount);
    return frame.Close();
}
