// End-to-end print checks, run by print_e2e.sh against its private CUPS queue: each report goes
// through the real default-printer path (QPrinterInfo, QPrinter, the spooler, a backend that keeps
// the job), and the kept PDF is read back with poppler and compared with the page layout.
#include <QApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <ranges>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include "platform/print_report.h"
#include "platform/report_painter.h"
#include "report/report_frame.h"
#include "tests/calculator_window.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kJobWait = std::chrono::seconds(30);
constexpr double kTolerance = 0.1; // points, for places and pitches; texts stand within 0.02

fs::path JobFolder() {
    const char* folder = std::getenv("ROLLCALC_E2E_JOBS");
    return folder != nullptr ? fs::path(folder) : fs::path();
}

// The jobs the backend has finished keeping (it writes job-N.done last).
std::set<int> DoneJobs() {
    std::set<int> ids;
    for (const fs::directory_entry& entry : fs::directory_iterator(JobFolder())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("job-") && name.ends_with(".done")) {
            ids.insert(std::stoi(name.substr(4)));
        }
    }
    return ids;
}

struct Word {
    poppler::rectf box; // points from the paper's top-left corner
    std::string text;
};
using PageWords = std::vector<Word>;

struct Pdf {
    std::unique_ptr<poppler::document> document;
    std::vector<std::unique_ptr<poppler::page>> pages; // destroyed before their document
    std::vector<PageWords> words;
};

Pdf ReadPdf(const fs::path& path) {
    Pdf pdf;
    pdf.document.reset(poppler::document::load_from_file(path.string()));
    if (!pdf.document) {
        ADD_FAILURE() << "poppler cannot read " << path;
        return pdf;
    }
    for (int p = 0; p < pdf.document->pages(); ++p) {
        pdf.pages.emplace_back(pdf.document->create_page(p));
        PageWords& words = pdf.words.emplace_back();
        for (const poppler::text_box& box : pdf.pages.back()->text_list()) {
            const poppler::byte_array utf8 = box.text().to_utf8();
            words.push_back({box.bbox(), std::string(utf8.begin(), utf8.end())});
        }
    }
    return pdf;
}

// A printer set up on Letter (the queue's paper, as print_e2e.sh set it) and never begun: its
// measures and where each text must stand on its paper.
struct PageGeometry {
    explicit PageGeometry(std::unique_ptr<QPrinter> device) : printer(std::move(device)) {
        if (!printer->isValid()) {
            ADD_FAILURE() << "the printer could not be opened";
            return;
        }
        printer->setFullPage(false);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        dpiX = printer->logicalDpiX();
        dpiY = printer->logicalDpiY();
        corner = printer->pageRect(QPrinter::Point).topLeft();
        m = MeasureReportFont(*printer);
        fonts[0].setPixelSize(ReportFontPixels(printer->logicalDpiY())); // the 10-point size
        fonts[1] = fonts[0];
        fonts[1].setWeight(QFont::Bold);
    }
    double X(int px) const { return corner.x() + px * 72.0 / dpiX; }
    double Y(int px) const { return corner.y() + px * 72.0 / dpiY; }

    std::unique_ptr<QPrinter> printer;
    double dpiX = 0, dpiY = 0;
    QPointF corner; // the printable area's on the paper, in points
    PageMeasures m;
    QFont fonts[2] = {QFont("Arial"), QFont("Arial")}; // normal and bold
};

// The words whose tops stand on the line at y points, left to right.
std::vector<const Word*> LineAt(const PageWords& words, double y) {
    std::vector<const Word*> line;
    for (const Word& w : words) {
        if (std::abs(w.box.top() - y) <= kTolerance) {
            line.push_back(&w);
        }
    }
    std::ranges::sort(line, {}, [](const Word* w) { return w->box.left(); });
    return line;
}

