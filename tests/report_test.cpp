#include <ctime>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "report/report_frame.h"
#include "roll_length/roll_length_report.h"
#include "roll_weight/roll_weight_report.h"
#include "slitter/slitter_report.h"

namespace {

std::string Dots(const std::string& name, int dots) {
    return name + std::string(dots, '.');
}

std::tm At(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

// The worked example: W = 4800, h = 96, a = 36, so L = 180 and R = 4620.
constexpr PageMeasures kPage{4800, 96, 36};
const ReportStamp kStamp{"DATE 03/26/2001", "TIME 02:05 PM"};

// One line per page, text and rule, so that a failed comparison shows as a diff of lines.
std::string AsText(const ReportDocument& d) {
    std::ostringstream out;
    out << "document \"" << d.name << "\"\n";
    for (std::size_t p = 0; p < d.pages.size(); ++p) {
        out << "page " << p + 1 << "\n";
        for (const PlacedText& t : d.pages[p].texts) {
            out << "page " << p + 1 << " (" << t.x << ", " << t.y << ") " << (t.bold ? "bold " : "")
                << "\"" << t.text << "\"\n";
        }
        for (const Rule& r : d.pages[p].rules) {
            out << "page " << p + 1 << " rule " << r.x1 << " to " << r.x2 << " at " << r.y << "\n";
        }
    }
    return out.str();
}

constexpr const char* kRollTitle = "Velmarch Products Roll Calculation Report"; // 41 characters
constexpr const char* kSlitterTitle = "Velmarch Products Slitter Position Report";

// The header of the worked example, drawing order as on paper, with the report's headings.
ReportPage Header(const char* title, std::vector<PlacedText> headings) {
    ReportPage page{
        {
            {180, 0, "DATE 03/26/2001"},
            {4152, 0, "TIME 02:05 PM"},
            {360, 384, "Velmarch Products LLC"},
            {360, 480, "1820 Spindle Mill Road"},
            {360, 576, "Harrow Falls, WI 54999"},
            {360, 672, "Telephone (920) 555-0147"},
            {2160, 576, "Job Name / Number: _________________________________________________"},
            {1680, 0, title, true},
        },
        {{180, 4620, 1824}, {180, 4620, 1825}, {180, 4620, 1826}}};
    page.texts.insert(page.texts.end(), headings.begin(), headings.end());
    return page;
}

const std::vector<PlacedText> kRollHeadings = {{180, 1728, "Figure", true},
                                               {2160, 1728, "Measurement", true}};
const std::vector<PlacedText> kSlitterHeadings = {{180, 1728, "Position", true},
                                                  {1080, 1728, "Slit Width ", true},
                                                  {2700, 1728, "Distance ", true}};

// The roll report's page: labels at L, then measurements at 60a, both on rows 20h, 22h, ...
ReportDocument RollDocument(const std::vector<std::string>& labels,
                            const std::vector<std::string>& measurements) {
    ReportPage page = Header(kRollTitle, kRollHeadings);
    for (std::size_t r = 0; r < labels.size(); ++r) {
        page.texts.push_back({180, static_cast<int>(20 + 2 * r) * 96, labels[r]});
    }
    for (std::size_t r = 0; r < measurements.size(); ++r) {
        page.texts.push_back({2160, static_cast<int>(20 + 2 * r) * 96, measurements[r]});
    }
    return {"Roll Calculations", {page}};
}

TEST(ReportTexts, DateAndTimeOnATwelveHourClock) {
    EXPECT_EQ(StampOf(At(1999, 12, 31, 23, 59)).date, "DATE 12/31/1999");
    EXPECT_EQ(StampOf(At(2026, 1, 5, 0, 0)).date, "DATE 01/05/2026");
    const std::pair<int, const char*> times[] = {
        {14 * 60 + 5, "TIME 02:05 PM"},  {15, "TIME 12:15 AM"},      {0, "TIME 12:00 AM"},
        {11 * 60 + 59, "TIME 11:59 AM"}, {12 * 60, "TIME 12:00 PM"}, {13 * 60, "TIME 01:00 PM"},
        {23 * 60 + 59, "TIME 11:59 PM"}};
    for (const auto& [minutes, text] : times) {
        const ReportStamp stamp = StampOf(At(2001, 3, 26, minutes / 60, minutes % 60));
        EXPECT_EQ(stamp.date, "DATE 03/26/2001");
        EXPECT_EQ(stamp.time, text);
    }
}

TEST(ReportTexts, FontPixelsRoundHalfAwayFromZero) {
    // 90 and 18 give 12.5 and 2.5, where rounding to even would give 12 and 2.
    const std::pair<int, int> rows[] = {{300, 42}, {600, 83}, {72, 10},   {96, 13},
                                        {90, 13},  {18, 3},   {1200, 167}};
    for (const auto& [dpi, pixels] : rows) {
        EXPECT_EQ(ReportFontPixels(dpi), pixels) << dpi;
    }
}

TEST(ReportFrame, WorkedExampleToThePixel) {
    const ReportHeading headings[] = {{"Figure", 5}, {"Measurement", 60}};
    ReportPage page = ReportPageHeader(kPage, kStamp, kRollTitle, headings);
    AddPageFooter(page, kPage, 2, 3);
    ReportPage want = Header(kRollTitle, kRollHeadings);
    want.texts.push_back({2400 - 5 * 36, 5952, "Page 2 of 3"});
    EXPECT_EQ(AsText({"", {page}}), AsText({"", {want}}));
}

const std::vector<std::string> kRollLengthLabels = {
    Dots("1.  Roll Diameter", 46), Dots("2.  Core Diameter", 44), Dots("3.  Roll Length", 49),
    Dots("4.  Material Thickness", 38)};
const std::vector<std::string> kRollWeightLabels = {Dots("1.  Roll Diameter", 58),
                                                    Dots("2.  Core Diameter", 56),
                                                    Dots("3.  Web Width", 62),
                                                    Dots("4.  Roll Weight (Lbs)", 52),
                                                    Dots("5.  Roll Weight (kg)", 54),
                                                    Dots("6.  Specific Gravity", 55),
                                                    Dots("7.  Lbs / Cubic Feet", 54),
                                                    Dots("8.  Lbs / Cubic Inches", 51),
                                                    Dots("9.  Kilograms / Cubic Meter", 43),
                                                    Dots("10.  Grams / Cubic Centimeter", 38)};

struct RollReportCase {
    const char* name;
    ReportDocument report;
    const std::vector<std::string>& labels;
    std::vector<std::string> measurements;
};

void PrintTo(const RollReportCase& c, std::ostream* os) {
    *os << c.name;
}

class RollReportRows : public ::testing::TestWithParam<RollReportCase> {};

TEST_P(RollReportRows, EachRowFromItsOwnBoxes) {
    EXPECT_EQ(AsText(GetParam().report),
              AsText(RollDocument(GetParam().labels, GetParam().measurements)));
}

// Each figure a different value, so that a swapped one shows.
INSTANTIATE_TEST_SUITE_P(
    Figures, RollReportRows,
    ::testing::Values(
        RollReportCase{
            "LengthWorked",
            RollLengthReport(kPage, kStamp, {1500, 457.2, 3, 76.2, 40, 1016, 0.03125, 0.8}),
            kRollLengthLabels,
            {"40.0000 inches / 1016.0000 millimeters", "3.000000 inches / 76.200000 millimeters",
             "1500.0000 feet / 457.2000 meters", "0.0313 inches / 0.8000 millimeters"}},
        // Nothing is checked.
        RollReportCase{"LengthUnchecked",
                       RollLengthReport(kPage, kStamp, {-2.5, 0, 0, 0, 0, 0, 0, 0}),
                       kRollLengthLabels,
                       {"0.0000 inches / 0.0000 millimeters",
                        "0.000000 inches / 0.000000 millimeters", "-2.5000 feet / 0.0000 meters",
                        "0.0000 inches / 0.0000 millimeters"}},
        RollReportCase{"WeightWorked",
                       RollWeightReport(kPage, kStamp,
                                        {40, 1016, 3, 76.2, 60, 1524.0004, 1250, 567, 1, 62.3808,
                                         0.0361, 999.2, 0.9992}),
                       kRollWeightLabels,
                       {"40.000 inches / 1016.000 millimeters", "3.000 inches / 76.200 millimeters",
                        "60.000 inches / 1524.000 millimeters", "1250.00 pounds",
                        "567.00 kilograms", "1.0000 ", "62.3808", "0.0361", "999.2000", "0.9992"}},
        // Pounds and kilograms print as their boxes hold them, not reconciled.
        RollReportCase{
            "WeightNotReconciled",
            RollWeightReport(kPage, kStamp, {0, 0, 0, 0, 0, 0, 1000, 453.6, 0, -1, 0, 0, 0}),
            kRollWeightLabels,
            {"0.000 inches / 0.000 millimeters", "0.000 inches / 0.000 millimeters",
             "0.000 inches / 0.000 millimeters", "1000.00 pounds", "453.60 kilograms", "0.0000 ",
             "-1.0000", "0.0000", "0.0000", "0.0000"}}),
    [](const auto& info) { return std::string(info.param.name); });

// An increment, a count of one-inch slits and the pages: slits + 1 rows, + 2 with an increment.
using PagingCase = std::tuple<double, int, int>;

class SlitterPaging : public ::testing::TestWithParam<PagingCase> {};

// Every page carries the whole header with the run's one date and time, its rows from 20h at
// pitch h, and its footer; a page break only when another row follows.
TEST_P(SlitterPaging, FortyRowsAPageWithNumberedFooters) {
    const auto [increment, slits, pages] = GetParam();
    CSlitList list;
    list.AddIncrement(increment, increment * 25.4); // an increment of 0 is refused
    list.AddEqualSlits(slits, 1, 25.4);
    ReportDocument want{"Slitter Calculations", {}};
    std::size_t row = 0;
    for (int page = 1; page <= pages; ++page) {
        ReportPage p = Header(kSlitterTitle, kSlitterHeadings);
        for (int k = 0; k < 40 && row < list.RowCount(); ++k, ++row) {
            const auto& cells = list.Row(row).cells;
            const int y = (20 + k) * 96;
            p.texts.insert(p.texts.end(), {{180, y, cells[0]},
                                           {1080, y, cells[1] + " inches / " + cells[2] + " mm"},
                                           {2700, y, cells[3] + " inches / " + cells[4] + " mm"}});
        }
        // Every footer here is eleven characters, so five average widths left of the middle.
        p.texts.push_back(
            {2220, 5952, "Page " + std::to_string(page) + " of " + std::to_string(pages)});
        want.pages.push_back(p);
    }
    EXPECT_EQ(row, list.RowCount());
    EXPECT_EQ(AsText(SlitterReport(kPage, kStamp, list.Rows())), AsText(want));
}

INSTANTIATE_TEST_SUITE_P(RowCounts, SlitterPaging,
                         ::testing::Values(PagingCase{0, 0, 1}, PagingCase{0, 1, 1},
                                           PagingCase{0, 39, 1}, PagingCase{0, 40, 2},
                                           PagingCase{0, 79, 2}, PagingCase{0, 80, 3},
                                           PagingCase{0, 119, 3}, PagingCase{0.75, 2, 1}));

} // namespace
