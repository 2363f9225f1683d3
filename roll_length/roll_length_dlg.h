// CRollLengthDlg: the Roll Diameter - Length Calculator. Given the core diameter and two of roll
// length, roll diameter and material thickness, in either unit, it shows the third in both.
// Values live only in the box texts.
#pragma once

#include <QIcon>
#include <array>
#include <functional>

#include "platform/dialog.h"
#include "roll_length/roll_length_report.h"

class CLinkStatic;
class CMeasurementPair;
class CNumEdit;
class CStyledStatic;

inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

class CRollLengthDlg : public CDialog {
    Q_OBJECT

public:
    explicit CRollLengthDlg(QWidget* owner = nullptr);

    // What the report prints: the boxes' numbers now.
    RollLengthFigures Figures() const;

    void OnPrint();
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
    CNumEdit* Box(int id) const;

    QIcon icon_;
    std::function<void(QWidget* owner)> aboutAction_;
    std::array<CNumEdit*, 8> boxes_{};      // 1001 to 1008
    CStyledStatic* requiredNote_ = nullptr; // 1009
    CStyledStatic* coreLabel_ = nullptr;    // 1010
    CStyledStatic* printStep_ = nullptr;    // 1055
    CStyledStatic* enterStep_ = nullptr;    // 1054
    std::array<CLinkStatic*, 4> links_{};   // 1011 to 1014
    CMeasurementPair* lengthPair_ = nullptr;
    CMeasurementPair* corePair_ = nullptr;
    CMeasurementPair* rollPair_ = nullptr;
    CMeasurementPair* thicknessPair_ = nullptr;
};
