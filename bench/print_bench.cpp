// Printing a knife list of 10,000 rows (250 pages) to a PDF-producing QPrinter: the slitter report
// through CReportFrame and QtPrintSurface, against a bare loop that draws the same texts and lines
// with QPainter on the same kind of printer. The two alternate within one run, so that both see the
// same machine load; the counters give each side's median, in wall and processor time, and their
// ratios. Target: ratio <= 1.2.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/qt_print_surface.h"
#include "report/report_frame.h"
#include "slitter/slit_list.h"
#include "slitter/slitter_report.h"

namespace {

constexpr int kRows = 10000;
constexpr int kRowsPerPage = 40;

// The fixed clock keeps both sides' texts identical.
std::tm FixedTime() {
    std::tm t{};
    t.tm_year = 2001 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 26;
    t.tm_hour = 14;
    t.tm_min = 5;
    return t;
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setFullPage(false);
    return printer;
}

CSlitList KnifeList() {
    CSlitList list;
    list.AddEqualSlits(kRows - 1, 0.125, 3.175);
    return list;
}

void PrintThroughReport(const CSlitList& list, const QString& file) {
    PrintSlitterReport(
        list, [&file] { return std::make_unique<QtPrintSurface>(PdfPrinter(file)); }, FixedTime);
}

// The page measures the report takes from its surface, taken here once, outside the timing.
struct Layout {
    int em = 0;
    int W = 0;
    int h = 0;
    int a = 0;
};

Layout MeasureLayout(const QString& file) {
    QtPrintSurface surface(PdfPrinter(file));
    Layout layout;
    layout.em = -ReportFontHeight(surface.PixelsPerInchY());
    surface.SelectFont(surface.CreateFont(PrintFontSpec{"Arial", -layout.em, 400}));
    const PrintTextMetrics metrics = surface.GetTextMetrics();
    layout.W = surface.PrintableWidth();
    layout.h = metrics.height + metrics.externalLeading;
    layout.a = metrics.aveCharWidth;
    return layout;
}

// The same texts at the same places, in the same order and fonts, drawn straight with QPainter.
void PrintBare(const CSlitList& list, const Layout& m, const QString& file) {
    const std::unique_ptr<QPrinter> printer = PdfPrinter(file);
    printer->setDocName("Slitter Calculations");
    QFont normalFont("Arial");
    normalFont.setPixelSize(m.em);
    QFont boldFont = normalFont;
    boldFont.setWeight(QFont::Bold);
    normalFont = QFont(normalFont, printer.get());
    boldFont = QFont(boldFont, printer.get());
    const int normalAscent = QFontMetrics(normalFont, printer.get()).ascent();
    const int boldAscent = QFontMetrics(boldFont, printer.get()).ascent();

    const QString date = QStringLiteral("DATE 03/26/2001");
    const QString time = QStringLiteral("TIME 02:05 PM");
    const QString title = QStringLiteral("Velmarch Products Slitter Position Report");
    const int L = 5 * m.a;
    const int R = m.W - 5 * m.a;
    const int h = m.h;
    const int a = m.a;

    QPainter painter(printer.get());
    painter.setPen(QPen(Qt::black, 0));
    const int pages = (kRows + kRowsPerPage - 1) / kRowsPerPage;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            printer->newPage();
        }
        painter.setFont(normalFont);
        painter.drawText(QPoint(L, normalAscent), date);
        painter.drawText(QPoint(R - 13 * a, normalAscent), time);
        painter.drawText(QPoint(10 * a, 4 * h + normalAscent), "Velmarch Products LLC");
        painter.drawText(QPoint(10 * a, 5 * h + normalAscent), "1820 Spindle Mill Road");
        painter.drawText(QPoint(10 * a, 6 * h + normalAscent), "Harrow Falls, WI 54999");
        painter.drawText(QPoint(10 * a, 7 * h + normalAscent), "Telephone (920) 555-0147");
        painter.drawText(QPoint(60 * a, 6 * h + normalAscent),
                         "Job Name / Number: _________________________________________________");
        painter.setFont(boldFont);
        painter.drawText(QPoint(m.W / 2 - (title.size() / 2) * a, boldAscent), title);
        painter.drawText(QPoint(5 * a, 18 * h + boldAscent), "Position");
        painter.drawText(QPoint(30 * a, 18 * h + boldAscent), "Slit Width ");
        painter.drawText(QPoint(75 * a, 18 * h + boldAscent), "Distance ");
        for (int i = 0; i < 3; ++i) {
            painter.drawLine(L, 19 * h + i, R - 1, 19 * h + i);
        }
        painter.setFont(normalFont);
        for (int k = 0; k < kRowsPerPage && page * kRowsPerPage + k < kRows; ++k) {
            const KnifeRow& row = list.Row(static_cast<std::size_t>(page * kRowsPerPage + k));
            const int y = (20 + k) * h + normalAscent;
            painter.drawText(QPoint(L, y), QString::fromStdString(row.cells[0]));
            painter.drawText(QPoint(30 * a, y), QString::fromStdString(row.cells[1] + " inches / " +
                                                                       row.cells[2] + " mm"));
            painter.drawText(QPoint(75 * a, y), QString::fromStdString(row.cells[3] + " inches / " +
                                                                       row.cells[4] + " mm"));
        }
        const QString footer = QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages);
        painter.drawText(QPoint(m.W / 2 - (footer.size() / 2) * a, 62 * h + normalAscent), footer);
    }
    painter.end();
}

