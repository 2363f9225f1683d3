#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "recording_print_surface.h"
#include "report/report_frame.h"
#include "roll_length/roll_length_report.h"
#include "roll_weight/roll_weight_report.h"
#include "slitter/slitter_report.h"

namespace {

std::tm At(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

// A clock that moves on a minute each time it is asked, so that a run reading it twice shows.
ReportClock TickingClock(std::shared_ptr<int> calls) {
    return [calls]() { return At(2001, 3, 26, 14, 5 + (*calls)++); };
}

ReportClock FixedClock() {
    return []() { return At(2001, 3, 26, 14, 5); };
}

std::string Dots(const std::string& name, int dots) {
    return name + std::string(dots, '.');
}

// Close selects the surface's own font back after the last text, ends page and document, deletes
// every font it made exactly once, and the surface goes last.
void ExpectCleanRelease(const PrintLog& log, PrintSurface::FontHandle ownFont) {
    const std::vector<PrintCall>& calls = log.calls;
    ASSERT_GE(calls.size(), 6u);
    const std::size_t close = calls.size() - 6;
    std::vector<PrintCall::Kind> tail;
    for (std::size_t i = close; i < calls.size(); ++i) {
        tail.push_back(calls[i].kind);
    }
    EXPECT_EQ(tail, (std::vector<PrintCall::Kind>{PrintCall::SelectFont, PrintCall::EndPage,
                                                  PrintCall::EndDoc, PrintCall::DeleteFont,
                                                  PrintCall::DeleteFont, PrintCall::Destroyed}));
    EXPECT_EQ(calls[close].font, ownFont);
    std::multiset<int> created;
    std::multiset<int> deleted;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == PrintCall::CreateFont) {
            created.insert(calls[i].font);
        } else if (calls[i].kind == PrintCall::DeleteFont) {
            deleted.insert(calls[i].font);
        } else if (calls[i].kind == PrintCall::Text) {
            EXPECT_LT(i, close) << "text drawn while closing";
        }
    }
    EXPECT_EQ(created.size(), 2u);
    EXPECT_EQ(created, deleted);
    EXPECT_EQ(log.Count(PrintCall::EndDoc), 1u);
    EXPECT_EQ(log.Count(PrintCall::StartPage), log.Count(PrintCall::EndPage));
}

// The texts of one page on one line (y == fromY) or from a line down (y >= fromY).
std::vector<DrawnText> TextsAt(const PrintLog& log, int page, int fromY, bool down) {
    std::vector<DrawnText> out;
    for (const DrawnText& t : log.TextsOnPage(page)) {
        if (t.y == fromY || (down && t.y > fromY)) {
            out.push_back(t);
        }
    }
    return out;
}
std::vector<DrawnText> BodyTexts(const PrintLog& log, int page) {
    return TextsAt(log, page, 20 * 96, true);
}
std::vector<DrawnText> HeadingTexts(const PrintLog& log, int page) {
    return TextsAt(log, page, 18 * 96, false);
}

// ----------------------------------------------------------------------------------------------
// Texts and heights the frame makes

TEST(ReportTexts, DateAndTimeOnATwelveHourClock) {
    EXPECT_EQ(ReportDateText(At(2001, 3, 26, 14, 5)), "DATE 03/26/2001");
    EXPECT_EQ(ReportDateText(At(1999, 12, 31, 23, 59)), "DATE 12/31/1999");
    EXPECT_EQ(ReportDateText(At(2026, 1, 5, 0, 0)), "DATE 01/05/2026");

    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 14, 5)), "TIME 02:05 PM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 0, 15)), "TIME 12:15 AM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 0, 0)), "TIME 12:00 AM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 11, 59)), "TIME 11:59 AM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 12, 0)), "TIME 12:00 PM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 13, 0)), "TIME 01:00 PM");
    EXPECT_EQ(ReportTimeText(At(2001, 3, 26, 23, 59)), "TIME 11:59 PM");
}

