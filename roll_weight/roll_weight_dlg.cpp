#include "roll_weight/roll_weight_dlg.h"

#include <QMenu>
#include <QPushButton>

#include "controls/box_table.h"
#include "controls/control_makers.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "roll_weight/roll_weight_solver.h"

namespace {

using Id = RollWeightId;

// Deliberate: the specific gravity boxes clear to three decimals although they show four, and
// pounds to kilograms and back is not reciprocal: the pair drifts, and users expect it.
constexpr BoxSpec kBoxes[] = {
    {Id::RollInches, "%4.3f", "0.000", 0, "Roll Diameter, inches", Id::RollLabel, Id::RollMm,
     PairKind::Clearing},
    {Id::RollMm, "%4.3f", "0.000", 0, "Roll Diameter, mm", Id::RollMmUnit},
    {Id::CoreInches, "%4.3f", "0.000", 0, "Core Diameter, inches", Id::CoreLabel, Id::CoreMm,
     PairKind::Clearing},
    {Id::CoreMm, "%4.3f", "0.000", 0, "Core Diameter, mm", Id::CoreMmUnit},
    {Id::WebInches, "%4.3f", "0.000", 0, "Web Width, inches", Id::WebLabel, Id::WebMm,
     PairKind::Clearing},
    {Id::WebMm, "%4.3f", "0.000", 0, "Web Width, mm", Id::WebMmUnit},
    {Id::Pounds, "%4.2f", "0.00", 0, "Roll Weight, pounds", Id::WeightLabel, Id::Kilograms,
     PairKind::Direct, kKgPerPound, kPoundsPerKg},
    {Id::Kilograms, "%4.2f", "0.00", 0, "Roll Weight, kg", Id::KilogramsUnit},
    {Id::SpecificGravity, "%4.4f", "0.000", 0, "Specific Gravity", Id::SpecificGravityCaption,
     Id::SpecificGravityCopy, PairKind::Direct, kSpecificGravityCopy, kSpecificGravityCopy},
    {Id::SpecificGravityCopy, "%4.4f", "0.000", 0, "Specific Gravity, second box", kNoId},
    {Id::LbsPerCubicFoot, "%4.4f", "0.0000", 0, "Lbs / Cubic Foot", Id::LbsPerCubicFootCaption,
     Id::KgPerCubicMeter, PairKind::Direct, kKgM3PerLbFt3, kLbFt3PerKgM3},
    {Id::KgPerCubicMeter, "%4.4f", "0.0000", 0, "kg / Cubic Meter", Id::KgPerCubicMeterCaption},
    {Id::LbsPerCubicInch, "%4.4f", "0.0000", 0, "Lbs / Cubic Inch", Id::LbsPerCubicInchCaption,
     Id::GPerCubicCm, PairKind::Direct, kGCm3PerLbIn3, kLbIn3PerGCm3},
    {Id::GPerCubicCm, "%4.4f", "0.0000", 0, "g / Cubic cm", Id::GPerCubicCmCaption},
};

const QColor kRequiredRed(128, 0, 0);

} // namespace

CRollWeightDlg::CRollWeightDlg(QWidget* owner)
    : CDialog(RollWeightTemplate(), StandardControlMakers(), owner) {}

CNumEdit* CRollWeightDlg::Box(RollWeightId id) const {
    return Item<CNumEdit>(id);
}

double CRollWeightDlg::Value(RollWeightId id) const {
    return Box(id)->GetValue();
}

RollWeightFigures CRollWeightDlg::Figures() const {
    return {Value(Id::RollInches),      Value(Id::RollMm),          Value(Id::CoreInches),
            Value(Id::CoreMm),          Value(Id::WebInches),       Value(Id::WebMm),
            Value(Id::Pounds),          Value(Id::Kilograms),       Value(Id::SpecificGravityCopy),
            Value(Id::LbsPerCubicFoot), Value(Id::LbsPerCubicInch), Value(Id::KgPerCubicMeter),
            Value(Id::GPerCubicCm)};
}

