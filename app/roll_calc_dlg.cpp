#include "app/roll_calc_dlg.h"

#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "app/about_dlg.h"
#include "controls/control_makers.h"
#include "controls/styled_static.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "roll_length/roll_length_dlg.h"
#include "roll_weight/roll_weight_dlg.h"
#include "slitter/slitter_dlg.h"

CRollCalcDlg::CRollCalcDlg(QWidget* owner)
    : CDialog(MainWindowTemplate(), StandardControlMakers(), owner) {}

bool CRollCalcDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    using Id = MainWindowId;
    for (Id id : {Id::Version, Id::Heading, Id::DisclaimerHeading}) {
        auto* label = Item<CStyledStatic>(id);
        label->SetColour(QColor(0, 0, 0));
        label->SetTextAlignment(Qt::AlignHCenter);
    }
    auto* disclaimerHeading = Item<CStyledStatic>(Id::DisclaimerHeading);
    disclaimerHeading->SetUnderline(true);

    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));

    auto* disclaimer = Item<QTextEdit>(Id::Disclaimer);
    disclaimer->setPlainText(DisclaimerText());
    QTextCursor cursor(disclaimer->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    disclaimer->setAccessibleName("Disclaimer");
    disclaimerHeading->setBuddy(disclaimer);

    connect(Item<QPushButton>(Id::RollDiameter), &QPushButton::clicked, this,
            &CRollCalcDlg::OnRollDiameter);
    connect(Item<QPushButton>(Id::RollWeight), &QPushButton::clicked, this,
            &CRollCalcDlg::OnRollWeight);
    connect(Item<QPushButton>(Id::KnifePositions), &QPushButton::clicked, this,
            &CRollCalcDlg::OnKnifePositions);
    return true;
}

// Each opening makes a fresh window, so a calculator never keeps values from an earlier one.
void CRollCalcDlg::OnRollDiameter() {
    CRollLengthDlg dlg;
    dlg.SetAboutAction([](QWidget* owner) {
        CAboutDlg about(owner);
        about.DoModal();
    });
    dlg.DoModal();
}

void CRollCalcDlg::OnRollWeight() {
    CRollWeightDlg dlg;
    dlg.DoModal();
}

void CRollCalcDlg::OnKnifePositions() {
    CSlitterDlg dlg;
    dlg.DoModal();
}
