#include "platform/resources.h"
#include "res/control_makers.h"
#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeRollLength() {
    constexpr unsigned kBox = kBorder | kAutoHScroll | kTabStop;
    DialogTemplate t;
    t.id = IDD_ROLLLENGTH;
    t.title = "Velmarch Roll Diameter - Length Calculator";
    t.cx = 350;
    t.cy = 250;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame | kAppWindow;
    t.controls = {
        {-1, K::Label, "Roll Length:", 32, 20, 44, 12, kAlignRight},
        {1001, K::NumEdit, "", 79, 18, 50, 12, kBox},
        {-1, K::Label, "feet", 131, 20, 22, 8, 0},
        {1002, K::NumEdit, "", 185, 18, 50, 12, kBox},
        {-1, K::Label, "meters", 237, 20, 22, 12, 0},
        {1010, K::StyledLabel, "* - Core Diameter:", 7, 33, 68, 8, 0},
        {1003, K::NumEdit, "", 79, 31, 50, 12, kBox},
        {-1, K::Label, "inches", 131, 33, 22, 8, 0},
        {1004, K::NumEdit, "", 185, 31, 50, 12, kBox},
        {-1, K::Label, "mm", 237, 33, 22, 12, 0},
        {-1, K::Label, "Roll Diameter:", 16, 45, 59, 12, kAlignRight},
        {1005, K::NumEdit, "", 79, 44, 50, 12, kBox},
        {-1, K::Label, "inches", 131, 47, 22, 8, 0},
        {1006, K::NumEdit, "", 185, 44, 50, 12, kBox},
        {-1, K::Label, "mm", 237, 47, 22, 12, 0},
        {-1, K::Label, "Material Thickness:", 7, 57, 70, 12, kAlignRight},
        {1007, K::NumEdit, "", 79, 58, 50, 12, kBox},
        {-1, K::Label, "inches", 131, 60, 22, 8, 0},
        {1008, K::NumEdit, "", 185, 58, 50, 12, kBox},
        {-1, K::Label, "mm", 237, 60, 22, 12, 0},
        {1, K::DefPushButton, "&Calculate", 292, 6, 50, 14, kTabStop},
        {1000, K::PushButton, "&Print", 292, 21, 50, 14, kTabStop | kDisabled},
        {1052, K::PushButton, "Clear &All", 292, 36, 50, 14, kTabStop},
        {2, K::PushButton, "C&lose", 292, 51, 50, 14, kTabStop},
        {-1, K::GroupBox, "For more information on Velmarch Products", 7, 97, 335, 66, 0},
        {1011, K::LinkLabel, "1", 20, 108, 312, 8, kAlignCenter},
        {1012, K::LinkLabel, "2", 20, 122, 312, 8, kAlignCenter},
        {1014, K::LinkLabel, "3", 20, 136, 312, 8, kAlignCenter},
        {1013, K::LinkLabel, "4", 20, 150, 312, 8, kAlignCenter},
        {1009, K::StyledLabel, "* - Required Field", 19, 71, 57, 8, 0},
        {1054, K::StyledLabel,
         "1) Enter any three of the four measurements below and click calculate.", 5, 8, 279, 10,
         0},
        {1055, K::StyledLabel, "2) Click Print to print the evaluation results", 7, 82, 264, 10, 0},
        {-1, K::Picture, "", 7, 167, 335, 76, kCenterImage | kSunken | kBorder, IDB_BANNER},
        {-1, K::Label, "-or-", 161, 20, 11, 8, 0},
        {-1, K::Label, "-or-", 161, 33, 11, 8, 0},
        {-1, K::Label, "-or-", 161, 47, 11, 8, 0},
        {-1, K::Label, "-or-", 161, 60, 11, 8, 0},
    };
    return t;
}

} // namespace

const DialogTemplate& RollLengthTemplate() {
    static const DialogTemplate t = WithControlMakers(MakeRollLength());
    return t;
}
