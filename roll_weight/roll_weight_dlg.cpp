#include "roll_weight/roll_weight_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "numbers/unit_factors.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "roll_weight/roll_weight_solver.h"

namespace {

constexpr int kPrintButton = 1000;
constexpr int kClearAllButton = 1052;

struct BoxLook {
    int id;
    const char* format;
    const char* placeholder;
    const char* name;
};

// Deliberate: the specific gravity boxes clear to three decimals although they show four.
constexpr BoxLook kBoxes[] = {
    {1013, "%4.3f", "0.000", "Roll Diameter, inches"},
    {1014, "%4.3f", "0.000", "Roll Diameter, mm"},
    {1015, "%4.3f", "0.000", "Core Diameter, inches"},
    {1016, "%4.3f", "0.000", "Core Diameter, mm"},
    {1017, "%4.3f", "0.000", "Web Width, inches"},
    {1018, "%4.3f", "0.000", "Web Width, mm"},
    {1019, "%4.2f", "0.00", "Roll Weight, pounds"},
    {1020, "%4.2f", "0.00", "Roll Weight, kg"},
    {1021, "%4.4f", "0.000", "Specific Gravity"},
    {1022, "%4.4f", "0.000", "Specific Gravity, second box"},
    {1023, "%4.4f", "0.0000", "Lbs / Cubic Foot"},
    {1024, "%4.4f", "0.0000", "kg / Cubic Meter"},
    {1025, "%4.4f", "0.0000", "Lbs / Cubic Inch"},
    {1026, "%4.4f", "0.0000", "g / Cubic cm"},
};

const QColor kRequiredRed(128, 0, 0);

} // namespace

CRollWeightDlg::CRollWeightDlg(QWidget* owner) : CDialog(RollWeightTemplate(), owner) {}

RollWeightFigures CRollWeightDlg::Figures() const {
    return {rollDiameterInch_->GetValue(),    rollDiameterMm_->GetValue(),
            coreDiameterInch_->GetValue(),    coreDiameterMm_->GetValue(),
            webWidthInch_->GetValue(),        webWidthMm_->GetValue(),
            weightPounds_->GetValue(),        weightKg_->GetValue(),
            specificGravityCopy_->GetValue(), lbsPerCubicFoot_->GetValue(),
            lbsPerCubicInch_->GetValue(),     kgPerCubicMeter_->GetValue(),
            gPerCubicCm_->GetValue()};
}

void CRollWeightDlg::BindControls() {
    noteLabel_ = Item<CStyledStatic>(1060);
    printStepLabel_ = Item<CStyledStatic>(1058);
    enterStepLabel_ = Item<CStyledStatic>(1057);
    requiredLabel_ = Item<CStyledStatic>(1033);
    rollWeightLabel_ = Item<QLabel>(1032);
    webWidthLabel_ = Item<QLabel>(1031);
    coreDiameterLabel_ = Item<CStyledStatic>(1030);
    rollDiameterLabel_ = Item<QLabel>(1029);

    webWidthMm_ = Item<CNumEdit>(1018);
    webWidthInch_ = Item<CNumEdit>(1017);
    specificGravityCopy_ = Item<CNumEdit>(1022);
    specificGravity_ = Item<CNumEdit>(1021);
    weightPounds_ = Item<CNumEdit>(1019);
    weightKg_ = Item<CNumEdit>(1020);
    rollDiameterMm_ = Item<CNumEdit>(1014);
    rollDiameterInch_ = Item<CNumEdit>(1013);
    lbsPerCubicInch_ = Item<CNumEdit>(1025);
    lbsPerCubicFoot_ = Item<CNumEdit>(1023);
    kgPerCubicMeter_ = Item<CNumEdit>(1024);
    gPerCubicCm_ = Item<CNumEdit>(1026);
    coreDiameterMm_ = Item<CNumEdit>(1016);
    coreDiameterInch_ = Item<CNumEdit>(1015);

    for (const BoxLook& look : kBoxes) {
        Item<CNumEdit>(look.id)->setAccessibleName(look.name);
    }
    specificGravityCopy_->setAccessibleDescription(
        "Mirrors the Specific Gravity box to its left; either one sets both");

    CMeasurementPair::Clearing(rollDiameterInch_, rollDiameterMm_);
    CMeasurementPair::Clearing(coreDiameterInch_, coreDiameterMm_);
    CMeasurementPair::Clearing(webWidthInch_, webWidthMm_);
    // Deliberately not reciprocal: pounds to kilograms and back drifts, and users expect it.
    CMeasurementPair::Direct(weightPounds_, weightKg_, kKgPerPound, kPoundsPerKg);
    CMeasurementPair::Direct(specificGravity_, specificGravityCopy_, kSpecificGravityCopy,
                             kSpecificGravityCopy);
    CMeasurementPair::Direct(lbsPerCubicFoot_, kgPerCubicMeter_, kKgM3PerLbFt3, kLbFt3PerKgM3);
    CMeasurementPair::Direct(lbsPerCubicInch_, gPerCubicCm_, kGCm3PerLbIn3, kLbIn3PerGCm3);

    connect(Item<QPushButton>(kPrintButton), &QPushButton::clicked, this, &CRollWeightDlg::OnPrint);
    connect(Item<QPushButton>(kClearAllButton), &QPushButton::clicked, this,
            &CRollWeightDlg::OnClearAll);
}