TEST(ReportTexts, FontHeightRoundsHalfAwayFromZero) {
    EXPECT_EQ(ReportFontHeight(300), -42); // 41.67
    EXPECT_EQ(ReportFontHeight(600), -83); // 83.33
    EXPECT_EQ(ReportFontHeight(72), -10);
    EXPECT_EQ(ReportFontHeight(96), -13);    // 13.33
    EXPECT_EQ(ReportFontHeight(90), -13);    // 12.5: to even would give 12
    EXPECT_EQ(ReportFontHeight(18), -3);     // 2.5
    EXPECT_EQ(ReportFontHeight(1200), -167); // 166.67
}

// ----------------------------------------------------------------------------------------------
// The page frame

constexpr const char* kRollTitle = "Velmarch Products Roll Calculation Report"; // 41 characters
constexpr const char* kJobLine =
    "Job Name / Number: _________________________________________________";

TEST(ReportFrame, WorkedExampleToThePixel) {
    RecordingPrinter printer; // W = 4800, a = 36, h = 96; the bold font measures otherwise
    {
        CReportFrame frame(FixedClock());
        ASSERT_EQ(frame.Open(printer.Source(), kRollTitle, "Roll Calculations"),
                  PrintOutcome::Printed);
        EXPECT_EQ(frame.Width(), 4800);
        EXPECT_EQ(frame.LineHeight(), 96);
        EXPECT_EQ(frame.AveCharWidth(), 36);
        EXPECT_EQ(frame.Left(), 180);
        EXPECT_EQ(frame.Right(), 4620);
        frame.PageHeader({{"Figure", 5}, {"Measurement", 60}});
        frame.PageFooter(2, 3);
        frame.Close();
    }
    const std::vector<DrawnText> texts = printer.log->Texts();
    ASSERT_EQ(texts.size(), 11u);
    const std::vector<DrawnText> normal = {
        {180, 0, "DATE 03/26/2001", 400, 1},
        {4152, 0, "TIME 02:05 PM", 400, 1},
        {360, 384, "Velmarch Products LLC", 400, 1},
    };
    EXPECT_EQ(std::vector<DrawnText>(texts.begin(), texts.begin() + 3), normal);
    // Address, city line and telephone are ours to choose; where they stand is not.
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(texts[i].x, 360);
        EXPECT_EQ(texts[i].y, 96 * (i + 2));
        EXPECT_EQ(texts[i].weight, 400);
        EXPECT_FALSE(texts[i].text.empty());
    }
    EXPECT_NE(texts[5].text.find("555-01"), std::string::npos) << texts[5].text;
    const std::vector<DrawnText> rest = {
        {2160, 576, kJobLine, 400, 1},
        {1680, 0, kRollTitle, 700, 1},
        {180, 1728, "Figure", 700, 1},
        {2160, 1728, "Measurement", 700, 1},
        {2400 - 5 * 36, 5952, "Page 2 of 3", 400, 1},
    };
    EXPECT_EQ(std::vector<DrawnText>(texts.begin() + 6, texts.end()), rest);

    const std::vector<DrawnLine> rule = {
        {180, 1824, 4620, 1824, 1},
        {180, 1825, 4620, 1825, 1},
        {180, 1826, 4620, 1826, 1},
    };
    EXPECT_EQ(printer.log->Lines(), rule);
}

TEST(ReportFrame, OpensFontsDocumentAndPageInOrder) {
    for (const auto& [ppi, height] : std::vector<std::pair<int, int>>{{300, -42}, {600, -83}}) {
        RecordingPrinter printer;
        printer.setup.pixelsPerInchY = ppi;
        printer.setup.ownFont = 77;
        CReportFrame frame(FixedClock());
        ASSERT_EQ(frame.Open(printer.Source(), "T", "Slitter Calculations"), PrintOutcome::Printed);

        const std::vector<PrintCall>& calls = printer.log->calls;
        std::vector<PrintCall::Kind> kinds;
        for (const PrintCall& c : calls) {
            kinds.push_back(c.kind);
        }
        // Measured after the normal font is selected; nothing is drawn before the header.
        EXPECT_EQ(kinds,
                  (std::vector<PrintCall::Kind>{PrintCall::CreateFont, PrintCall::CreateFont,
                                                PrintCall::StartDoc, PrintCall::StartPage,
                                                PrintCall::SelectFont, PrintCall::GetTextMetrics}));
        ASSERT_EQ(calls.size(), 6u);
        EXPECT_EQ(calls[0].fontSpec.face, "Arial");
        EXPECT_EQ(calls[0].fontSpec.height, height);
        EXPECT_EQ(calls[0].fontSpec.weight, 700);
        EXPECT_EQ(calls[1].fontSpec.face, "Arial");
        EXPECT_EQ(calls[1].fontSpec.height, height);
        EXPECT_EQ(calls[1].fontSpec.weight, 400);
        EXPECT_EQ(calls[2].text, "Slitter Calculations");
        EXPECT_EQ(calls[4].font, calls[1].font);
        frame.Close();
        ExpectCleanRelease(*printer.log, 77);
    }
}

