// CAboutDlg: the About box, reached from the Roll Diameter - Length window's system menu.
#pragma once

#include "platform/dialog.h"

class CAboutDlg : public CDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* owner = nullptr);
};
