// End-to-end print checks, run by print_e2e.sh against its private CUPS queue: each report goes
// through the real default-printer path (QPrinterInfo, QPrinter, the spooler, a backend that keeps
// the job), and the kept PDF is read back with poppler's tools and compared with the page layout.
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QThread>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/print_report.h"
#include "platform/report_painter.h"
#include "report/report_frame.h"
#include "tests/calculator_window.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kJobWait = std::chrono::seconds(30);
constexpr double kPositionTolerance = 0.5; // points; a line is about 11 points high
constexpr double kPitchTolerance = 0.1;    // points

// ---------------------------------------------------------------------------------------------
// Kept jobs

struct KeptJob {
    int id = 0;
    std::string title;
    fs::path pdf;
};

fs::path JobFolder() {
    const char* folder = std::getenv("ROLLCALC_E2E_JOBS");
    return folder != nullptr ? fs::path(folder) : fs::path();
}

std::set<int> DoneJobs() {
    std::set<int> ids;
    for (const fs::directory_entry& entry : fs::directory_iterator(JobFolder())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("job-") && name.ends_with(".done")) {
            ids.insert(std::stoi(name.substr(4, name.size() - 9)));
        }
    }
    return ids;
}

std::string ReadWholeFile(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

// Waits, bounded, for the one job that a print run started after `before` was taken.
std::optional<KeptJob> WaitForNewJob(const std::set<int>& before) {
    const auto deadline = std::chrono::steady_clock::now() + kJobWait;
    while (std::chrono::steady_clock::now() < deadline) {
        std::set<int> fresh;
        for (int id : DoneJobs()) {
            if (!before.contains(id)) {
                fresh.insert(id);
            }
        }
        if (fresh.size() > 1) {
            ADD_FAILURE() << "one print run spooled " << fresh.size() << " jobs";
        }
        if (!fresh.empty()) {
            const int id = *fresh.begin();
            const fs::path base = JobFolder() / ("job-" + std::to_string(id));
            return KeptJob{id, ReadWholeFile(base.string() + ".title"), base.string() + ".pdf"};
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Reading the PDF back

struct Word {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};
using PageWords = std::vector<Word>;

std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        process.kill();
        process.waitForFinished(5000);
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

std::string UnescapeXml(std::string text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::strlen(entity), plain);
        }
    }
    return text;
}

// Every word of every page, in points from the paper's top-left corner.
std::vector<PageWords> ReadWords(const fs::path& pdf) {
    const std::string xhtml =
        RunTool("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
    static const QRegularExpression kWord(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*)</word>)re");
    std::vector<PageWords> pages;
    std::istringstream lines(xhtml);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos) {
            pages.emplace_back();
            continue;
        }
        const QRegularExpressionMatch match = kWord.match(QString::fromStdString(line));
        if (match.hasMatch() && !pages.empty()) {
            pages.back().push_back(Word{match.captured(1).toDouble(), match.captured(2).toDouble(),
                                        match.captured(3).toDouble(), match.captured(4).toDouble(),
                                        UnescapeXml(match.captured(5).toStdString())});
        }
    }
    return pages;
}

struct PdfFont {
    std::string name;
    bool embedded = false;
};

std::vector<PdfFont> ReadFonts(const fs::path& pdf) {
    const std::string table = RunTool("pdffonts", {QString::fromStdString(pdf.string())});
    std::vector<PdfFont> fonts;
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line); // headings
    std::getline(lines, line); // dashes
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) {
            words.push_back(word);
        }
        if (words.size() < 5) {
            continue;
        }
        std::string name = words[0];
        if (name.size() > 7 && name[6] == '+') {
            name = name.substr(7); // subset tag
        }
        // Columns from the right: emb sub uni object-number generation.
        fonts.push_back(PdfFont{name, words[words.size() - 5] == "yes"});
    }
    return fonts;
}

