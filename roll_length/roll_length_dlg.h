// CRollLengthDlg: the Roll Diameter - Length Calculator. Given the core diameter and two of roll
// length, roll diameter and material thickness, in either unit, it shows the third in both.
// Values live only in the boxes.
#pragma once

#include <QIcon>
#include <functional>

#include "platform/dialog.h"
#include "platform/print_report.h"
#include "res/templates.h"
#include "roll_length/roll_length_report.h"

class CNumEdit;

// The window menu's About entry.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr const char* kAboutBoxEntry = "&About velmarch...";

class CRollLengthDlg : public CDialog {
    Q_OBJECT

public:
    explicit CRollLengthDlg(QWidget* owner = nullptr);

    // What the report prints: the boxes' numbers now.
    RollLengthFigures Figures() const;

    // The report of the boxes as they stand now.
    ReportBuilder Report() const;
    void OnPrint();
    void OnPrintPreview();
    void OnClearAll();

    // What the window menu's About entry opens, handed in by the program: the window itself knows
    // nothing of the About box.
    void SetAboutAction(std::function<void(QWidget* owner)> action) {
        aboutAction_ = std::move(action);
    }

protected:
    bool OnInitDialog() override;
    // Calculate; the window stays open.
    void OnOK() override;
    void OnSysCommand(unsigned command) override;

private:
    CNumEdit* Box(RollLengthId id) const;
    double Value(RollLengthId id) const;

    QIcon icon_;
    std::function<void(QWidget* owner)> aboutAction_;
};
