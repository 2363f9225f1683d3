#include "slitter/slitter_dlg.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <climits>
#include <cmath>

#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "slitter/slit_list_model.h"

namespace {

constexpr const char* kWidthPlaceholder = "0.000";
constexpr const char* kCountPlaceholder = "0";

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

CSlitterDlg::CSlitterDlg(QWidget* owner) : CDialog(SlitterTemplate(), owner) {}

CSlitterDlg::~CSlitterDlg() = default;

bool CSlitterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    countBox_ = Item<CNumEdit>(1040);
    slitInchBox_ = Item<CNumEdit>(1043);
    slitMmBox_ = Item<CNumEdit>(1044);
    nextInchBox_ = Item<CNumEdit>(1045);
    nextMmBox_ = Item<CNumEdit>(1046);
    incrementBox_ = Item<QCheckBox>(1056);
    printButton_ = Item<QPushButton>(1000);
    knifeView_ = Item<QTableView>(1039);

    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));

    for (CNumEdit* box : {slitMmBox_, nextMmBox_, slitInchBox_, nextInchBox_}) {
        box->SetFormat("%4.4f");
    }
    // Three decimals at the start, while converted values show four.
    for (CNumEdit* box : {slitMmBox_, nextMmBox_, slitInchBox_, nextInchBox_}) {
        box->setText(kWidthPlaceholder);
    }
    countBox_->SetTypingLimit(2);
    countBox_->SetFormat("%d"); // never shown through: the box is only ever written as text
    countBox_->setText(kCountPlaceholder);

    model_ = std::make_unique<CSlitListModel>(knives_);
    knifeView_->setModel(model_.get());
    QHeaderView* header = knifeView_->horizontalHeader();
    header->setStretchLastSection(false);
    for (int column = 0; column < CSlitListModel::kColumnCount; ++column) {
        header->resizeSection(column, CSlitListModel::ColumnWidth(column));
    }

    CMeasurementPair::Direct(slitInchBox_, slitMmBox_, kMmPerInch, kInchesPerMm);
    CMeasurementPair::Direct(nextInchBox_, nextMmBox_, kMmPerInch, kInchesPerMm);

    countBox_->setAccessibleName("Number of Slits");
    slitInchBox_->setAccessibleName("Slit Size in Inches");
    slitMmBox_->setAccessibleName("Slit Size in Millimeters");
    nextInchBox_->setAccessibleName("Next slit / inc. width (Inches)");
    nextMmBox_->setAccessibleName("Next slit / inc. width (mm)");
    knifeView_->setAccessibleName("Knife positions");

    connect(Item<QPushButton>(1050), &QPushButton::clicked, this, &CSlitterDlg::OnAddSlits);
    connect(Item<QPushButton>(1047), &QPushButton::clicked, this, &CSlitterDlg::OnAddSlit);
    connect(Item<QPushButton>(3), &QPushButton::clicked, this, &CSlitterDlg::OnClearAll);
    connect(printButton_, &QPushButton::clicked, this, &CSlitterDlg::OnPrint);
    return true;
}

void CSlitterDlg::OnOK() {}

void CSlitterDlg::OnAddSlits() {
    // Equal slits are never an increment, whatever the check box says.
    Finish(knives_.AddEqualSlits(SlitCount(countBox_->GetValue()), slitInchBox_->GetValue(),
                                 slitMmBox_->GetValue()));
}

void CSlitterDlg::OnAddSlit() {
    const double inches = nextInchBox_->GetValue();
    const double mm = nextMmBox_->GetValue();
    Finish(incrementBox_->isChecked() ? knives_.AddIncrement(inches, mm)
                                      : knives_.AddSlit(inches, mm));
}

void CSlitterDlg::Finish(SlitListOutcome outcome) {
    model_->ListChanged();
    if (outcome != SlitListOutcome::Added) {
        // A refusal has left the list and every control as they were.
        ShowMessageBox(this, SlitListMessage(outcome), MessageIcon::Stop);
        return;
    }
    printButton_->setEnabled(true);
    // An increment can only open a list.
    incrementBox_->setChecked(false);
    incrementBox_->setEnabled(false);
}

void CSlitterDlg::OnClearAll() {
    knives_.Clear();
    model_->ListChanged();
    for (CNumEdit* box : {slitMmBox_, nextMmBox_, slitInchBox_, nextInchBox_}) {
        box->setText(kWidthPlaceholder);
    }
    countBox_->setText(kCountPlaceholder);
    // Print stays as it is, and so does the check mark.
    incrementBox_->setEnabled(true);
}

void CSlitterDlg::OnPrint() {
    PrintReport(this, kSlitterReportDocument, [this](const PrintSurfaceSource& p) {
        // The window takes no input while the run goes on, and the focus comes back
        // to where it was.
        const QPointer<QWidget> focused = focusWidget();
        setEnabled(false);
        const PrintOutcome outcome = PrintSlitterReport(knives_, p);
        setEnabled(true);
        if (focused != nullptr) {
            focused->setFocus(Qt::OtherFocusReason);
        }
        return outcome;
    });
}