TEST(ReportFrame, NoPrinterCreatesNothing) {
    int clockCalls = 0;
    CReportFrame frame([&clockCalls]() {
        ++clockCalls;
        return At(2001, 3, 26, 14, 5);
    });
    EXPECT_EQ(frame.Open(NoPrinter(), kRollTitle, "Roll Calculations"), PrintOutcome::NoPrinter);
    EXPECT_FALSE(frame.IsOpen());
    // Calls after a failed open are harmless.
    frame.PageHeader({{"Figure", 5}});
    frame.Text(0, 0, "x");
    frame.PageFooter(1, 1);
    frame.NextPage();
    EXPECT_EQ(frame.Close(), PrintOutcome::NoPrinter);
    EXPECT_EQ(clockCalls, 1);

    CReportFrame unset(FixedClock());
    EXPECT_EQ(unset.Open(PrintSurfaceSource{}, kRollTitle, "Roll Calculations"),
              PrintOutcome::NoPrinter);
    // The source's reason is passed on as it stands.
    CReportFrame unreachable(FixedClock());
    EXPECT_EQ(unreachable.Open([] { return OpenedPrinter(PrintOutcome::PrinterUnavailable); },
                               kRollTitle, "Roll Calculations"),
              PrintOutcome::PrinterUnavailable);
}

TEST(ReportFrame, EndingWithoutCloseStillReleasesEverything) {
    RecordingPrinter printer;
    printer.setup.ownFont = 77;
    {
        CReportFrame frame(FixedClock());
        ASSERT_EQ(frame.Open(printer.Source(), kRollTitle, "Roll Calculations"),
                  PrintOutcome::Printed);
        frame.PageHeader({});
        EXPECT_TRUE(frame.IsOpen());
    }
    ExpectCleanRelease(*printer.log, 77);
}

TEST(ReportFrame, NextPageRepeatsTheHeaderWithTheSameTexts) {
    RecordingPrinter printer;
    auto clockCalls = std::make_shared<int>(0);
    CReportFrame frame(TickingClock(clockCalls));
    ASSERT_EQ(frame.Open(printer.Source(), kRollTitle, "Roll Calculations"), PrintOutcome::Printed);
    frame.PageHeader({{"Position", 5}, {"Distance ", 75}});
    frame.PageFooter(1, 2);
    const std::size_t footerAt = printer.log->calls.size();
    frame.NextPage();
    frame.PageFooter(2, 2);
    frame.Close();

    EXPECT_EQ(*clockCalls, 1);
    const std::vector<PrintCall>& calls = printer.log->calls;
    ASSERT_GT(calls.size(), footerAt + 3);
    EXPECT_EQ(calls[footerAt].kind, PrintCall::EndPage);
    EXPECT_EQ(calls[footerAt + 1].kind, PrintCall::StartPage);
    EXPECT_EQ(calls[footerAt + 2].kind, PrintCall::SelectFont);
    EXPECT_EQ(calls[footerAt + 2].font, printer.log->Of(PrintCall::CreateFont)[1].font);

    std::vector<DrawnText> one = printer.log->TextsOnPage(1);
    std::vector<DrawnText> two = printer.log->TextsOnPage(2);
    ASSERT_EQ(one.size(), 11u);
    ASSERT_EQ(two.size(), 11u);
    EXPECT_EQ(one[0].text, "DATE 03/26/2001");
    EXPECT_EQ(one[1].text, "TIME 02:05 PM");
    EXPECT_EQ(one.back().text, "Page 1 of 2");
    EXPECT_EQ(two.back().text, "Page 2 of 2");
    for (std::size_t i = 0; i + 1 < one.size(); ++i) {
        EXPECT_EQ(one[i].x, two[i].x);
        EXPECT_EQ(one[i].y, two[i].y);
        EXPECT_EQ(one[i].text, two[i].text);
        EXPECT_EQ(one[i].weight, two[i].weight);
    }
    const std::vector<DrawnLine> lines = printer.log->Lines();
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i + 3], (DrawnLine{lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2, 2}));
    }
    EXPECT_EQ(printer.log->Count(PrintCall::StartDoc), 1u);
}

