// CRollCalcApp: the program's start-up. It runs the main window, and when that closes the program
// ends; every other window runs inside the main window's loop.
#pragma once

class CRollCalcApp {
public:
    // Runs the main window modally and returns when it closes.
    void Run();
};