// A grey map of part of a page, for the lines that pdftotext does not see.
struct GreyBand {
    int x = 0; // the band's corner on the page, in pixels at the rendering resolution
    int y = 0;
    int width = 0;
    int height = 0;
    std::string pixels;
    bool Dark(int pageX, int pageY) const {
        return static_cast<unsigned char>(pixels[(pageY - y) * width + (pageX - x)]) < 128;
    }
};

// Rendered without smoothing at the printer's own resolution, so one printer pixel is one pixel.
GreyBand RenderBand(const fs::path& pdf, int page, int dpi, int x, int y, int width, int height) {
    const fs::path prefix = pdf.parent_path() / ("band-" + pdf.stem().string());
    QStringList arguments = QString("-gray -aa no -aaVector no -singlefile").split(' ');
    for (const auto& [flag, value] : {std::pair("-r", dpi),
                                      {"-f", page},
                                      {"-l", page},
                                      {"-x", x},
                                      {"-y", y},
                                      {"-W", width},
                                      {"-H", height}}) {
        arguments << flag << QString::number(value);
    }
    RunTool("pdftoppm", arguments << QString::fromStdString(pdf.string())
                                  << QString::fromStdString(prefix.string()));
    const std::string pgm = ReadWholeFile(prefix.string() + ".pgm");
    GreyBand band{x, y, 0, 0, {}};
    std::istringstream header(pgm);
    std::string magic;
    int maxValue = 0;
    header >> magic >> band.width >> band.height >> maxValue;
    const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
    const std::size_t size = static_cast<std::size_t>(band.width) * band.height;
    if (magic != "P5" || maxValue != 255 || band.width != width || band.height != height ||
        start + size > pgm.size()) {
        ADD_FAILURE() << "pdftoppm gave no 8-bit grey map of " << width << " x " << height;
        return GreyBand{};
    }
    band.pixels = pgm.substr(start, size);
    return band;
}

// ---------------------------------------------------------------------------------------------
// The page as laid out: the measures of the default printer and where each text must stand

struct PageGeometry {
    double dpiX = 0;
    double dpiY = 0;
    double leftPt = 0; // printable area's corner on the paper, in points
    double topPt = 0;
    double paperWidthPt = 0;
    int em = 0; // character height of the 10-point fonts, in printer pixels
    int W = 0, h = 0, a = 0;
    QFont normal;
    QFont bold;
    std::unique_ptr<QPrinter> printer; // the default printer, never begun: for measuring only

    double X(int px) const { return leftPt + px * 72.0 / dpiX; }
    double Y(int px) const { return topPt + px * 72.0 / dpiY; }
    int L() const { return 5 * a; }
    int R() const { return W - 5 * a; }
};

// The measures of a printer set up on Letter (the queue's paper, as print_e2e.sh set it), kept
// with the printer itself for measuring texts.
PageGeometry Measure(std::unique_ptr<QPrinter> printer) {
    PageGeometry g;
    if (!printer->isValid()) {
        ADD_FAILURE() << "the printer could not be opened";
        return g;
    }
    printer->setFullPage(false);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    g.dpiY = printer->logicalDpiY();
    g.dpiX = printer->logicalDpiX();
    const QRectF page = printer->pageRect(QPrinter::Point);
    g.leftPt = page.left();
    g.topPt = page.top();
    g.paperWidthPt = printer->paperRect(QPrinter::Point).width();
    g.em = ReportFontPixels(printer->logicalDpiY());
    const PageMeasures measures = MeasureReportFont(*printer);
    g.W = measures.width;
    g.h = measures.lineHeight;
    g.a = measures.aveCharWidth;
    g.printer = std::move(printer);
    for (QFont* f : {&g.normal, &g.bold}) {
        *f = QFont("Arial");
        f->setPixelSize(g.em);
        f->setWeight(f == &g.bold ? QFont::Bold : QFont::Normal);
    }
    return g;
}