// ----------------------------------------------------------------------------------------------
// Roll diameter - length report

const std::vector<std::string> kRollLengthLabels = {
    Dots("1.  Roll Diameter", 46),
    Dots("2.  Core Diameter", 44),
    Dots("3.  Roll Length", 49),
    Dots("4.  Material Thickness", 38),
};

// Labels at L, then measurements at 60a, both on rows 20h, 22h, ...
std::vector<DrawnText> RowTexts(const std::vector<std::string>& labels,
                                const std::vector<std::string>& measurements) {
    std::vector<DrawnText> out;
    for (std::size_t r = 0; r < labels.size(); ++r) {
        out.push_back({180, static_cast<int>(20 + 2 * r) * 96, labels[r], 400, 1});
    }
    for (std::size_t r = 0; r < measurements.size(); ++r) {
        out.push_back({2160, static_cast<int>(20 + 2 * r) * 96, measurements[r], 400, 1});
    }
    return out;
}

TEST(RollLengthReport, FourRowsFromTheirOwnBoxes) {
    RecordingPrinter printer;
    printer.setup.ownFont = 77;
    // Each figure a different value, so that a swapped one shows.
    const RollLengthFigures figures{1500, 457.2, 3, 76.2, 40, 1016, 0.03125, 0.8};
    EXPECT_EQ(PrintRollLengthReport(figures, printer.Source(), FixedClock()),
              PrintOutcome::Printed);

    EXPECT_EQ(printer.log->Of(PrintCall::StartDoc).at(0).text, "Roll Calculations");
    EXPECT_EQ(printer.log->Count(PrintCall::StartPage), 1u);
    const std::vector<DrawnText> texts = printer.log->Texts();
    ASSERT_GE(texts.size(), 8u);
    EXPECT_EQ(texts[7], (DrawnText{1680, 0, kRollTitle, 700, 1}));
    EXPECT_EQ(HeadingTexts(*printer.log, 1),
              (std::vector<DrawnText>{{180, 1728, "Figure", 700, 1},
                                      {2160, 1728, "Measurement", 700, 1}}));
    EXPECT_EQ(BodyTexts(*printer.log, 1),
              RowTexts(kRollLengthLabels,
                       {"40.0000 inches / 1016.0000 millimeters",
                        "3.000000 inches / 76.200000 millimeters",
                        "1500.0000 feet / 457.2000 meters", "0.0313 inches / 0.8000 millimeters"}));
    EXPECT_EQ(printer.log->Lines().size(), 3u);
    ExpectCleanRelease(*printer.log, 77);
}

TEST(RollLengthReport, NothingIsChecked) {
    RecordingPrinter printer;
    RollLengthFigures figures;
    figures.lengthFeet = -2.5;
    PrintRollLengthReport(figures, printer.Source(), FixedClock());
    EXPECT_EQ(
        BodyTexts(*printer.log, 1),
        RowTexts(kRollLengthLabels,
                 {"0.0000 inches / 0.0000 millimeters", "0.000000 inches / 0.000000 millimeters",
                  "-2.5000 feet / 0.0000 meters", "0.0000 inches / 0.0000 millimeters"}));
}

TEST(RollLengthReport, NoPrinterPrintsNothing) {
    int asked = 0;
    const PrintOutcome outcome = PrintRollLengthReport(
        RollLengthFigures{},
        [&asked]() -> std::unique_ptr<PrintSurface> {
            ++asked;
            return nullptr;
        },
        FixedClock());
    EXPECT_EQ(outcome, PrintOutcome::NoPrinter);
    EXPECT_EQ(asked, 1);
}

// ----------------------------------------------------------------------------------------------
// Roll weight report

