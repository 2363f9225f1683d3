// The windows' dialog templates, transcribed from their control tables.
#pragma once

#include "platform/dialog_template.h"

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_ROLLLENGTH = 102;
inline constexpr int IDD_ROLLWEIGHT = 134;
inline constexpr int IDD_MAINWINDOW = 137;
inline constexpr int IDD_SLITTER = 138;

const DialogTemplate& MainWindowTemplate(); // 137
const DialogTemplate& AboutBoxTemplate();   // 100
const DialogTemplate& RollLengthTemplate(); // 102
const DialogTemplate& RollWeightTemplate(); // 134
const DialogTemplate& SlitterTemplate();    // 138