struct Expected {
    int x = 0; // printer pixels, as the layout gives them
    int y = 0;
    std::string text;
    bool bold = false;
};

std::vector<std::string> SplitBlanks(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// Finds each expected text on the page: its first word where the layout puts the cell's top-left
// corner, its other words following on that line, and its width that of the text in its font.
// Every word on the page must belong to an expected text. Gives the top of each text found.
std::vector<double> CheckPage(const PageWords& words, const std::vector<Expected>& expected,
                              const PageGeometry& g, const std::string& where) {
    std::vector<double> tops;
    std::vector<bool> used(words.size(), false);
    for (const Expected& e : expected) {
        SCOPED_TRACE(where + ": \"" + e.text + "\"");
        const double x = g.X(e.x);
        const double y = g.Y(e.y);
        // The words of this line, left to right.
        std::vector<std::size_t> line;
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (std::abs(words[i].yMin - y) <= kPositionTolerance) {
                line.push_back(i);
            }
        }
        std::sort(line.begin(), line.end(),
                  [&](std::size_t l, std::size_t r) { return words[l].xMin < words[r].xMin; });
        auto first = std::find_if(line.begin(), line.end(), [&](std::size_t i) {
            return std::abs(words[i].xMin - x) <= kPositionTolerance;
        });
        if (first == line.end()) {
            ADD_FAILURE() << "no text starts at (" << x << ", " << y << ") points";
            tops.push_back(NAN);
            continue;
        }
        const QFontMetricsF metrics(e.bold ? g.bold : g.normal, g.printer.get());
        const auto advance = [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text)) * 72.0 / g.dpiX;
        };
        // A text that runs on past the paper's right edge is cut there, as on paper: what can be
        // read back are the characters that start on the sheet.
        std::string visible = Trimmed(e.text);
        for (std::size_t n = 1; n < visible.size(); ++n) {
            if (x + advance(visible.substr(0, n)) > g.paperWidthPt) {
                visible.resize(n);
                break;
            }
        }
        const std::vector<std::string> want = SplitBlanks(visible);
        std::vector<std::string> got;
        auto it = first;
        for (std::size_t n = 0; n < want.size() && it != line.end(); ++n, ++it) {
            got.push_back(words[*it].text);
            used[*it] = true;
        }
        EXPECT_EQ(got, want);
        tops.push_back(words[*first].yMin);
        if (got == want) {
            const double width = words[*std::prev(it)].xMax - words[*first].xMin;
            const double wantWidth = advance(visible);
            // A wrong face or weight shows as a width off by several per cent.
            EXPECT_NEAR(width, wantWidth, 0.005 * wantWidth + 0.3) << (e.bold ? "bold" : "normal");
        }
    }
    // Texts of one column and weight stand as far apart as the layout puts them: a rounding that
    // drifts down the page shows here long before it reaches the position tolerance.
    std::map<std::pair<int, bool>, std::size_t> above;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto key = std::pair(expected[i].x, expected[i].bold);
        if (const auto it = above.find(key); it != above.end()) {
            const std::size_t k = it->second;
            EXPECT_NEAR(tops[i] - tops[k], (expected[i].y - expected[k].y) * 72.0 / g.dpiY,
                        kPitchTolerance)
                << where << ": \"" << expected[k].text << "\" to \"" << expected[i].text << "\"";
        }
        above[key] = i;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_TRUE(used[i]) << where << ": unexpected text \"" << words[i].text << "\" at ("
                             << words[i].xMin << ", " << words[i].yMin << ")";
    }
    return tops;
}

