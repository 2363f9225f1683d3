#include "platform/print_report.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

#if defined(__unix__) && !defined(__APPLE__)
#include <cups/cups.h>
#include <dlfcn.h>
#endif

#include "platform/message_box.h"

namespace {

using Clock = std::chrono::steady_clock;

// A run that has not found the printer and handed it the document by then shows its progress.
constexpr auto kQuiet = std::chrono::milliseconds(500);
constexpr auto kDefaultDeadline = std::chrono::seconds(15);
constexpr int kPdfResolution = 1200;

// What the tests put in place of the dialog, the printer and the deadline.
struct StandIns {
    SaveFileAnswer answer;
    ReportPrinter printer;
    std::chrono::milliseconds deadline = kDefaultDeadline;
};

StandIns& Given() {
    static StandIns given;
    return given;
}

// Where CUPS connects: what the environment names (CUPS keeps its own answer per thread, from
// the first time it was asked), else CUPS's answer once Qt's print support has loaded it.
std::string PrintServerAddress() {
#if defined(__unix__) && !defined(__APPLE__)
    if (const char* server = std::getenv("CUPS_SERVER"); server != nullptr && *server != '\0') {
        std::string address = server;
        if (address.find(':') == std::string::npos && !address.starts_with('/')) {
            address += ":631";
        }
        return address;
    }
    if (void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        const auto server = reinterpret_cast<const char* (*)()>(dlsym(cups, "cupsServer"));
        const auto port = reinterpret_cast<int (*)()>(dlsym(cups, "ippPort"));
        std::string address = server != nullptr && server() != nullptr ? server() : "";
        // A local socket has no port.
        if (!address.empty() && !address.starts_with('/') && port != nullptr) {
            address.append(":").append(std::to_string(port()));
        }
        dlclose(cups);
        if (!address.empty()) {
            return address;
        }
    }
#endif
    return "localhost:631";
}

// The paper a queue without a driver description is set up for ("media", a PWG name such as
// na_letter_8.5x11in), read from CUPS once Qt has loaded it: Qt sees only a description's paper.
QPageSize QueuePaper(const QString& queue) {
    QPageSize paper;
#if defined(__unix__) && !defined(__APPLE__)
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (cups == nullptr) {
        return paper;
    }
    // Only the types are taken from the header: the program does not link CUPS.
    const auto getDest =
        reinterpret_cast<decltype(&cupsGetNamedDest)>(dlsym(cups, "cupsGetNamedDest"));
    const auto getOption = reinterpret_cast<decltype(&cupsGetOption)>(dlsym(cups, "cupsGetOption"));
    const auto freeDests = reinterpret_cast<decltype(&cupsFreeDests)>(dlsym(cups, "cupsFreeDests"));
    cups_dest_t* dest = getDest != nullptr && getOption != nullptr && freeDests != nullptr
                            ? getDest(nullptr, queue.toUtf8().constData(), nullptr)
                            : nullptr;
    if (dest != nullptr) {
        const char* media = getOption("media", dest->num_options, dest->options);
        // The name ends in its size: _8.5x11in or _210x297mm.
        static const QRegularExpression kSize(QStringLiteral(R"(_([\d.]+)x([\d.]+)(in|mm)$)"));
        const QRegularExpressionMatch size = kSize.match(QString::fromUtf8(media ? media : ""));
        if (size.hasMatch()) {
            paper = QPageSize(QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()),
                              size.captured(3) == QLatin1String("in") ? QPageSize::Inch
                                                                      : QPageSize::Millimeter,
                              QString(), QPageSize::FuzzyMatch);
        }
        freeDests(1, dest);
    }
    dlclose(cups);
#else
    Q_UNUSED(queue);
#endif
    return paper;
}

