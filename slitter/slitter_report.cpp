#include "slitter/slitter_report.h"

#include <cstddef>
#include <string>

#include "numbers/number_text.h"

namespace {

constexpr std::size_t kRowsPerPage = 40;
constexpr int kFirstRowLine = 20;
constexpr int kWidthColumn = 30;
constexpr int kDistanceColumn = 75;

std::string Pair(const std::string& inches, const std::string& mm) {
    return FormatText("%s inches / %s mm",
                      {FormatArg{std::string_view(inches)}, FormatArg{std::string_view(mm)}});
}

} // namespace

int KnifeRowY(const PageMeasures& m, int indexOnPage) {
    return (kFirstRowLine + indexOnPage) * m.lineHeight;
}

int KnifeColumnX(const PageMeasures& m, int column) {
    constexpr int kColumns[] = {5, kWidthColumn, kDistanceColumn};
    return kColumns[column] * m.aveCharWidth;
}

ReportDocument SlitterReport(const PageMeasures& m, const ReportStamp& stamp,
                             std::span<const KnifeRow> knives) {
    const ReportHeading headings[] = {
        {"Position", 5}, {"Slit Width ", kWidthColumn}, {"Distance ", kDistanceColumn}};
    const std::size_t n = knives.size();
    // A page break only when another row follows: 40 rows are one page, not one and an empty one.
    const std::size_t pageCount = n == 0 ? 1 : (n + kRowsPerPage - 1) / kRowsPerPage;
    ReportDocument document{kSlitterReportDocument, {}};
    for (std::size_t p = 0; p < pageCount; ++p) {
        ReportPage page =
            ReportPageHeader(m, stamp, "Velmarch Products Slitter Position Report", headings);
        for (std::size_t i = p * kRowsPerPage; i < n && i < (p + 1) * kRowsPerPage; ++i) {
            const KnifeRow& row = knives[i];
            const int y = KnifeRowY(m, static_cast<int>(i % kRowsPerPage));
            page.texts.push_back({KnifeColumnX(m, 0), y, row.cells[0], false});
            page.texts.push_back({KnifeColumnX(m, 1), y, Pair(row.cells[1], row.cells[2]), false});
            page.texts.push_back({KnifeColumnX(m, 2), y, Pair(row.cells[3], row.cells[4]), false});
        }
        AddPageFooter(page, m, static_cast<long long>(p + 1), static_cast<long long>(pageCount));
        document.pages.push_back(std::move(page));
    }
    return document;
}