const std::vector<std::string> kRollWeightLabels = {
    Dots("1.  Roll Diameter", 58),
    Dots("2.  Core Diameter", 56),
    Dots("3.  Web Width", 62),
    Dots("4.  Roll Weight (Lbs)", 52),
    Dots("5.  Roll Weight (kg)", 54),
    Dots("6.  Specific Gravity", 55),
    Dots("7.  Lbs / Cubic Feet", 54),
    Dots("8.  Lbs / Cubic Inches", 51),
    Dots("9.  Kilograms / Cubic Meter", 43),
    Dots("10.  Grams / Cubic Centimeter", 38),
};

TEST(RollWeightReport, TenRowsFromTheirOwnBoxes) {
    RecordingPrinter printer;
    printer.setup.ownFont = 77;
    const RollWeightFigures figures{40,  1016, 3,       76.2,   60,    1524.0004, 1250,
                                    567, 1,    62.3808, 0.0361, 999.2, 0.9992};
    PrintRollWeightReport(figures, printer.Source(), FixedClock());

    EXPECT_EQ(printer.log->Of(PrintCall::StartDoc).at(0).text, "Roll Calculations");
    EXPECT_EQ(printer.log->Texts().at(7), (DrawnText{1680, 0, kRollTitle, 700, 1}));
    EXPECT_EQ(HeadingTexts(*printer.log, 1),
              (std::vector<DrawnText>{{180, 1728, "Figure", 700, 1},
                                      {2160, 1728, "Measurement", 700, 1}}));
    EXPECT_EQ(BodyTexts(*printer.log, 1),
              RowTexts(kRollWeightLabels,
                       {"40.000 inches / 1016.000 millimeters", "3.000 inches / 76.200 millimeters",
                        "60.000 inches / 1524.000 millimeters", "1250.00 pounds",
                        "567.00 kilograms", "1.0000 ", "62.3808", "0.0361", "999.2000", "0.9992"}));
    ExpectCleanRelease(*printer.log, 77);
}

TEST(RollWeightReport, FiguresAreNotReconciled) {
    RecordingPrinter printer;
    RollWeightFigures figures;
    figures.pounds = 1000;
    figures.kilograms = 453.6;
    figures.lbsPerCubicFoot = -1;
    PrintRollWeightReport(figures, printer.Source(), FixedClock());
    EXPECT_EQ(BodyTexts(*printer.log, 1),
              RowTexts(kRollWeightLabels,
                       {"0.000 inches / 0.000 millimeters", "0.000 inches / 0.000 millimeters",
                        "0.000 inches / 0.000 millimeters", "1000.00 pounds", "453.60 kilograms",
                        "0.0000 ", "-1.0000", "0.0000", "0.0000", "0.0000"}));
}

TEST(RollWeightReport, NoPrinterPrintsNothing) {
    EXPECT_EQ(PrintRollWeightReport(RollWeightFigures{}, NoPrinter(), FixedClock()),
              PrintOutcome::NoPrinter);
}

// ----------------------------------------------------------------------------------------------
// Slitter position report

TEST(SlitterReport, HeaderAndRowTexts) {
    RecordingPrinter printer;
    printer.setup.ownFont = 77;
    CSlitList list;
    list.AddIncrement(0.75, 19.05);
    list.AddEqualSlits(2, 2.5, 63.5);
    PrintSlitterReport(list, printer.Source(), FixedClock());

    EXPECT_EQ(printer.log->Of(PrintCall::StartDoc).at(0).text, "Slitter Calculations");
    EXPECT_EQ(printer.log->Texts().at(7),
              (DrawnText{1680, 0, "Velmarch Products Slitter Position Report", 700, 1}));
    EXPECT_EQ(HeadingTexts(*printer.log, 1),
              (std::vector<DrawnText>{{180, 1728, "Position", 700, 1},
                                      {1080, 1728, "Slit Width ", 700, 1},
                                      {2700, 1728, "Distance ", 700, 1}}));
    // Row pitch h; the reference row prints first, as the list holds it.
    EXPECT_EQ(BodyTexts(*printer.log, 1), (std::vector<DrawnText>{
                                              {180, 1920, "0", 400, 1},
                                              {1080, 1920, "0.0000 inches / 0.0000 mm", 400, 1},
                                              {2700, 1920, "0.0000 inches / 0.0000 mm", 400, 1},
                                              {180, 2016, "1", 400, 1},
                                              {1080, 2016, "0.7500 inches / 19.0500 mm", 400, 1},
                                              {2700, 2016, "0.7500 inches / 19.0500 mm", 400, 1},
                                              {180, 2112, "2", 400, 1},
                                              {1080, 2112, "2.5000 inches / 63.5000 mm", 400, 1},
                                              {2700, 2112, "3.2500 inches / 82.5500 mm", 400, 1},
                                              {180, 2208, "3", 400, 1},
                                              {1080, 2208, "2.5000 inches / 63.5000 mm", 400, 1},
                                              {2700, 2208, "5.7500 inches / 146.0500 mm", 400, 1},
                                              {2220, 5952, "Page 1 of 1", 400, 1},
                                          }));
    ExpectCleanRelease(*printer.log, 77);
}

