// CRollCalcApp: runs the main window; when it closes, the program ends.
#pragma once

class CRollCalcApp {
public:
    // Runs the main window modally and reports failure, so that no further loop runs.
    bool InitInstance();
};