std::optional<std::string> AskForFile(QWidget* owner, const std::string& suggested) {
    if (Given().answer) {
        return Given().answer(suggested);
    }
    // A path with a file name opens in its folder with the file selected.
    QFileDialog dialog(owner, QStringLiteral("Save Report as PDF"),
                       QString::fromStdString(suggested), QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath().toStdString();
}

// The PDF copy on the paper of the user's locale, at a printer's resolution. A PDF writer, not a
// QPrinter, which would ask the spooler for its default printer first.
void SetUpPdf(QPdfWriter& pdf) {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    pdf.setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
    pdf.setResolution(kPdfResolution);
    pdf.setCreator(QString::fromStdString(ApplicationTitle()));
}

// Runs the job on a thread of its own and keeps the window's events flowing meanwhile: quiet for
// half a second, then a progress window with Cancel, until the deadline. A job given up on is
// left to end on its own; it holds nothing of the window's.
PrintOutcome RunPrinter(QWidget* owner, const std::string& documentName, const PageBuilder& build) {
    ReportPrinter printer = Given().printer ? Given().printer : PrintOnDefaultPrinter;
    auto result = std::make_shared<std::promise<PrintOutcome>>();
    std::future<PrintOutcome> done = result->get_future();
    std::thread([printer = std::move(printer), build, result] {
        result->set_value(printer(build));
    }).detach();

    const auto start = Clock::now();
    const auto ready = [&done] {
        return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    // Cancel pressed, Escape or cancel() called: each leaves the dialog cancelled, not all signal
    // it, so the poll asks.
    const QProgressDialog* progressShown = nullptr;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const auto waited = Clock::now() - start;
        if (ready() || waited >= Given().deadline ||
            (progressShown == nullptr ? waited >= kQuiet : progressShown->wasCanceled())) {
            loop.quit();
        }
    });
    poll.start();
    if (!ready()) {
        // Held, not lost: what the user does in this half second arrives once the run ends.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!ready() && Clock::now() - start < Given().deadline) {
        QProgressDialog progress(
            QString::fromUtf8("Printing %1\u2026").arg(QString::fromStdString(documentName)),
            QStringLiteral("Cancel"), 0, 0, owner);
        progress.setWindowTitle(QString::fromStdString(ApplicationTitle()));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progressShown = &progress;
        progress.show();
        loop.exec();
    }
    return ready() ? done.get() : PrintOutcome::ServerSilent;
}

// Paints the report into a PDF file; why not, in the system's words.
std::optional<std::string> SavePdf(const std::string& path, const PageBuilder& build) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    file.close();
    QPdfWriter pdf(file.fileName());
    SetUpPdf(pdf);
    return PaintReport(pdf, build) ? std::nullopt
                                   : std::optional<std::string>("the file could not be written");
}

} // namespace

std::string PrintOutcomeMessage(PrintOutcome outcome) {
    switch (outcome) {
    case PrintOutcome::Printed:
        return {};
    case PrintOutcome::NoPrinter:
        return "The report was not printed: no default printer is set up.";
    case PrintOutcome::PrinterUnavailable:
        return "The report was not printed: the default printer cannot be reached.";
    case PrintOutcome::JobRefused:
        return "The report was not printed: the printer refused the job.";
    case PrintOutcome::ServerSilent:
        return "The print server at " + PrintServerAddress() + " does not answer.";
    }
    return {};
}

void SetReportPrinter(ReportPrinter printer) {
    Given().printer = std::move(printer);
}

void SetPrintDeadline(std::chrono::milliseconds deadline) {
    Given().deadline = deadline.count() > 0 ? deadline : kDefaultDeadline;
}

void SetSaveFileAnswer(SaveFileAnswer answer) {
    Given().answer = std::move(answer);
}

PrintOutcome PrintOnDefaultPrinter(const PageBuilder& build) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // A default the spooler names but cannot describe is set up, only out of reach.
        return QPrinterInfo::defaultPrinterName().isEmpty() ? PrintOutcome::NoPrinter
                                                            : PrintOutcome::PrinterUnavailable;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        return PrintOutcome::PrinterUnavailable;
    }
    printer.setFullPage(false);
    // The queue's own paper, not the locale's.
    const QPageSize paper =
        info.defaultPageSize().isValid() ? info.defaultPageSize() : QueuePaper(info.printerName());
    if (paper.isValid()) {
        printer.setPageSize(paper);
    }
    return PaintReport(printer, build) ? PrintOutcome::Printed : PrintOutcome::JobRefused;
}

