// CRollWeightDlg: the Roll Weight Calculator. From the core diameter and three of roll diameter,
// web width, roll weight and density it fills in the missing one and the whole density family.
#pragma once

#include "platform/dialog.h"
#include "roll_weight/roll_weight_report.h"

class CMeasurementPair;
class CNumEdit;
class CStyledStatic;
class QLabel;

class CRollWeightDlg : public CDialog {
    Q_OBJECT

public:
    explicit CRollWeightDlg(QWidget* owner = nullptr);

    // What the report prints: the boxes' numbers now. The specific gravity is the unlabelled
    // twin's, which the window keeps equal to the other.
    RollWeightFigures Figures() const;

    void OnPrint();
    void OnClearAll();

protected:
    bool OnInitDialog() override;
    // Calculate; the window stays open.
    void OnOK() override;

private:
    void BindControls();

    CStyledStatic* noteLabel_ = nullptr;         // 1060
    CStyledStatic* printStepLabel_ = nullptr;    // 1058
    CStyledStatic* enterStepLabel_ = nullptr;    // 1057
    CStyledStatic* requiredLabel_ = nullptr;     // 1033
    QLabel* rollWeightLabel_ = nullptr;          // 1032
    QLabel* webWidthLabel_ = nullptr;            // 1031
    CStyledStatic* coreDiameterLabel_ = nullptr; // 1030
    QLabel* rollDiameterLabel_ = nullptr;        // 1029

    CNumEdit* webWidthMm_ = nullptr;          // 1018
    CNumEdit* webWidthInch_ = nullptr;        // 1017
    CNumEdit* specificGravityCopy_ = nullptr; // 1022
    CNumEdit* specificGravity_ = nullptr;     // 1021
    CNumEdit* weightPounds_ = nullptr;        // 1019
    CNumEdit* weightKg_ = nullptr;            // 1020
    CNumEdit* rollDiameterMm_ = nullptr;      // 1014
    CNumEdit* rollDiameterInch_ = nullptr;    // 1013
    CNumEdit* lbsPerCubicInch_ = nullptr;     // 1025
    CNumEdit* lbsPerCubicFoot_ = nullptr;     // 1023
    CNumEdit* kgPerCubicMeter_ = nullptr;     // 1024
    CNumEdit* gPerCubicCm_ = nullptr;         // 1026
    CNumEdit* coreDiameterMm_ = nullptr;      // 1016
    CNumEdit* coreDiameterInch_ = nullptr;    // 1015
};
