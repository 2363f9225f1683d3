#include "platform/resources.h"
#include "res/control_makers.h"
#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeMainWindow() {
    DialogTemplate t;
    t.id = IDD_MAINWINDOW;
    t.title = "Velmarch Roll Calculation Application";
    t.cx = 379;
    t.cy = 254;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame;
    t.controls = {
        {1, K::DefPushButton, "&Close", 318, 236, 54, 14, kTabStop},
        {-1, K::Picture, "", 6, 0, 365, 80, kCenterImage | kSunken | kBorder, IDB_BANNER},
        {1001, K::Edit, "", 7, 110, 365, 123,
         kMultiline | kReadOnly | kAlignCenter | kAutoVScroll | kOemConvert | kTabStop},
        {1028, K::PushButton, "Roll &Weight", 208, 236, 54, 14, kTabStop},
        {1036, K::PushButton, "Roll &Diameter", 153, 236, 54, 14, kTabStop},
        {1037, K::PushButton, "&Knife Positions", 263, 236, 54, 14, kTabStop},
        {1038, K::StyledLabel, "Version 1.00", 7, 81, 365, 8, 0},
        {1058, K::StyledLabel, "IMPORTANT INFORMATION -- Please Read", 7, 89, 365, 8, 0},
        {1059, K::StyledLabel, "DISCLAIMER", 7, 100, 365, 8, 0},
    };
    return t;
}

DialogTemplate MakeAboutBox() {
    DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.title = "About velmarch";
    t.cx = 235;
    t.cy = 55;
    t.style = kCentered | kSysMenu | kModalFrame;
    t.controls = {
        {-1, K::Picture, "", 11, 17, 20, 20, kIcon, IDR_MAINFRAME},
        {-1, K::Label, "velmarch Version 1.0", 40, 10, 119, 8, kNoPrefix},
        {-1, K::Label, "Copyright (C) Velmarch Products LLC", 40, 25, 119, 8, 0},
        {1, K::DefPushButton, "OK", 178, 7, 50, 14, kTabStop},
    };
    return t;
}

} // namespace

const DialogTemplate& MainWindowTemplate() {
    static const DialogTemplate t = WithControlMakers(MakeMainWindow());
    return t;
}

const DialogTemplate& AboutBoxTemplate() {
    static const DialogTemplate t = WithControlMakers(MakeAboutBox());
    return t;
}