// Processor time of the whole process: on a shared machine it moves less than the wall clock.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Side {
    std::vector<double> wall;
    std::vector<double> cpu;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void PrintKnifeList10000(benchmark::State& state) {
    const CSlitList list = KnifeList();
    const QString reportFile = QDir::temp().filePath("rollcalc-print-bench-report.pdf");
    const QString bareFile = QDir::temp().filePath("rollcalc-print-bench-bare.pdf");
    const Layout layout = MeasureLayout(reportFile);
    Side report;
    Side bare;
    bool reportFirst = true;
    for (auto _ : state) {
        // Alternating which side goes first evens out warm caches and load drift.
        for (int side = 0; side < 2; ++side) {
            const bool doReport = (side == 0) == reportFirst;
            const double wall = WallSeconds();
            const double cpu = CpuSeconds();
            if (doReport) {
                PrintThroughReport(list, reportFile);
            } else {
                PrintBare(list, layout, bareFile);
            }
            Side& timed = doReport ? report : bare;
            timed.cpu.push_back(CpuSeconds() - cpu);
            timed.wall.push_back(WallSeconds() - wall);
        }
        reportFirst = !reportFirst;
    }
    const double reportWall = Median(report.wall);
    const double bareWall = Median(bare.wall);
    const double reportCpu = Median(report.cpu);
    const double bareCpu = Median(bare.cpu);
    state.counters["report_ms"] = reportWall * 1e3;
    state.counters["bare_ms"] = bareWall * 1e3;
    state.counters["ratio"] = bareWall > 0 ? reportWall / bareWall : 0.0;
    state.counters["report_cpu_ms"] = reportCpu * 1e3;
    state.counters["bare_cpu_ms"] = bareCpu * 1e3;
    state.counters["cpu_ratio"] = bareCpu > 0 ? reportCpu / bareCpu : 0.0;
    // Both sides must have drawn the same document for the comparison to mean anything.
    const qint64 reportBytes = QFileInfo(reportFile).size();
    const qint64 bareBytes = QFileInfo(bareFile).size();
    state.counters["report_pdf_kB"] = static_cast<double>(reportBytes) / 1024.0;
    state.counters["bare_pdf_kB"] = static_cast<double>(bareBytes) / 1024.0;
    if (reportBytes == 0 || std::abs(reportBytes - bareBytes) > reportBytes / 100) {
        state.SkipWithError("the two sides produced different documents");
    }
    QFile::remove(reportFile);
    QFile::remove(bareFile);
}

} // namespace

BENCHMARK(PrintKnifeList10000)->Unit(benchmark::kMillisecond)->Iterations(9);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
