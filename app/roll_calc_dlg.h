// CRollCalcDlg: the main window, from which the three calculators are opened.
#pragma once

#include "platform/dialog.h"

class CRollCalcDlg : public CDialog {
    Q_OBJECT

public:
    explicit CRollCalcDlg(QWidget* owner = nullptr);

    // The three calculator buttons.
    void OnRollDiameter();
    void OnRollWeight();
    void OnKnifePositions();

protected:
    bool OnInitDialog() override;
};
