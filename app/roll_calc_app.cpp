#include "app/roll_calc_app.h"

#include "app/roll_calc_dlg.h"
#include "platform/dialog.h"

void CRollCalcApp::Run() {
    CRollCalcDlg dlg;
    CDialog::SetMainWindow(&dlg);
    dlg.DoModal();
    CDialog::SetMainWindow(nullptr);
}
