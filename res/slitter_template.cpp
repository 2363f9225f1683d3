#include "platform/resources.h"
#include "res/control_makers.h"
#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeSlitter() {
    constexpr unsigned kNumberBox = kBorder | kAutoHScroll | kTabStop;
    DialogTemplate t;
    t.id = IDD_SLITTER;
    t.title = "Velmarch Slitter Position Calculator";
    t.cx = 350;
    t.cy = 253;
    // Opens over the main window's client area rather than centred, and is not raised.
    t.style = kAtOwnerOrigin | kSysMenu | kModalFrame;
    t.controls = {
        {1029, K::StyledLabel,
         "1) To calulcate positions, enter either the number of knives and slit sizes, or add "
         "slit sizes individually.  You can add as many slits as needed.  Equal and varied slits "
         "may be mixed within the same calculation.",
         4, 81, 342, 18, 0},
        {-1, K::GroupBox, "Equal Slit Properties:", 178, 100, 168, 55, 0},
        {-1, K::Label, "Number of Slits:", 199, 112, 50, 8, kAlignRight},
        {1040, K::NumEdit, "", 252, 109, 23, 12, kNumberBox},
        {-1, K::Label, "Slit Size in Inches:", 191, 125, 58, 8, kAlignRight},
        {1043, K::NumEdit, "", 252, 123, 37, 12, kNumberBox},
        {-1, K::Label, "Slit Size in Millimeters:", 180, 140, 69, 8, kAlignRight},
        {1044, K::NumEdit, "", 252, 137, 37, 12, kNumberBox},
        {-1, K::GroupBox, "Varied Slit or Increment Properties:", 4, 100, 150, 55, 0},
        {-1, K::Label, "Next slit / inc. width (Inches):", 8, 112, 92, 8, kAlignRight},
        {1045, K::NumEdit, "", 103, 110, 40, 12, kNumberBox},
        {-1, K::Label, "Next slit / inc. width (mm):", 18, 125, 82, 8, kAlignRight},
        {1046, K::NumEdit, "", 103, 123, 40, 12, kNumberBox},
        {1047, K::PushButton, "Add &Slit", 102, 137, 42, 14, kTabStop},
        {1039, K::ListView, "", 4, 178, 342, 74, kBorder | kNoSortHeader | kTabStop},
        {1050, K::PushButton, "&Add Slits", 293, 137, 42, 14, kTabStop},
        {2, K::PushButton, "&Close", 296, 16, 50, 14, kTabStop},
        {1000, K::PushButton, "&Print", 296, 0, 50, 14, kTabStop | kDisabled},
        {3, K::PushButton, "&Clear All", 296, 32, 50, 14, kTabStop},
        {-1, K::Picture, "", 3, 0, 286, 79, kCenterImage | kSunken, IDB_BANNER},
        {-1, K::Label, "And\n\nOr", 157, 117, 17, 25, kAlignCenter},
        {1030, K::StyledLabel,
         "2) Enter data above and click Add Slit(s)\n3) Click Print to print knife positions", 4,
         157, 342, 17, 0},
        {1056, K::CheckBox, "Add Setup &Increment", 18, 139, 80, 8, kTabStop},
    };
    return t;
}

} // namespace

const DialogTemplate& SlitterTemplate() {
    static const DialogTemplate t = WithControlMakers(MakeSlitter());
    return t;
}
