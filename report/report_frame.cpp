#include "report/report_frame.h"

#include <utility>

#include "numbers/number_text.h"
#include "numbers/scale_rounded.h"

namespace {

constexpr const char* kMakerName = "Velmarch Products LLC";
constexpr const char* kMakerAddress = "1820 Spindle Mill Road";
constexpr const char* kMakerCity = "Harrow Falls, WI 54999";
constexpr const char* kMakerTelephone = "Telephone (920) 555-0147";
constexpr const char* kJobLine =
    "Job Name / Number: _________________________________________________";

constexpr int kPointsPerInch = 72;
constexpr int kFontPoints = 10;

// Lines of the page, in line heights.
constexpr int kMakerLine = 4;
constexpr int kJobLineRow = 6;
constexpr int kHeadingLine = 18;
constexpr int kRuleLine = 19;
constexpr int kFooterLine = 62;

// Centred by counting characters with the normal font's average width: no text is measured.
int CentredX(const PageMeasures& m, std::string_view text) {
    return m.width / 2 - (static_cast<int>(text.size()) / 2) * m.aveCharWidth;
}

} // namespace

std::tm LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

ReportStamp StampOf(const std::tm& time) {
    const int hour = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    return {
        FormatText("DATE %02d/%02d/%d", {FormatArg{static_cast<long long>(time.tm_mon) + 1},
                                         FormatArg{static_cast<long long>(time.tm_mday)},
                                         FormatArg{static_cast<long long>(time.tm_year) + 1900}}),
        FormatText("TIME %02d:%02d %s",
                   {FormatArg{static_cast<long long>(hour)},
                    FormatArg{static_cast<long long>(time.tm_min)},
                    FormatArg{std::string_view(time.tm_hour < 12 ? "AM" : "PM")}})};
}

int ReportFontPixels(int pixelsPerInchY) {
    return ScaleRounded(kFontPoints, pixelsPerInchY, kPointsPerInch);
}

ReportPage ReportPageHeader(const PageMeasures& m, const ReportStamp& stamp, std::string_view title,
                            std::span<const ReportHeading> headings) {
    const int h = m.lineHeight;
    const int a = m.aveCharWidth;
    const int left = 5 * a;
    const int right = m.width - 5 * a;
    ReportPage page;
    auto text = [&page](int x, int y, std::string_view s, bool bold = false) {
        page.texts.push_back({x, y, std::string(s), bold});
    };
    text(left, 0, stamp.date);
    // Right-aligned by counting characters.
    text(right - static_cast<int>(stamp.time.size()) * a, 0, stamp.time);
    text(10 * a, kMakerLine * h, kMakerName);
    text(10 * a, (kMakerLine + 1) * h, kMakerAddress);
    text(10 * a, (kMakerLine + 2) * h, kMakerCity);
    text(10 * a, (kMakerLine + 3) * h, kMakerTelephone);
    text(60 * a, kJobLineRow * h, kJobLine);
    // Centred with the normal font's average width although the title is bold.
    text(CentredX(m, title), 0, title, true);
    for (const ReportHeading& heading : headings) {
        text(heading.column * a, kHeadingLine * h, heading.text, true);
    }
    // A band three pixels high whatever the resolution.
    for (int i = 0; i < 3; ++i) {
        page.rules.push_back({left, right, kRuleLine * h + i});
    }
    return page;
}

void AddPageFooter(ReportPage& page, const PageMeasures& m, long long number, long long count) {
    std::string footer = FormatText("Page %d of %d", {FormatArg{number}, FormatArg{count}});
    const int x = CentredX(m, footer);
    page.texts.push_back({x, kFooterLine * m.lineHeight, std::move(footer), false});
}