std::string SuggestedFile(const std::string& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(QDir(folder).absolutePath())
        .absoluteFilePath(QString::fromStdString(documentName) + ".pdf")
        .toStdString();
}

void PrintReport(QWidget* owner, const std::string& documentName, const ReportBuilder& report,
                 WhilePrinting ownerState) {
    // One run at a time: a press that arrives while one waits does nothing.
    static bool running = false;
    if (running) {
        return;
    }
    running = true;
    // Once per run, before anything else, so that every page and the PDF copy carry the same.
    const ReportStamp stamp = StampOf(LocalTime());
    const PageBuilder build = [report, stamp](const PageMeasures& m) { return report(m, stamp); };

    const QPointer<QWidget> focused = QApplication::focusWidget();
    const bool hold = ownerState == WhilePrinting::OwnerDisabled && owner != nullptr;
    if (hold) {
        owner->setEnabled(false);
    }
    const PrintOutcome outcome = RunPrinter(owner, documentName, build);
    if (hold) {
        owner->setEnabled(true);
        // The focus comes back to where it was.
        if (focused != nullptr) {
            focused->setFocus(Qt::OtherFocusReason);
        }
    }
    running = false;
    if (outcome == PrintOutcome::Printed) {
        return;
    }
    const std::string text = PrintOutcomeMessage(outcome) +
                             "\n\nTo choose a default printer, run:  lpoptions -d NAME\n"
                             "(the printers' names are listed by:  lpstat -p)\n\n"
                             "Save the report as a PDF file instead?";
    if (ShowMessageBox(owner, text, MessageIcon::Warning, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return;
    }
    std::string suggested = SuggestedFile(documentName);
    while (const std::optional<std::string> path = AskForFile(owner, suggested)) {
        const std::optional<std::string> failure = SavePdf(*path, build);
        if (!failure) {
            return;
        }
        // Saying why, and asking again: the report is not lost for want of a folder.
        const std::string again = "The report could not be saved as " + *path + ": " + *failure +
                                  ".\n\nChoose another file?";
        if (ShowMessageBox(owner, again, MessageIcon::Warning, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
            return;
        }
        suggested = *path;
    }
}

void PreviewReport(QWidget* owner, const ReportBuilder& report) {
    // Laid out for the PDF copy's page, so that the preview shows the pages it would hold.
    QBuffer unused;
    unused.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&unused);
    SetUpPdf(pdf);
    const ReportDocument document = report(MeasureReportFont(pdf), StampOf(LocalTime()));
    const QPageLayout layout = pdf.pageLayout();
    const QRect paper = layout.fullRectPixels(kPdfResolution);
    const QRect printable = layout.paintRectPixels(kPdfResolution);
    constexpr double kScreenDpi = 96.0;
    const double scale = kScreenDpi / kPdfResolution;

    QDialog preview(owner);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    auto* pages = new QWidget;
    auto* column = new QVBoxLayout(pages);
    const QSize sheetSize = paper.size() * scale;
    for (const ReportPage& page : document.pages) {
        QImage image(sheetSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            painter.translate(printable.topLeft() - paper.topLeft());
            PaintPage(painter, pdf, page);
        }
        auto* sheet = new QLabel;
        sheet->setPixmap(QPixmap::fromImage(image));
        sheet->setFrameShape(QFrame::Box);
        sheet->setAccessibleName(
            QStringLiteral("Page %1 of %2").arg(column->count() + 1).arg(document.pages.size()));
        column->addWidget(sheet, 0, Qt::AlignHCenter);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(pages);
    scroll->setAlignment(Qt::AlignHCenter);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(close, &QDialogButtonBox::rejected, &preview, &QDialog::reject);
    auto* layoutBox = new QVBoxLayout(&preview);
    layoutBox->addWidget(scroll);
    layoutBox->addWidget(close);
    preview.resize(sheetSize.width() + 60, 700);
    preview.exec();
}