// The rule under the headings: exactly three full pixel rows, 19h to 19h + 2, from L up to R.
// (The headings' descenders may reach into the band from above, but never across it.)
void CheckRule(const fs::path& pdf, int page, const PageGeometry& g) {
    SCOPED_TRACE("rule on page " + std::to_string(page));
    const int dpi = static_cast<int>(std::lround(g.dpiY));
    // One printer pixel to one rendered pixel.
    ASSERT_EQ(std::lround(g.dpiX), dpi);
    const int left = static_cast<int>(std::lround(g.leftPt * dpi / 72.0)) + g.L();
    const int right = static_cast<int>(std::lround(g.leftPt * dpi / 72.0)) + g.R();
    const int rule = static_cast<int>(std::lround(g.topPt * dpi / 72.0)) + 19 * g.h;
    const GreyBand band = RenderBand(pdf, page, dpi, left - 8, rule - 4, right - left + 16, 12);
    if (band.width == 0) {
        return;
    }
    std::vector<int> darkRows;
    for (int y = band.y; y < band.y + band.height; ++y) {
        int dark = 0;
        for (int x = left + 1; x < right - 1; ++x) {
            dark += band.Dark(x, y);
        }
        if (dark == right - left - 2) {
            darkRows.push_back(y);
            // From L to R, give or take the pixel that rendering may round either way.
            EXPECT_FALSE(band.Dark(left - 2, y)) << "row " << y;
            EXPECT_FALSE(band.Dark(right + 1, y)) << "row " << y;
        }
    }
    ASSERT_EQ(darkRows.size(), 3u) << "rows dark from L to R";
    EXPECT_NEAR(darkRows[0], rule, 1);
    EXPECT_EQ(darkRows[2] - darkRows[0], 2);
}

void CheckFonts(const fs::path& pdf) {
    const std::vector<PdfFont> fonts = ReadFonts(pdf);
    std::set<std::string> names;
    for (const PdfFont& font : fonts) {
        EXPECT_TRUE(font.embedded) << font.name;
        names.insert(font.name);
    }
    // Arial itself or its metric twin, in the regular and the bold weight and nothing else.
    const bool liberation = names == std::set<std::string>{"LiberationSans", "LiberationSans-Bold"};
    const bool arial = names == std::set<std::string>{"ArialMT", "Arial-BoldMT"};
    EXPECT_TRUE(liberation || arial)
        << "fonts in the document: " << ::testing::PrintToString(names);
}

// The queue is set up for Letter: every page of the job must be on it, whatever the locale says.
void CheckLetterPaper(const fs::path& pdf) {
    const std::string info =
        RunTool("pdfinfo", {"-f", "1", "-l", "99", QString::fromStdString(pdf.string())});
    std::istringstream lines(info);
    int pages = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Page ") && line.find(" size:") != std::string::npos) {
            ++pages;
            EXPECT_NE(line.find("612 x 792 pts"), std::string::npos) << line;
        }
    }
    EXPECT_GT(pages, 0) << info;
}

// ---------------------------------------------------------------------------------------------
// Date and time texts, written out here rather than taken from the report code

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

std::pair<std::string, std::string> DateTimeTexts(const std::tm& t) {
    const int hour = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    return {"DATE " + TwoDigits(t.tm_mon + 1) + "/" + TwoDigits(t.tm_mday) + "/" +
                std::to_string(t.tm_year + 1900),
            "TIME " + TwoDigits(hour) + ":" + TwoDigits(t.tm_min) +
                (t.tm_hour < 12 ? " AM" : " PM")};
}

// The date and time a page shows: the words at the top left and the top right.
std::pair<std::string, std::string> ShownDateTime(const PageWords& words, const PageGeometry& g) {
    std::string date;
    std::string time;
    // The word after each label on the same line.
    for (const char* label : {"DATE", "TIME"}) {
        const auto at = std::find_if(words.begin(), words.end(), [&](const Word& w) {
            return w.text == label && std::abs(w.yMin - g.Y(0)) <= kPositionTolerance;
        });
        if (at == words.end()) {
            continue;
        }
        std::vector<const Word*> after;
        for (const Word& w : words) {
            if (std::abs(w.yMin - at->yMin) <= kPositionTolerance && w.xMin > at->xMin) {
                after.push_back(&w);
            }
        }
        std::sort(after.begin(), after.end(),
                  [](const Word* l, const Word* r) { return l->xMin < r->xMin; });
        const bool isDate = std::string(label) == "DATE";
        std::string& text = isDate ? date : time;
        text = label;
        const std::size_t count = isDate ? 1 : 2;
        for (std::size_t i = 0; i < count && i < after.size(); ++i) {
            text += " " + after[i]->text;
        }
    }
    return {date, time};
}

