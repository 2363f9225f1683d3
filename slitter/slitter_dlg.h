// CSlitterDlg: the Slitter Position Calculator. Slit widths go in as equal slits, one varied
// slit or a setup increment; the knife positions come out in a five-column list.
#pragma once

#include <memory>

#include "platform/dialog.h"
#include "platform/print_report.h"
#include "res/templates.h"
#include "slitter/slit_list.h"
#include "slitter/slitter_report.h"

class CNumEdit;
class CSlitListModel;
class QCheckBox;

class CSlitterDlg : public CDialog {
    Q_OBJECT

public:
    explicit CSlitterDlg(QWidget* owner = nullptr);
    ~CSlitterDlg() override;

    const CSlitList& KnifeList() const { return knives_; }

    void OnAddSlits();
    void OnAddSlit();
    void OnClearAll();
    // The report of the list as it stands now.
    ReportBuilder Report() const;
    void OnPrint();
    void OnPrintPreview();

protected:
    bool OnInitDialog() override;
    // The window has no default button; Enter after typing a number must not throw the list away.
    void OnOK() override;

private:
    // Shows the list's new rows and, on a refusal, its message.
    // rowsBefore: the list's length before the addition, to say which knives it added.
    void Finish(SlitListOutcome outcome, std::size_t rowsBefore);
    void AnnounceAdded(std::size_t rowsBefore);
    double Value(SlitterId id) const;
    QCheckBox* IncrementBox() const;

    CSlitList knives_;
    // Declared after the list so that it goes first.
    std::unique_ptr<CSlitListModel> model_;
};
