#include "platform/print_report.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <memory>

#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/qt_print_surface.h"
#include "report/report_frame.h"

namespace {

SaveFileAnswer& Answer() {
    static SaveFileAnswer answer;
    return answer;
}

std::optional<std::string> AskForFile(QWidget* owner, const std::string& suggested) {
    if (Answer()) {
        return Answer()(suggested);
    }
    QFileDialog dialog(owner, QStringLiteral("Save Report as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QString::fromStdString(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string SuggestedFile(const std::string& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(QString::fromStdString(documentName) + ".pdf").toStdString();
}

// The report drawn as a printer would get it, into a PDF file.
PrintSurfaceSource PdfFile(const std::string& path) {
    return [path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
        printer->setFullPage(false);
        return OpenedPrinter(std::make_unique<QtPrintSurface>(std::move(printer)));
    };
}

} // namespace

void SetSaveFileAnswer(SaveFileAnswer answer) {
    Answer() = std::move(answer);
}

void PrintReport(QWidget* owner, const std::string& documentName, const ReportRun& report) {
    const PrintOutcome outcome = report(DefaultPrinter());
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
    const std::optional<std::string> path = AskForFile(owner, SuggestedFile(documentName));
    if (!path) {
        return;
    }
    if (report(PdfFile(*path)) != PrintOutcome::Printed) {
        ShowMessageBox(owner, "The report could not be saved as " + *path + ".",
                       MessageIcon::Warning);
    }
}
