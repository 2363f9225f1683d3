#include "roll_length/roll_length_dlg.h"

#include <QMenu>
#include <QPushButton>

#include "controls/box_table.h"
#include "controls/control_makers.h"
#include "controls/link_static.h"
#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "roll_length/roll_length_solver.h"

namespace {

using Id = RollLengthId;

constexpr int kTypingLimit = 12;

// Feet and metres overwrite each other whatever they hold; the inch/mm pairs zero the partner
// first, so a source that is not positive clears it.
constexpr BoxSpec kBoxes[] = {
    {Id::LengthFeet, "%4.3f", "0.000", kTypingLimit, "Roll Length, feet", Id::LengthCaption,
     Id::LengthMeters, PairKind::Direct, kMetersPerFoot, kFeetPerMeter},
    {Id::LengthMeters, "%4.3f", "0.000", kTypingLimit, "Roll Length, meters", Id::MetersUnit},
    {Id::CoreInches, "%4.4f", "0.0000", kTypingLimit, "Core Diameter, inches", Id::CoreLabel,
     Id::CoreMm, PairKind::Clearing},
    {Id::CoreMm, "%4.4f", "0.0000", kTypingLimit, "Core Diameter, mm", Id::CoreMmUnit},
    {Id::RollInches, "%4.4f", "0.0000", kTypingLimit, "Roll Diameter, inches", Id::RollCaption,
     Id::RollMm, PairKind::Clearing},
    {Id::RollMm, "%4.4f", "0.0000", kTypingLimit, "Roll Diameter, mm", Id::RollMmUnit},
    {Id::ThicknessInches, "%4.4f", "0.0000", kTypingLimit, "Material Thickness, inches",
     Id::ThicknessCaption, Id::ThicknessMm, PairKind::Clearing},
    {Id::ThicknessMm, "%4.4f", "0.0000", kTypingLimit, "Material Thickness, mm",
     Id::ThicknessMmUnit},
};

// The maker's addresses sit on a reserved domain so that no real party is ever contacted.
struct Link {
    Id id;
    LinkStyle style;
    const char* target;
    const char* caption;
};
constexpr Link kLinks[] = {
    {Id::WebLink, LinkStyle::Web, "www.velmarch.example", "Visit Velmarch Online"},
    {Id::SalesLink, LinkStyle::Mail, "sales@velmarch.example", "Contact The Velmarch Sales Team"},
    {Id::EngineeringLink, LinkStyle::Mail, "engineering@velmarch.example",
     "Contact The Velmarch Engineering Team"},
    {Id::ServiceLink, LinkStyle::Mail, "service@velmarch.example",
     "Contact The Velmarch Customer Service Team"},
};

const QColor kRequiredRed(128, 0, 0);

} // namespace

CRollLengthDlg::CRollLengthDlg(QWidget* owner)
    : CDialog(RollLengthTemplate(), StandardControlMakers(), owner),
      icon_(LoadAppIcon(IDR_MAINFRAME)) {}

CNumEdit* CRollLengthDlg::Box(RollLengthId id) const {
    return Item<CNumEdit>(id);
}

double CRollLengthDlg::Value(RollLengthId id) const {
    return Box(id)->GetValue();
}

RollLengthFigures CRollLengthDlg::Figures() const {
    return {Value(Id::LengthFeet),      Value(Id::LengthMeters), Value(Id::CoreInches),
            Value(Id::CoreMm),          Value(Id::RollInches),   Value(Id::RollMm),
            Value(Id::ThicknessInches), Value(Id::ThicknessMm)};
}

bool CRollLengthDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpBoxes(*this, kBoxes);

    for (Id id : {Id::RequiredNote, Id::CoreLabel}) {
        auto* label = Item<CStyledStatic>(id);
        label->SetColour(kRequiredRed);
        label->SetWeight(QFont::Bold);
    }
    Item<CStyledStatic>(Id::CoreLabel)->SetTextAlignment(Qt::AlignRight);

    for (const Link& link : kLinks) {
        auto* label = Item<CLinkStatic>(link.id);
        label->SetLinkStyle(link.style);
        label->SetTarget(link.target, link.caption);
    }

    if (Template().style & kSysMenu) {
        AppendSystemMenuSeparator();
        connect(SystemMenu()->addAction(QStringLiteral("Print Preview...")), &QAction::triggered,
                this, &CRollLengthDlg::OnPrintPreview);
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(IDM_ABOUTBOX, kAboutBoxEntry);
    }

    setWindowIcon(icon_);

    connect(Item<QPushButton>(Id::Print), &QPushButton::clicked, this, &CRollLengthDlg::OnPrint);
    connect(Item<QPushButton>(Id::ClearAll), &QPushButton::clicked, this,
            &CRollLengthDlg::OnClearAll);
    return true;
}

void CRollLengthDlg::OnOK() {
    // Only the inch-based boxes feed the solver; a metric box counts once it has been left, which
    // pressing Calculate (clicked, or Enter) does first.
    const RollLengthResult result =
        SolveRollLength(Value(Id::LengthFeet), Value(Id::CoreInches), Value(Id::RollInches),
                        Value(Id::ThicknessInches));
    Id solved = Id::LengthFeet;
    Id partner = Id::LengthMeters;
    QString said = QStringLiteral("Roll length %1 feet, %2 meters");
    switch (result.outcome) {
    case RollLengthOutcome::LengthSolved:
        break;
    case RollLengthOutcome::ThicknessSolved:
        solved = Id::ThicknessInches;
        partner = Id::ThicknessMm;
        said = QStringLiteral("Material thickness %1 inches, %2 millimeters");
        break;
    case RollLengthOutcome::DiameterSolved:
        solved = Id::RollInches;
        partner = Id::RollMm;
        said = QStringLiteral("Roll diameter %1 inches, %2 millimeters");
        break;
    case RollLengthOutcome::NoUnknown:
    case RollLengthOutcome::NotSolvable:
        ShowMessageBox(this, RollLengthMessage(result.outcome), MessageIcon::Stop);
        return;
    }
    Box(solved)->SetValue(result.value);
    // The partner is converted from the exact result, as if the user had left the box.
    PairOf(Box(solved))->OnFocusLost(Box(solved));
    GetDlgItem(Id::Print)->setEnabled(true);
    Announce(said.arg(Box(solved)->text(), Box(partner)->text()));
}

void CRollLengthDlg::OnClearAll() {
    ClearBoxes(*this, kBoxes);
}

ReportBuilder CRollLengthDlg::Report() const {
    return [figures = Figures()](const PageMeasures& m, const ReportStamp& stamp) {
        return RollLengthReport(m, stamp, figures);
    };
}

void CRollLengthDlg::OnPrint() {
    PrintReport(this, kRollReportDocument, Report());
}

void CRollLengthDlg::OnPrintPreview() {
    PreviewReport(this, Report());
}

void CRollLengthDlg::OnSysCommand(unsigned command) {
    if (command == IDM_ABOUTBOX) {
        if (aboutAction_) {
            aboutAction_(this);
        }
        return;
    }
    CDialog::OnSysCommand(command);
}
