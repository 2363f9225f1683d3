// CRollWeightDlg: the Roll Weight Calculator. From the core diameter and three of roll diameter,
// web width, roll weight and density it fills in the missing one and the whole density family.
#pragma once

#include "platform/dialog.h"
#include "platform/print_report.h"
#include "res/templates.h"
#include "roll_weight/roll_weight_report.h"

class CNumEdit;

class CRollWeightDlg : public CDialog {
    Q_OBJECT

public:
    explicit CRollWeightDlg(QWidget* owner = nullptr);

    // What the report prints: the boxes' numbers now. The specific gravity is the unlabelled
    // twin's, which the window keeps equal to the other.
    RollWeightFigures Figures() const;

    // The report of the boxes as they stand now.
    ReportBuilder Report() const;
    void OnPrint();
    void OnPrintPreview();
    void OnClearAll();

protected:
    bool OnInitDialog() override;
    // Calculate; the window stays open.
    void OnOK() override;

private:
    CNumEdit* Box(RollWeightId id) const;
    double Value(RollWeightId id) const;
};
