// The pages Print would send, shown in a window: laid out for the PDF copy's page, so that the
// preview shows the pages it would hold.
#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include "platform/print_report.h"

namespace {

// One page as a sheet of paper on the screen.
QLabel* Sheet(const ReportPage& page, const QPdfWriter& pdf, const QRect& paper,
              const QRect& printable, double scale) {
    QImage image(paper.size() * scale, QImage::Format_RGB32);
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
    return sheet;
}

} // namespace

void PreviewReport(QWidget* owner, const ReportBuilder& report) {
    QBuffer unused;
    unused.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&unused);
    SetUpPdf(pdf);
    const ReportDocument document = report(MeasureReportFont(pdf), StampOf(LocalTime()));
    const QRect paper = pdf.pageLayout().fullRectPixels(kPdfResolution);
    const QRect printable = pdf.pageLayout().paintRectPixels(kPdfResolution);
    constexpr double kScreenDpi = 96.0;
    const double scale = kScreenDpi / kPdfResolution;

    QDialog preview(owner);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    auto* pages = new QWidget;
    auto* column = new QVBoxLayout(pages);
    for (const ReportPage& page : document.pages) {
        QLabel* sheet = Sheet(page, pdf, paper, printable, scale);
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
    preview.resize((paper.size() * scale).width() + 60, 700);
    preview.exec();
}
