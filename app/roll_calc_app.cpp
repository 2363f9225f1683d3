#include "app/roll_calc_app.h"

#include "app/roll_calc_dlg.h"
#include "platform/dialog.h"

bool CRollCalcApp::InitInstance() {
    CRollCalcDlg dlg;
    CDialog::SetMainWindow(&dlg);
    dlg.DoModal();
    CDialog::SetMainWindow(nullptr);
    return false;
}