struct RunClock {
    std::tm before{};
    std::tm after{};
};

std::tm Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// Checks the header's date and time against the clock around the run; gives the texts shown.
std::pair<std::string, std::string> CheckDateTime(const PageWords& words, const PageGeometry& g,
                                                  const RunClock& clock) {
    const auto shown = ShownDateTime(words, g);
    const auto early = DateTimeTexts(clock.before);
    const auto late = DateTimeTexts(clock.after);
    EXPECT_TRUE(shown == early || shown == late)
        << "shown " << shown.first << " " << shown.second << ", expected " << early.first << " "
        << early.second << " (or " << late.first << " " << late.second << ")";
    return shown;
}

// ---------------------------------------------------------------------------------------------
// What is printed

struct Printed {
    KeptJob job;
    std::vector<PageWords> pages;
    RunClock clock;
};

// Runs one print and brings back what the spooler got.
template <class PrintRun> std::optional<Printed> PrintAndKeep(PrintRun run) {
    const std::set<int> before = DoneJobs();
    Printed printed;
    printed.clock.before = Now();
    run();
    printed.clock.after = Now();
    const std::optional<KeptJob> job = WaitForNewJob(before);
    if (!job) {
        ADD_FAILURE() << "no job reached the backend within " << kJobWait.count() << " s";
        return std::nullopt;
    }
    printed.job = *job;
    printed.pages = ReadWords(job->pdf);
    return printed;
}

// Every page of a PDF against the document: each text where it says, the rules under the
// headings, the fonts and the paper.
void CheckDocument(const fs::path& pdf, const std::vector<PageWords>& pages,
                   const ReportDocument& document, const PageGeometry& g) {
    ASSERT_EQ(pages.size(), document.pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<Expected> expected;
        for (const PlacedText& t : document.pages[p].texts) {
            expected.push_back({t.x, t.y, t.text, t.bold});
        }
        const std::string where = "page " + std::to_string(p + 1);
        CheckPage(pages[p], expected, g, where);
        if (!document.pages[p].rules.empty()) {
            CheckRule(pdf, static_cast<int>(p + 1), g);
        }
    }
    CheckFonts(pdf);
    CheckLetterPaper(pdf);
}

class PrintE2E : public ::testing::Test, protected CapturedSeams {
protected:
    PrintE2E() : CapturedSeams(std::chrono::seconds(120)) { SetReportPrinter({}); }
    static void SetUpTestSuite() {
        geometry_ = new PageGeometry(Measure(
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)));
    }
    static void TearDownTestSuite() {
        delete geometry_;
        geometry_ = nullptr;
    }
    const PageGeometry& G() const { return *geometry_; }
    static PageGeometry* geometry_;
};
PageGeometry* PrintE2E::geometry_ = nullptr;

// The measures must be Arial's: 2048 units to the em, ascent 1854, descent 434, line gap 67,
// average width 904 (Liberation Sans matches every one of them).
TEST_F(PrintE2E, DefaultPrinterHasArialMeasures) {
    const int em = G().em;
    const auto units = [em](int u) { return static_cast<int>(std::lround(u * em / 2048.0)); };
    EXPECT_EQ(em, static_cast<int>(std::lround(10.0 * G().dpiY / 72.0)));
    EXPECT_NEAR(G().h, units(1854) + units(434) + units(67), 1);
    EXPECT_NEAR(G().a, units(904), 1);
    EXPECT_GT(G().W, 0);
}