// Each text of the layout's page found on the PDF's: its first word at the text's top-left corner,
// its other words following on that line, its width that of the text in its weight. Every word
// on the page must belong to a text.
void CheckPage(const PageWords& words, const ReportPage& page, const PageGeometry& g) {
    std::set<const Word*> used;
    const double paperWidth = g.printer->paperRect(QPrinter::Point).width();
    // The last text found in each column and weight: its layout y and its top on the page.
    std::map<std::pair<int, bool>, std::pair<int, double>> above;
    for (const PlacedText& t : page.texts) {
        SCOPED_TRACE("\"" + t.text + "\"");
        const double x = g.X(t.x);
        const std::vector<const Word*> line = LineAt(words, g.Y(t.y));
        const auto first = std::ranges::find_if(
            line, [&](const Word* w) { return std::abs(w->box.left() - x) <= kTolerance; });
        if (first == line.end()) {
            ADD_FAILURE() << "no text starts at (" << x << ", " << g.Y(t.y) << ") points";
            continue;
        }
        const QFontMetricsF metrics(g.fonts[t.bold], g.printer.get());
        const auto advance = [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text)) * 72.0 / g.dpiX;
        };
        // A text that runs on past the paper's right edge is cut there, as on paper: what can be
        // read back are the characters that start on the sheet.
        std::string visible = t.text.substr(0, t.text.find_last_not_of(' ') + 1);
        for (std::size_t n = 1; n < visible.size(); ++n) {
            if (x + advance(visible.substr(0, n)) > paperWidth) {
                visible.resize(n);
                break;
            }
        }
        std::istringstream split(visible);
        const std::vector<std::string> want{std::istream_iterator<std::string>(split), {}};
        std::vector<std::string> got;
        for (auto it = first; it != line.end() && got.size() < want.size(); ++it) {
            got.push_back((*it)->text);
            used.insert(*it);
        }
        EXPECT_EQ(got, want);
        if (got == want && !want.empty()) {
            const double width = (*(first + want.size() - 1))->box.right() - (*first)->box.left();
            // A wrong face or weight shows as a width off by several per cent.
            EXPECT_NEAR(width, advance(visible), 0.005 * advance(visible) + 0.3)
                << (t.bold ? "bold" : "normal");
        }
        // A rounding that drifts down the page shows here long before the position tolerance.
        const auto [last, isFirst] = above.try_emplace({t.x, t.bold}, t.y, (*first)->box.top());
        if (!isFirst) {
            EXPECT_NEAR((*first)->box.top() - last->second.second,
                        (t.y - last->second.first) * 72.0 / g.dpiY, kTolerance)
                << "pitch from the text above in its column";
            last->second = {t.y, (*first)->box.top()};
        }
    }
    for (const Word& w : words) {
        EXPECT_TRUE(used.contains(&w)) << "unexpected text \"" << w.text << "\" at ("
                                       << w.box.left() << ", " << w.box.top() << ")";
    }
}

// The rule under the headings: exactly three full pixel rows, 19h to 19h + 2, from L up to R.
// (The headings' descenders may reach into the band from above, but never across it.)
void CheckRule(const poppler::page& page, const PageGeometry& g) {
    const int dpi = static_cast<int>(std::lround(g.dpiY));
    ASSERT_EQ(std::lround(g.dpiX), dpi); // one printer pixel to one rendered pixel
    const auto px = [dpi](double pt) { return static_cast<int>(std::lround(pt * dpi / 72.0)); };
    const int left = px(g.corner.x()) + 5 * g.m.aveCharWidth;
    const int right = px(g.corner.x()) + g.m.width - 5 * g.m.aveCharWidth;
    const int rule = px(g.corner.y()) + 19 * g.m.lineHeight;
    poppler::page_renderer renderer;
    renderer.set_render_hints(0); // no smoothing, so each pixel is dark or light
    renderer.set_image_format(poppler::image::format_gray8);
    const int bandX = left - 8, bandY = rule - 4;
    const poppler::image band =
        renderer.render_page(&page, dpi, dpi, bandX, bandY, right - left + 16, 12);
    ASSERT_TRUE(band.is_valid());
    std::vector<int> darkRows;
    for (int y = bandY; y < bandY + band.height(); ++y) {
        const auto dark = [&](int x) {
            const char pixel = band.const_data()[(y - bandY) * band.bytes_per_row() + (x - bandX)];
            return static_cast<unsigned char>(pixel) < 128;
        };
        if (std::ranges::all_of(std::views::iota(left + 1, right - 1), dark)) {
            darkRows.push_back(y);
            // From L to R, give or take the pixel that rendering may round either way.
            EXPECT_FALSE(dark(left - 2) || dark(right + 1)) << "row " << y;
        }
    }
    ASSERT_EQ(darkRows.size(), 3u) << "rows dark from L to R";
    EXPECT_NEAR(darkRows[0], rule, 1);
    EXPECT_EQ(darkRows[2] - darkRows[0], 2);
}

