#include "res/templates.h"

namespace {

using K = ControlKind;

DialogTemplate MakeRollLength() {
    constexpr ControlStyles kBox = kBorder | kTabStop;
    using I = RollLengthId;
    DialogTemplate t;
    t.title = "Velmarch Roll Diameter - Length Calculator";
    t.cx = 350;
    t.cy = 250;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame | kAppWindow;
    t.controls = {
        {I::LengthCaption, K::Label, "Roll Length:", 32, 20, 44, 12, kAlignRight},
        {I::LengthFeet, K::NumEdit, "", 79, 18, 50, 12, kBox},
        {kNoId, K::Label, "feet", 131, 20, 22, 8, kNoStyle},
        {I::LengthMeters, K::NumEdit, "", 185, 18, 50, 12, kBox},
        {I::MetersUnit, K::Label, "meters", 237, 20, 22, 12, kNoStyle},
        {I::CoreLabel, K::StyledLabel, "* - Core Diameter:", 7, 33, 68, 8, kNoStyle},
        {I::CoreInches, K::NumEdit, "", 79, 31, 50, 12, kBox},
        {kNoId, K::Label, "inches", 131, 33, 22, 8, kNoStyle},
        {I::CoreMm, K::NumEdit, "", 185, 31, 50, 12, kBox},
        {I::CoreMmUnit, K::Label, "mm", 237, 33, 22, 12, kNoStyle},
        {I::RollCaption, K::Label, "Roll Diameter:", 16, 45, 59, 12, kAlignRight},
        {I::RollInches, K::NumEdit, "", 79, 44, 50, 12, kBox},
        {kNoId, K::Label, "inches", 131, 47, 22, 8, kNoStyle},
        {I::RollMm, K::NumEdit, "", 185, 44, 50, 12, kBox},
        {I::RollMmUnit, K::Label, "mm", 237, 47, 22, 12, kNoStyle},
        {I::ThicknessCaption, K::Label, "Material Thickness:", 7, 57, 70, 12, kAlignRight},
        {I::ThicknessInches, K::NumEdit, "", 79, 58, 50, 12, kBox},
        {kNoId, K::Label, "inches", 131, 60, 22, 8, kNoStyle},
        {I::ThicknessMm, K::NumEdit, "", 185, 58, 50, 12, kBox},
        {I::ThicknessMmUnit, K::Label, "mm", 237, 60, 22, 12, kNoStyle},
        {I::Calculate, K::DefPushButton, "&Calculate", 292, 6, 50, 14, kTabStop},
        {I::Print, K::PushButton, "&Print", 292, 21, 50, 14, kTabStop | kDisabled},
        {I::ClearAll, K::PushButton, "Clear &All", 292, 36, 50, 14, kTabStop},
        {I::Close, K::PushButton, "C&lose", 292, 51, 50, 14, kTabStop},
        {kNoId, K::GroupBox, "For more information on Velmarch Products", 7, 97, 335, 66, kNoStyle},
        {I::WebLink, K::LinkLabel, "1", 20, 108, 312, 8, kAlignCenter | kTabStop},
        {I::SalesLink, K::LinkLabel, "2", 20, 122, 312, 8, kAlignCenter | kTabStop},
        {I::ServiceLink, K::LinkLabel, "3", 20, 136, 312, 8, kAlignCenter | kTabStop},
        {I::EngineeringLink, K::LinkLabel, "4", 20, 150, 312, 8, kAlignCenter | kTabStop},
        {I::RequiredNote, K::StyledLabel, "* - Required Field", 19, 71, 57, 8, kNoStyle},
        {I::EnterStep, K::StyledLabel,
         "1) Enter any three of the four measurements below and click calculate.", 5, 8, 279, 10,
         kNoStyle},
        {I::PrintStep, K::StyledLabel, "2) Click Print to print the evaluation results", 7, 82, 264,
         10, kNoStyle},
        {kNoId, K::Picture, "", 7, 167, 335, 76, kCenterImage | kSunken | kBorder, IDB_BANNER},
        {kNoId, K::Label, "-or-", 161, 20, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 161, 33, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 161, 47, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 161, 60, 11, 8, kNoStyle},
    };
    return t;
}

} // namespace

const DialogTemplate& RollLengthTemplate() {
    static const DialogTemplate t = MakeRollLength();
    return t;
}
