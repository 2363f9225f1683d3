#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeSlitter() {
    constexpr ControlStyles kNumberBox = kBorder | kTabStop;
    using I = SlitterId;
    DialogTemplate t;
    t.title = "Velmarch Slitter Position Calculator";
    t.cx = 350;
    t.cy = 253;
    // Opens over the main window's client area rather than centred, and is not raised.
    t.style = kAtOwnerOrigin | kSysMenu | kModalFrame;
    t.controls = {
        {I::Instructions, K::StyledLabel,
         "1) To calulcate positions, enter either the number of knives and slit sizes, or add "
         "slit sizes individually.  You can add as many slits as needed.  Equal and varied slits "
         "may be mixed within the same calculation.",
         4, 81, 342, 18, kNoStyle},
        {kNoId, K::GroupBox, "Equal Slit Properties:", 178, 100, 168, 55, kNoStyle},
        {I::SlitCountCaption, K::Label, "Number of Slits:", 199, 112, 50, 8, kAlignRight},
        {I::SlitCount, K::NumEdit, "", 252, 109, 23, 12, kNumberBox},
        {I::SlitInchesCaption, K::Label, "Slit Size in Inches:", 191, 125, 58, 8, kAlignRight},
        {I::SlitInches, K::NumEdit, "", 252, 123, 37, 12, kNumberBox},
        {I::SlitMmCaption, K::Label, "Slit Size in Millimeters:", 180, 140, 69, 8, kAlignRight},
        {I::SlitMm, K::NumEdit, "", 252, 137, 37, 12, kNumberBox},
        {kNoId, K::GroupBox, "Varied Slit or Increment Properties:", 4, 100, 150, 55, kNoStyle},
        {I::NextInchesCaption, K::Label, "Next slit / inc. width (Inches):", 8, 112, 92, 8,
         kAlignRight},
        {I::NextInches, K::NumEdit, "", 103, 110, 40, 12, kNumberBox},
        {I::NextMmCaption, K::Label, "Next slit / inc. width (mm):", 18, 125, 82, 8, kAlignRight},
        {I::NextMm, K::NumEdit, "", 103, 123, 40, 12, kNumberBox},
        {I::AddSlit, K::PushButton, "Add &Slit", 102, 137, 42, 14, kTabStop},
        {I::KnifeList, K::ListView, "", 4, 178, 342, 74, kBorder | kNoSortHeader | kTabStop},
        {I::AddSlits, K::PushButton, "&Add Slits", 293, 137, 42, 14, kTabStop},
        {I::Close, K::PushButton, "&Close", 296, 16, 50, 14, kTabStop},
        {I::Print, K::PushButton, "&Print", 296, 0, 50, 14, kTabStop | kDisabled},
        {I::ClearAll, K::PushButton, "&Clear All", 296, 32, 50, 14, kTabStop},
        {kNoId, K::Picture, "", 3, 0, 286, 79, kCenterImage | kSunken, IDB_BANNER},
        {kNoId, K::Label, "And\n\nOr", 157, 117, 17, 25, kAlignCenter},
        {I::Steps, K::StyledLabel,
         "2) Enter data above and click Add Slit(s)\n3) Click Print to print knife positions", 4,
         157, 342, 17, kNoStyle},
        {I::SetupIncrement, K::CheckBox, "Add Setup &Increment", 18, 139, 80, 8, kTabStop},
    };
    return t;
}

} // namespace

const DialogTemplate& SlitterTemplate() {
    static const DialogTemplate t = MakeSlitter();
    return t;
}