// Every page of a PDF against the document: its texts, the rules under the headings, the fonts
// and the paper.
void CheckDocument(const Pdf& pdf, const ReportDocument& document, const PageGeometry& g) {
    ASSERT_EQ(pdf.pages.size(), document.pages.size());
    for (std::size_t p = 0; p < pdf.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        CheckPage(pdf.words[p], document.pages[p], g);
        // The queue is set up for Letter: every page must be on it, whatever the locale says.
        const poppler::rectf paper = pdf.pages[p]->page_rect(poppler::media_box);
        EXPECT_EQ(std::pair(std::lround(paper.width()), std::lround(paper.height())),
                  std::pair(612L, 792L));
        if (!document.pages[p].rules.empty()) {
            CheckRule(*pdf.pages[p], g);
        }
    }
    using Names = std::set<std::string>;
    Names names;
    for (const poppler::font_info& font : pdf.document->fonts()) {
        EXPECT_TRUE(font.is_embedded()) << font.name();
        names.insert(font.name().substr(font.name().find('+') + 1)); // without the subset tag
    }
    // Arial itself or its metric twin, in the regular and the bold weight and nothing else.
    EXPECT_TRUE((names == Names{"LiberationSans", "LiberationSans-Bold"} ||
                 names == Names{"ArialMT", "Arial-BoldMT"}))
        << "fonts in the document: " << ::testing::PrintToString(names);
}

// The date and time as the clock read them, written here rather than by the report code.
ReportStamp StampAt(std::time_t time) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(time);
    const auto put = [&local](const char* format) {
        return QLocale::c().toString(local, format).toStdString(); // AM and PM whatever the locale
    };
    return {put("'DATE 'MM/dd/yyyy"), put("'TIME 'hh:mm AP")};
}

// The one job the spooler has finished keeping since it held `before`, or no path.
fs::path KeptJob(const std::set<int>& before) {
    for (const auto deadline = std::chrono::steady_clock::now() + kJobWait;
         std::chrono::steady_clock::now() < deadline; QThread::msleep(100)) {
        std::vector<int> fresh;
        std::ranges::set_difference(DoneJobs(), before, std::back_inserter(fresh));
        if (!fresh.empty()) {
            EXPECT_EQ(fresh.size(), 1u) << "jobs spooled by one print run";
            return JobFolder() / ("job-" + std::to_string(fresh[0]));
        }
    }
    ADD_FAILURE() << "no job reached the backend within " << kJobWait.count() << " s";
    return {};
}

class PrintE2E : public ::testing::Test, protected CapturedSeams {
protected:
    PrintE2E() : CapturedSeams(std::chrono::seconds(120)) { SetReportPrinter({}); }
    static void SetUpTestSuite() {
        geometry_ = std::make_unique<PageGeometry>(
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution));
    }
    static void TearDownTestSuite() { geometry_.reset(); } // printers go before the application
    const PageGeometry& G() const { return *geometry_; }
    static inline std::unique_ptr<PageGeometry> geometry_;
};

