#include "app/about_dlg.h"

#include "res/templates.h"

CAboutDlg::CAboutDlg(QWidget* owner) : CDialog(AboutBoxTemplate(), owner) {}