// Each calculator's worked values printed with its Print button on the default printer: every
// page the spooler kept is the window's report for that printer's page, dated by the run's clock.
// The knife list runs onto a second page.
class WindowPrintE2E : public PrintE2E, public ::testing::WithParamInterface<Window> {};

TEST_P(WindowPrintE2E, PrintsItsReportOnTheDefaultPrinter) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    w.Do(w.Row().printable);
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{});
    ASSERT_TRUE(w.Enabled(w.PrintButton()));

    const auto printed = PrintAndKeep([&] { w.Click(w.PrintButton()); });
    ASSERT_TRUE(printed);
    EXPECT_TRUE(w.Dialog().isEnabled()) << "usable again after printing";
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{}) << "printing shows nothing";
    EXPECT_EQ(printed->job.title, w.Row().document);
    ASSERT_FALSE(printed->pages.empty());
    const auto [date, time] = CheckDateTime(printed->pages[0], G(), printed->clock);
    const ReportDocument document =
        w.Row().report(w.Dialog())({G().W, G().h, G().a}, ReportStamp{date, time});
    EXPECT_EQ(document.pages.size(), GetParam() == Window::Slitter ? 2u : 1u);
    CheckDocument(printed->job.pdf, printed->pages, document, G());
}

INSTANTIATE_TEST_SUITE_P(, WindowPrintE2E, ::testing::ValuesIn(Calculators()), kWindowName);

// The painter alone, on a PDF file: each text of a document stands where the document puts it,
// in its weight, on the page it belongs to.
TEST_F(PrintE2E, PainterPutsEachTextWhereTheDocumentSays) {
    const fs::path pdf = JobFolder() / "painted.pdf";
    auto writer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    writer->setOutputFormat(QPrinter::PdfFormat);
    writer->setOutputFileName(QString::fromStdString(pdf.string()));
    PageGeometry g = Measure(std::move(writer));
    ReportDocument document;
    ASSERT_TRUE(PaintReport(*g.printer, [&](const PageMeasures& m) {
        document = {
            "Painted",
            {{{{0, 0, "Top left", false},
               {m.width / 2, 7 * m.lineHeight, "Bold middle", true},
               {9 * m.aveCharWidth, 40 * m.lineHeight, "1.0000 inches / 25.4000 mm", false}},
              {{0, m.width, 19 * m.lineHeight}}},
             {{{5 * m.aveCharWidth, 62 * m.lineHeight, "Page 2 of 2", false}}, {}}}};
        return document;
    }));
    const std::vector<PageWords> pages = ReadWords(pdf);
    ASSERT_EQ(pages.size(), document.pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<Expected> expected;
        for (const PlacedText& t : document.pages[p].texts) {
            expected.push_back({t.x, t.y, t.text, t.bold});
        }
        CheckPage(pages[p], expected, g, "page " + std::to_string(p + 1));
    }
}

// A queue that refuses jobs (cupsreject): Print says so instead of ending as if it had printed.
TEST_F(PrintE2E, RefusedJobIsReported) {
    const QString queue = QString::fromUtf8(std::getenv("ROLLCALC_E2E_QUEUE"));
    RunTool("cupsreject", {queue});
    struct Accept {
        QString queue;
        ~Accept() { RunTool("cupsaccept", {queue}); }
    } acceptAgain{queue};

    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.Do(w.Row().printable);
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{});
    w.Click(w.PrintButton());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind(PrintOutcomeMessage(PrintOutcome::JobRefused), 0), 0u)
        << messages[0].text;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    // Only ever print to the queue the script set up, never to a real printer.
    const char* queue = std::getenv("ROLLCALC_E2E_QUEUE");
    if (JobFolder().empty() || queue == nullptr ||
        QPrinterInfo::defaultPrinter().printerName() != QString::fromUtf8(queue)) {
        std::fprintf(stderr, "print_e2e_driver runs under print_e2e.sh, which sets up its own "
                             "spooler and default queue\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