bool CRollWeightDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));

    SetUpBoxes(*this, kBoxes);
    Box(Id::SpecificGravityCopy)
        ->setAccessibleDescription(
            "Mirrors the Specific Gravity box to its left; either one sets both");

    for (Id id : {Id::CoreLabel, Id::RequiredNote}) {
        auto* label = Item<CStyledStatic>(id);
        label->SetColour(kRequiredRed);
        label->SetWeight(QFont::DemiBold);
    }
    Item<CStyledStatic>(Id::CoreLabel)->SetTextAlignment(Qt::AlignRight);

    connect(Item<QPushButton>(Id::Print), &QPushButton::clicked, this, &CRollWeightDlg::OnPrint);
    if (Template().style & kSysMenu) {
        AppendSystemMenuSeparator();
        connect(SystemMenu()->addAction(QStringLiteral("Print Preview...")), &QAction::triggered,
                this, &CRollWeightDlg::OnPrintPreview);
    }
    connect(Item<QPushButton>(Id::ClearAll), &QPushButton::clicked, this,
            &CRollWeightDlg::OnClearAll);
    return true;
}

void CRollWeightDlg::OnOK() {
    // Metric boxes and the second specific gravity box reach the solver only through their pairs,
    // which Calculate's button brings into step by taking the focus, from a click or from Enter.
    const RollWeightResult result = SolveRollWeight(
        {Value(Id::RollInches), Value(Id::CoreInches), Value(Id::WebInches), Value(Id::Pounds),
         Value(Id::SpecificGravity), Value(Id::LbsPerCubicFoot), Value(Id::LbsPerCubicInch)});

    if (result.outcome != RollWeightOutcome::Solved) {
        ShowMessageBox(this, RollWeightMessage(result.outcome),
                       result.outcome == RollWeightOutcome::CoreDiameterMissing
                           ? MessageIcon::Information
                           : MessageIcon::Stop);
        return;
    }

    // The metric partner is the solver's rounded value times the factor, kept exactly.
    QString said;
    switch (result.solvedCase) {
    case RollWeightCase::Weight:
        Box(Id::Pounds)->SetValue(result.solvedValue);
        Box(Id::Kilograms)->SetValue(result.solvedValue * kKgPerPound);
        said = QStringLiteral("Roll weight %1 pounds, %2 kilograms")
                   .arg(Box(Id::Pounds)->text(), Box(Id::Kilograms)->text());
        break;
    case RollWeightCase::WebWidth:
        Box(Id::WebInches)->SetValue(result.solvedValue);
        Box(Id::WebMm)->SetValue(result.solvedValue * kMmPerInch);
        said = QStringLiteral("Web width %1 inches, %2 millimeters")
                   .arg(Box(Id::WebInches)->text(), Box(Id::WebMm)->text());
        break;
    case RollWeightCase::RollDiameter:
        Box(Id::RollInches)->SetValue(result.solvedValue);
        Box(Id::RollMm)->SetValue(result.solvedValue * kMmPerInch);
        said = QStringLiteral("Roll diameter %1 inches, %2 millimeters")
                   .arg(Box(Id::RollInches)->text(), Box(Id::RollMm)->text());
        break;
    case RollWeightCase::Density:
        break;
    }
    // An entered specific gravity is left exactly as typed.
    if (result.specificGravityDerived) {
        Box(Id::SpecificGravity)->SetValue(result.specificGravity);
        Box(Id::SpecificGravityCopy)->SetValue(result.specificGravity);
    }
    Box(Id::LbsPerCubicInch)->SetValue(result.lbsPerCubicInch);
    Box(Id::LbsPerCubicFoot)->SetValue(result.lbsPerCubicFoot);
    Box(Id::KgPerCubicMeter)->SetValue(result.kgPerCubicMeter);
    Box(Id::GPerCubicCm)->SetValue(result.gPerCubicCm);
    GetDlgItem(Id::Print)->setEnabled(true);
    if (said.isEmpty()) {
        said = QStringLiteral("Specific gravity %1, %2 pounds per cubic foot")
                   .arg(Box(Id::SpecificGravity)->text(), Box(Id::LbsPerCubicFoot)->text());
    }
    Announce(said);
}

void CRollWeightDlg::OnClearAll() {
    // Print stays as it is: once there was a result, there is something worth printing.
    ClearBoxes(*this, kBoxes);
}

ReportBuilder CRollWeightDlg::Report() const {
    return [figures = Figures()](const PageMeasures& m, const ReportStamp& stamp) {
        return RollWeightReport(m, stamp, figures);
    };
}

void CRollWeightDlg::OnPrint() {
    PrintReport(this, kRollReportDocument, Report());
}

void CRollWeightDlg::OnPrintPreview() {
    PreviewReport(this, Report());
}
