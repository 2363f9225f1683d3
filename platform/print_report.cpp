#include "platform/print_report.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTimer>
#include <atomic>
#include <future>
#include <memory>
#include <thread>

#include "platform/message_box.h"
#include "platform/print_queue.h"

namespace {

using Clock = std::chrono::steady_clock;

// A run that has not found the printer and handed it the document by then shows its progress.
constexpr auto kQuiet = std::chrono::milliseconds(500);
constexpr auto kDefaultDeadline = std::chrono::seconds(15);

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

// Jobs whose threads have not ended, given up on or not.
std::atomic<int> jobsRunning{0};

// The job on a thread of its own. A job given up on is left to end on its own; it holds nothing
// of the window's.
std::future<PrintOutcome> StartJob(const PageBuilder& build) {
    ReportPrinter printer = Given().printer ? Given().printer : PrintOnDefaultPrinter;
    auto result = std::make_shared<std::promise<PrintOutcome>>();
    std::future<PrintOutcome> done = result->get_future();
    ++jobsRunning;
    std::thread([printer = std::move(printer), build, result] {
        result->set_value(printer(build));
        --jobsRunning;
    }).detach();
    return done;
}

// Keeps the window's events flowing while the job runs: quiet for half a second, then a progress
// window with Cancel, until the deadline.
PrintOutcome RunPrinter(QWidget* owner, const std::string& documentName, const PageBuilder& build) {
    std::future<PrintOutcome> done = StartJob(build);
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

// A PDF writer, not a QPrinter, which would ask the spooler for its default printer first.
void SetUpPdf(QPdfWriter& pdf) {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    pdf.setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
    pdf.setResolution(kPdfResolution);
    pdf.setCreator(QString::fromStdString(ApplicationTitle()));
}

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

bool WaitForPrintJobs(std::chrono::milliseconds bound) {
    const auto end = Clock::now() + bound;
    while (jobsRunning > 0 && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return jobsRunning == 0;
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

namespace {

// Says why the report was not printed and offers the same pages as a PDF file, asking again for a
// file until one is written or the user gives up.
void OfferPdf(QWidget* owner, const std::string& documentName, const PageBuilder& build,
              PrintOutcome outcome) {
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

} // namespace

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
    if (outcome != PrintOutcome::Printed) {
        OfferPdf(owner, documentName, build, outcome);
    }
}
