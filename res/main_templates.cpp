#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeMainWindow() {
    using I = MainWindowId;
    DialogTemplate t;
    t.title = "Velmarch Roll Calculation Application";
    t.cx = 379;
    t.cy = 254;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame;
    t.controls = {
        {I::Close, K::DefPushButton, "&Close", 318, 236, 54, 14, kTabStop},
        {kNoId, K::Picture, "", 6, 0, 365, 80, kCenterImage | kSunken | kBorder, IDB_BANNER},
        {I::Disclaimer, K::Edit, "", 7, 110, 365, 123,
         kMultiline | kReadOnly | kAlignCenter | kAutoVScroll | kTabStop},
        {I::RollWeight, K::PushButton, "Roll &Weight", 208, 236, 54, 14, kTabStop},
        {I::RollDiameter, K::PushButton, "Roll &Diameter", 153, 236, 54, 14, kTabStop},
        {I::KnifePositions, K::PushButton, "&Knife Positions", 263, 236, 54, 14, kTabStop},
        {I::Version, K::StyledLabel, "Version 1.00", 7, 81, 365, 8, kNoStyle},
        {I::Heading, K::StyledLabel, "IMPORTANT INFORMATION -- Please Read", 7, 89, 365, 8,
         kNoStyle},
        {I::DisclaimerHeading, K::StyledLabel, "DISCLAIMER", 7, 100, 365, 8, kNoStyle},
    };
    return t;
}

DialogTemplate MakeAboutBox() {
    using I = AboutBoxId;
    DialogTemplate t;
    t.title = "About velmarch";
    t.cx = 235;
    t.cy = 55;
    t.style = kCentered | kSysMenu | kModalFrame;
    t.controls = {
        {kNoId, K::Picture, "", 11, 17, 20, 20, kIcon, IDR_MAINFRAME},
        {kNoId, K::Label, "velmarch Version 1.0", 40, 10, 119, 8, kNoPrefix},
        {kNoId, K::Label, "Copyright (C) Velmarch Products LLC", 40, 25, 119, 8, kNoStyle},
        {I::Ok, K::DefPushButton, "OK", 178, 7, 50, 14, kTabStop},
    };
    return t;
}

} // namespace

const DialogTemplate& MainWindowTemplate() {
    static const DialogTemplate t = MakeMainWindow();
    return t;
}

const DialogTemplate& AboutBoxTemplate() {
    static const DialogTemplate t = MakeAboutBox();
    return t;
}
