#include "app/roll_calc_dlg.h"

#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "app/about_dlg.h"
#include "controls/styled_static.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "roll_length/roll_length_dlg.h"
#include "roll_weight/roll_weight_dlg.h"
#include "slitter/slitter_dlg.h"

CRollCalcDlg::CRollCalcDlg(QWidget* owner) : CDialog(MainWindowTemplate(), owner) {}

bool CRollCalcDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    versionLabel_ = Item<CStyledStatic>(1038);
    headingLabel_ = Item<CStyledStatic>(1058);
    disclaimerLabel_ = Item<CStyledStatic>(1059);

    for (CStyledStatic* label : {versionLabel_, headingLabel_, disclaimerLabel_}) {
        label->SetColour(QColor(0, 0, 0));
        label->SetTextAlignment(Qt::AlignHCenter);
    }
    disclaimerLabel_->SetUnderline(true);

    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));

    auto* disclaimer = Item<QTextEdit>(1001);
    disclaimer->setPlainText(DisclaimerText());
    QTextCursor cursor(disclaimer->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    disclaimer->setAccessibleName("Disclaimer");
    disclaimerLabel_->setBuddy(disclaimer);

    connect(Item<QPushButton>(1036), &QPushButton::clicked, this, &CRollCalcDlg::OnRollDiameter);
    connect(Item<QPushButton>(1028), &QPushButton::clicked, this, &CRollCalcDlg::OnRollWeight);
    connect(Item<QPushButton>(1037), &QPushButton::clicked, this, &CRollCalcDlg::OnKnifePositions);
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