// The measures must be Arial's: 2048 units to the em, ascent 1854, descent 434, line gap 67,
// average width 904 (Liberation Sans matches every one of them).
TEST_F(PrintE2E, DefaultPrinterHasArialMeasures) {
    const int em = G().fonts[0].pixelSize();
    const auto units = [em](int u) { return static_cast<int>(std::lround(u * em / 2048.0)); };
    EXPECT_EQ(em, static_cast<int>(std::lround(10.0 * G().dpiY / 72.0)));
    EXPECT_NEAR(G().m.lineHeight, units(1854) + units(434) + units(67), 1);
    EXPECT_NEAR(G().m.aveCharWidth, units(904), 1);
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

    const std::set<int> jobs = DoneJobs();
    const std::time_t before = std::time(nullptr); // the clock around the run
    w.Click(w.PrintButton());
    const std::time_t after = std::time(nullptr);
    const fs::path job = KeptJob(jobs);
    ASSERT_FALSE(job.empty());
    EXPECT_TRUE(w.Dialog().isEnabled()) << "usable again after printing";
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{}) << "printing shows nothing";
    std::ifstream title(job.string() + ".title");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(title), {}), w.Row().document);
    const Pdf pdf = ReadPdf(job.string() + ".pdf");
    ASSERT_FALSE(pdf.words.empty());
    // Dated by the clock as it read before the run, or after it where the header shows that.
    std::string header;
    for (const Word* word : LineAt(pdf.words[0], G().Y(0))) {
        header += word->text + ' ';
    }
    const ReportStamp late = StampAt(after);
    const bool showsLate = header.find(late.time + ' ') != std::string::npos; // and so its date
    const ReportDocument document =
        w.Row().report(w.Dialog())(G().m, showsLate ? late : StampAt(before));
    EXPECT_EQ(document.pages.size(), GetParam() == Window::Slitter ? 2u : 1u);
    CheckDocument(pdf, document, G());
}

INSTANTIATE_TEST_SUITE_P(, WindowPrintE2E, ::testing::ValuesIn(Calculators()), kWindowName);

// The painter alone, on a PDF file: each text of a document stands where the document puts it,
// in its weight, on the page it belongs to, and its rule is drawn as a report's is.
TEST_F(PrintE2E, PainterPutsEachTextWhereTheDocumentSays) {
    const fs::path pdf = JobFolder() / "painted.pdf";
    auto writer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    writer->setOutputFormat(QPrinter::PdfFormat);
    writer->setOutputFileName(QString::fromStdString(pdf.string()));
    PageGeometry g(std::move(writer));
    ReportDocument document;
    ASSERT_TRUE(PaintReport(*g.printer, [&](const PageMeasures& m) {
        const int L = 5 * m.aveCharWidth; // a report's rule: three pixel rows from L to R
        const int R = m.width - L;
        document = {
            "Painted",
            {{{{0, 0, "Top left", false},
               {m.width / 2, 7 * m.lineHeight, "Bold middle", true},
               {9 * m.aveCharWidth, 40 * m.lineHeight, "1.0000 inches / 25.4000 mm", false}},
              {{L, R, 19 * m.lineHeight},
               {L, R, 19 * m.lineHeight + 1},
               {L, R, 19 * m.lineHeight + 2}}},
             {{{5 * m.aveCharWidth, 62 * m.lineHeight, "Page 2 of 2", false}}, {}}}};
        return document;
    }));
    CheckDocument(ReadPdf(pdf), document, g);
}

// A queue that refuses jobs (cupsreject): Print says so instead of ending as if it had printed.
TEST_F(PrintE2E, RefusedJobIsReported) {
    const QString queue = QString::fromUtf8(std::getenv("ROLLCALC_E2E_QUEUE"));
    ASSERT_EQ(QProcess::execute("cupsreject", {queue}), 0);
    const auto acceptAgain =
        qScopeGuard([&] { EXPECT_EQ(QProcess::execute("cupsaccept", {queue}), 0); });

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
