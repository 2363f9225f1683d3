#include "app/about_dlg.h"

#include "controls/control_makers.h"
#include "res/templates.h"

CAboutDlg::CAboutDlg(QWidget* owner)
    : CDialog(AboutBoxTemplate(), StandardControlMakers(), owner) {}