bool CRollWeightDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    BindControls();

    setWindowIcon(QIcon(LoadAppIconImage(IDR_MAINFRAME, 16, devicePixelRatioF())));

    for (const BoxLook& look : kBoxes) {
        Item<CNumEdit>(look.id)->SetFormat(look.format);
    }

    OnClearAll();

    coreDiameterLabel_->SetColour(kRequiredRed);
    coreDiameterLabel_->SetTextAlignment(Qt::AlignRight);
    coreDiameterLabel_->SetWeight(QFont::DemiBold);
    requiredLabel_->SetColour(kRequiredRed);
    requiredLabel_->SetTextAlignment(Qt::AlignLeft);
    requiredLabel_->SetWeight(QFont::DemiBold);
    return true;
}

void CRollWeightDlg::OnOK() {
    // Enter leaves the focus where it is: a metric box still being typed in has not yet been
    // carried over, and Calculate works from the inch boxes as they stand. Users rely on that.
    // Metric boxes and the second specific gravity box reach the solver only through their pairs.
    const double rollDiameter = rollDiameterInch_->GetValue();
    const double coreDiameter = coreDiameterInch_->GetValue();
    const double webWidth = webWidthInch_->GetValue();
    const double rollWeight = weightPounds_->GetValue();
    const double lbsPerCubicInch = lbsPerCubicInch_->GetValue();
    const double lbsPerCubicFoot = lbsPerCubicFoot_->GetValue();
    const double specificGravity = specificGravity_->GetValue();

    const RollWeightResult result =
        SolveRollWeight({rollDiameter, coreDiameter, webWidth, rollWeight, specificGravity,
                         lbsPerCubicFoot, lbsPerCubicInch});

    if (result.outcome != RollWeightOutcome::Solved) {
        ShowMessageBox(this, RollWeightMessage(result.outcome),
                       result.outcome == RollWeightOutcome::CoreDiameterMissing
                           ? MessageIcon::Information
                           : MessageIcon::Stop);
        return;
    }

    // The metric partner is the solver's rounded value times the factor, kept exactly.
    switch (result.solvedCase) {
    case RollWeightCase::Weight:
        weightPounds_->SetValue(result.solvedValue);
        weightKg_->SetValue(result.solvedValue * kKgPerPound);
        break;
    case RollWeightCase::WebWidth:
        webWidthInch_->SetValue(result.solvedValue);
        webWidthMm_->SetValue(result.solvedValue * kMmPerInch);
        break;
    case RollWeightCase::RollDiameter:
        rollDiameterInch_->SetValue(result.solvedValue);
        rollDiameterMm_->SetValue(result.solvedValue * kMmPerInch);
        break;
    case RollWeightCase::Density:
        break;
    }
    // An entered specific gravity is left exactly as typed.
    if (result.specificGravityDerived) {
        specificGravity_->SetValue(result.specificGravity);
        specificGravityCopy_->SetValue(result.specificGravity);
    }
    lbsPerCubicInch_->SetValue(result.lbsPerCubicInch);
    lbsPerCubicFoot_->SetValue(result.lbsPerCubicFoot);
    kgPerCubicMeter_->SetValue(result.kgPerCubicMeter);
    gPerCubicCm_->SetValue(result.gPerCubicCm);
    Item<QPushButton>(kPrintButton)->setEnabled(true);
}

void CRollWeightDlg::OnClearAll() {
    // Print stays as it is: once there was a result, there is something worth printing.
    for (const BoxLook& look : kBoxes) {
        Item<CNumEdit>(look.id)->setText(look.placeholder);
    }
}

void CRollWeightDlg::OnPrint() {
    PrintReport(this, kRollReportDocument, [figures = Figures()](const PrintSurfaceSource& p) {
        return PrintRollWeightReport(figures, p);
    });
}
