#include "platform/resources.h"
#include "res/control_makers.h"
#include "res/templates.h"

namespace {

using K = ControlKind;

constexpr unsigned kBox = kBorder | kTabStop | kAutoHScroll;

DialogTemplate MakeRollWeight() {
    DialogTemplate t;
    t.id = IDD_ROLLWEIGHT;
    t.title = "Velmarch Roll Weight Calculator";
    t.cx = 350;
    t.cy = 250;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame;
    t.controls = {
        {1013, K::NumEdit, "", 75, 17, 46, 12, kBox},
        {1014, K::NumEdit, "", 199, 17, 46, 12, kBox},
        {1015, K::NumEdit, "", 75, 32, 46, 12, kBox},
        {1016, K::NumEdit, "", 199, 32, 46, 12, kBox},
        {1017, K::NumEdit, "", 75, 48, 46, 12, kBox},
        {1018, K::NumEdit, "", 199, 48, 46, 12, kBox},
        {1019, K::NumEdit, "", 75, 63, 46, 12, kBox},
        {1020, K::NumEdit, "", 199, 63, 46, 12, kBox},
        {1021, K::NumEdit, "", 77, 100, 46, 12, kBox},
        {1022, K::NumEdit, "", 198, 100, 46, 12, kBox},
        {1023, K::NumEdit, "", 77, 116, 46, 12, kBox},
        {1024, K::NumEdit, "", 198, 116, 46, 12, kBox},
        {1025, K::NumEdit, "", 77, 131, 46, 12, kBox},
        {1026, K::NumEdit, "", 198, 131, 46, 12, kBox},
        {1, K::DefPushButton, "&Calculate", 287, 7, 50, 14, kTabStop},
        {1000, K::PushButton, "&Print", 287, 22, 50, 14, kTabStop | kDisabled},
        {1052, K::PushButton, "Clear &All", 287, 37, 50, 14, kTabStop},
        {2, K::PushButton, "C&lose", 287, 52, 50, 14, kTabStop},
        {1029, K::Label, "Roll Diameter:", 12, 18, 62, 8, kAlignRight},
        {1030, K::StyledLabel, "* - Core Diameter:", 2, 33, 71, 8, 0},
        {1031, K::Label, "Web Width:", 12, 48, 62, 8, kAlignRight},
        {1032, K::Label, "Roll Weight:", 16, 63, 58, 8, kAlignRight},
        {-1, K::Label, "Specific Gravity:", 18, 102, 55, 8, kAlignRight},
        {-1, K::Label, "Lbs / Cubic Foot:", 18, 118, 55, 8, kAlignRight},
        {-1, K::Label, "inches", 123, 18, 30, 8, 0},
        {-1, K::Label, "Lbs / Cubic Inch:", 18, 133, 55, 8, kAlignRight},
        {-1, K::Label, "inches", 123, 33, 30, 8, 0},
        {-1, K::Label, "pounds", 123, 63, 30, 8, 0},
        {-1, K::Label, "mm", 246, 19, 30, 8, 0},
        {-1, K::Label, "mm", 246, 34, 30, 8, 0},
        {-1, K::Label, "kg", 247, 64, 30, 8, 0},
        {-1, K::Label, "kg / Cubic Meter:", 138, 119, 56, 8, kAlignRight},
        {-1, K::Label, "g / Cubic cm:", 138, 133, 56, 8, kAlignRight},
        {-1, K::Picture, "", 2, 171, 335, 73, kCenterImage | kSunken | kClientEdge, IDB_BANNER},
        {-1, K::GroupBox, "Basic Weight Values:", 2, 90, 335, 59, 0},
        {-1, K::Label, "inches", 124, 48, 30, 8, 0},
        {-1, K::Label, "mm", 246, 49, 30, 8, 0},
        {1033, K::StyledLabel, "* - Required Fields", 17, 78, 173, 8, 0},
        {-1, K::Label, "-or-", 164, 18, 11, 8, 0},
        {-1, K::Label, "-or-", 164, 33, 11, 8, 0},
        {-1, K::Label, "-or-", 164, 48, 11, 8, 0},
        {-1, K::Label, "-or-", 164, 63, 11, 8, 0},
        {1057, K::StyledLabel, "1) Enter any four measurements and click Calculate", 2, 3, 280, 8,
         0},
        {1058, K::StyledLabel, "2) Click Print to print the results", 2, 156, 280, 8, 0},
        // The centred style is ignored: the label's own alignment setting decides.
        {1060, K::StyledLabel,
         "Only one 'Basic Weight Value' is required to calculate the remaining values.  ", 251, 102,
         80, 39, kAlignCenter},
    };
    return t;
}

} // namespace

const DialogTemplate& RollWeightTemplate() {
    static const DialogTemplate t = WithControlMakers(MakeRollWeight());
    return t;
}