// Builds a list of exactly n rows: the first-knife row and n - 1 slits of one inch.
CSlitList ListOf(int n) {
    CSlitList list;
    if (n > 1) {
        list.AddEqualSlits(n - 1, 1, 25.4);
    }
    return list;
}

class SlitterPaging : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SlitterPaging, FortyRowsAPageWithNumberedFooters) {
    const auto [rows, pages] = GetParam();
    RecordingPrinter printer;
    printer.setup.ownFont = 77;
    const CSlitList list = ListOf(rows);
    ASSERT_EQ(list.RowCount(), static_cast<std::size_t>(rows));
    auto clockCalls = std::make_shared<int>(0);
    PrintSlitterReport(list, printer.Source(), TickingClock(clockCalls));

    const PrintLog& log = *printer.log;
    EXPECT_EQ(*clockCalls, 1);
    EXPECT_EQ(log.Count(PrintCall::StartPage), static_cast<std::size_t>(pages));
    EXPECT_EQ(log.Count(PrintCall::StartDoc), 1u);
    ExpectCleanRelease(log, 77);

    int row = 0;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const std::vector<DrawnText> all = log.TextsOnPage(page);
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[0], (DrawnText{180, 0, "DATE 03/26/2001", 400, page}));
        EXPECT_EQ(all[1], (DrawnText{4152, 0, "TIME 02:05 PM", 400, page}));
        EXPECT_EQ(HeadingTexts(log, page).size(), 3u);

        const std::vector<DrawnText> body = BodyTexts(log, page);
        ASSERT_FALSE(body.empty());
        const std::string footer =
            std::string("Page ") + char('0' + page) + " of " + char('0' + pages);
        EXPECT_EQ(body.back(), (DrawnText{2400 - static_cast<int>(footer.size() / 2) * 36, 5952,
                                          footer, 400, page}));
        const int onPage = static_cast<int>(body.size() - 1) / 3;
        EXPECT_EQ(onPage, std::min(40, rows - 40 * (page - 1)));
        for (int k = 0; k < onPage; ++k, ++row) {
            const KnifeRow& cells = list.Row(static_cast<std::size_t>(row));
            const int y = (20 + k) * 96;
            EXPECT_EQ(body[3 * k], (DrawnText{180, y, cells.cells[0], 400, page}));
            EXPECT_EQ(body[3 * k + 1],
                      (DrawnText{1080, y, cells.cells[1] + " inches / " + cells.cells[2] + " mm",
                                 400, page}));
            EXPECT_EQ(body[3 * k + 2],
                      (DrawnText{2700, y, cells.cells[3] + " inches / " + cells.cells[4] + " mm",
                                 400, page}));
        }
    }
    EXPECT_EQ(row, rows);
    EXPECT_EQ(log.Lines().size(), static_cast<std::size_t>(3 * pages));
}

INSTANTIATE_TEST_SUITE_P(RowCounts, SlitterPaging,
                         ::testing::Values(std::pair{0, 1}, std::pair{2, 1}, std::pair{40, 1},
                                           std::pair{41, 2}, std::pair{80, 2}, std::pair{81, 3},
                                           std::pair{120, 3}));

TEST(SlitterReport, NoPrinterPrintsNothing) {
    EXPECT_EQ(PrintSlitterReport(ListOf(5), NoPrinter(), FixedClock()), PrintOutcome::NoPrinter);
}

} // namespace
