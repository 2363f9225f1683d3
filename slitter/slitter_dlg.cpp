#include "slitter/slitter_dlg.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <climits>
#include <cmath>

#include "controls/box_table.h"
#include "controls/control_makers.h"
#include "controls/num_edit.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "slitter/slit_list_model.h"

namespace {

using Id = SlitterId;

// The widths clear to three decimals while converted values show four. The count is never shown
// through its format: the box is only ever written as text.
constexpr BoxSpec kBoxes[] = {
    {Id::SlitCount, "%d", "0", 2, "Number of Slits", Id::SlitCountCaption},
    {Id::SlitInches, "%4.4f", "0.000", 0, "Slit Size in Inches", Id::SlitInchesCaption, Id::SlitMm,
     PairKind::Direct, kMmPerInch, kInchesPerMm},
    {Id::SlitMm, "%4.4f", "0.000", 0, "Slit Size in Millimeters", Id::SlitMmCaption},
    {Id::NextInches, "%4.4f", "0.000", 0, "Next slit / inc. width (Inches)", Id::NextInchesCaption,
     Id::NextMm, PairKind::Direct, kMmPerInch, kInchesPerMm},
    {Id::NextMm, "%4.4f", "0.000", 0, "Next slit / inc. width (mm)", Id::NextMmCaption},
};

// The count box takes two characters, typed or pasted, so a press adds at most 99 slits. Should
// longer text reach it some other way (or one too large for an int), the count saturates at that
// bound rather than exhausting memory.
constexpr int kMostSlitsPerPress = 99;

int SlitCount(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kMostSlitsPerPress) {
        return kMostSlitsPerPress;
    }
    if (value <= INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value); // truncates toward zero: 2.9 counts as 2
}

} // namespace

CSlitterDlg::CSlitterDlg(QWidget* owner)
    : CDialog(SlitterTemplate(), StandardControlMakers(), owner) {}

CSlitterDlg::~CSlitterDlg() = default;

double CSlitterDlg::Value(SlitterId id) const {
    return Item<CNumEdit>(id)->GetValue();
}

QCheckBox* CSlitterDlg::IncrementBox() const {
    return Item<QCheckBox>(Id::SetupIncrement);
}

bool CSlitterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));
    SetUpBoxes(*this, kBoxes);

    auto* knifeView = Item<QTableView>(Id::KnifeList);
    model_ = std::make_unique<CSlitListModel>(knives_);
    knifeView->setModel(model_.get());
    QHeaderView* header = knifeView->horizontalHeader();
    header->setStretchLastSection(false);
    for (int column = 0; column < CSlitListModel::kColumnCount; ++column) {
        header->resizeSection(column, CSlitListModel::ColumnWidth(column));
    }
    knifeView->setAccessibleName("Knife positions");

    connect(Item<QPushButton>(Id::AddSlits), &QPushButton::clicked, this, &CSlitterDlg::OnAddSlits);
    connect(Item<QPushButton>(Id::AddSlit), &QPushButton::clicked, this, &CSlitterDlg::OnAddSlit);
    connect(Item<QPushButton>(Id::ClearAll), &QPushButton::clicked, this, &CSlitterDlg::OnClearAll);
    connect(Item<QPushButton>(Id::Print), &QPushButton::clicked, this, &CSlitterDlg::OnPrint);
    if (Template().style & kSysMenu) {
        AppendSystemMenuSeparator();
        connect(SystemMenu()->addAction(QStringLiteral("Print Preview...")), &QAction::triggered,
                this, &CSlitterDlg::OnPrintPreview);
    }
    return true;
}

void CSlitterDlg::OnOK() {}

void CSlitterDlg::OnAddSlits() {
    // Equal slits are never an increment; added before a ticked one, they would drop it unseen.
    if (IncrementBox()->isChecked() && knives_.RowCount() == 0) {
        Finish(SlitListOutcome::IncrementFirst, knives_.RowCount());
        return;
    }
    const std::size_t before = knives_.RowCount();
    Finish(knives_.AddEqualSlits(SlitCount(Value(Id::SlitCount)), Value(Id::SlitInches),
                                 Value(Id::SlitMm)),
           before);
}

void CSlitterDlg::OnAddSlit() {
    const double inches = Value(Id::NextInches);
    const double mm = Value(Id::NextMm);
    const std::size_t before = knives_.RowCount();
    Finish(IncrementBox()->isChecked() ? knives_.AddIncrement(inches, mm)
                                       : knives_.AddSlit(inches, mm),
           before);
}

void CSlitterDlg::Finish(SlitListOutcome outcome, std::size_t rowsBefore) {
    model_->ListChanged();
    if (outcome != SlitListOutcome::Added) {
        // A refusal has left the list and every control as they were.
        ShowMessageBox(this, SlitListMessage(outcome), MessageIcon::Stop);
        return;
    }
    if (knives_.RowCount() > rowsBefore) {
        AnnounceAdded(rowsBefore);
    }
    GetDlgItem(Id::Print)->setEnabled(true);
    // An increment can only open a list.
    IncrementBox()->setChecked(false);
    IncrementBox()->setEnabled(false);
}

void CSlitterDlg::AnnounceAdded(std::size_t rowsBefore) {
    // A list's opening knife at 0 is where the others are measured from, not one of the slits.
    const std::size_t firstAdded = rowsBefore == 0 && knives_.RowCount() > 1 ? 1 : rowsBefore;
    const KnifeRow& first = knives_.Row(firstAdded);
    const KnifeRow& last = knives_.Row(knives_.RowCount() - 1);
    const QString distance = QString::fromStdString(last.cells[3]);
    Announce(&first == &last ? QStringLiteral("Knife %1 added, at %2 inches")
                                   .arg(QString::fromStdString(last.cells[0]), distance)
                             : QStringLiteral("Knives %1 to %2 added, last at %3 inches")
                                   .arg(QString::fromStdString(first.cells[0]),
                                        QString::fromStdString(last.cells[0]), distance));
}

void CSlitterDlg::OnClearAll() {
    knives_.Clear();
    model_->ListChanged();
    ClearBoxes(*this, kBoxes);
    // Print stays as it is, and so does the check mark.
    IncrementBox()->setEnabled(true);
}

ReportBuilder CSlitterDlg::Report() const {
    // The rows as they stand now, copied: the job may run on after the list has changed.
    return [rows = knives_.Rows()](const PageMeasures& m, const ReportStamp& stamp) {
        return SlitterReport(m, stamp, rows);
    };
}

void CSlitterDlg::OnPrint() {
    // The window takes no input while the run goes on.
    PrintReport(this, kSlitterReportDocument, Report(), WhilePrinting::OwnerDisabled);
}

void CSlitterDlg::OnPrintPreview() {
    PreviewReport(this, Report());
}
