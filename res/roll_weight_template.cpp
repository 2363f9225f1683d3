#include "res/templates.h"

namespace {

using K = ControlKind;

constexpr ControlStyles kBox = kBorder | kTabStop;

DialogTemplate MakeRollWeight() {
    using I = RollWeightId;
    DialogTemplate t;
    t.title = "Velmarch Roll Weight Calculator";
    t.cx = 350;
    t.cy = 250;
    t.style = kCentered | kSetForeground | kSysMenu | kModalFrame;
    t.controls = {
        {I::RollInches, K::NumEdit, "", 75, 17, 46, 12, kBox},
        {I::RollMm, K::NumEdit, "", 199, 17, 46, 12, kBox},
        {I::CoreInches, K::NumEdit, "", 75, 32, 46, 12, kBox},
        {I::CoreMm, K::NumEdit, "", 199, 32, 46, 12, kBox},
        {I::WebInches, K::NumEdit, "", 75, 48, 46, 12, kBox},
        {I::WebMm, K::NumEdit, "", 199, 48, 46, 12, kBox},
        {I::Pounds, K::NumEdit, "", 75, 63, 46, 12, kBox},
        {I::Kilograms, K::NumEdit, "", 199, 63, 46, 12, kBox},
        {I::SpecificGravity, K::NumEdit, "", 77, 100, 46, 12, kBox},
        {I::SpecificGravityCopy, K::NumEdit, "", 198, 100, 46, 12, kBox},
        {I::LbsPerCubicFoot, K::NumEdit, "", 77, 116, 46, 12, kBox},
        {I::KgPerCubicMeter, K::NumEdit, "", 198, 116, 46, 12, kBox},
        {I::LbsPerCubicInch, K::NumEdit, "", 77, 131, 46, 12, kBox},
        {I::GPerCubicCm, K::NumEdit, "", 198, 131, 46, 12, kBox},
        {I::Calculate, K::DefPushButton, "&Calculate", 287, 7, 50, 14, kTabStop},
        {I::Print, K::PushButton, "&Print", 287, 22, 50, 14, kTabStop | kDisabled},
        {I::ClearAll, K::PushButton, "Clear &All", 287, 37, 50, 14, kTabStop},
        {I::Close, K::PushButton, "C&lose", 287, 52, 50, 14, kTabStop},
        {I::RollLabel, K::Label, "Roll Diameter:", 12, 18, 62, 8, kAlignRight},
        {I::CoreLabel, K::StyledLabel, "* - Core Diameter:", 2, 33, 71, 8, kNoStyle},
        {I::WebLabel, K::Label, "Web Width:", 12, 48, 62, 8, kAlignRight},
        {I::WeightLabel, K::Label, "Roll Weight:", 16, 63, 58, 8, kAlignRight},
        {I::SpecificGravityCaption, K::Label, "Specific Gravity:", 18, 102, 55, 8, kAlignRight},
        {I::LbsPerCubicFootCaption, K::Label, "Lbs / Cubic Foot:", 18, 118, 55, 8, kAlignRight},
        {kNoId, K::Label, "inches", 123, 18, 30, 8, kNoStyle},
        {I::LbsPerCubicInchCaption, K::Label, "Lbs / Cubic Inch:", 18, 133, 55, 8, kAlignRight},
        {kNoId, K::Label, "inches", 123, 33, 30, 8, kNoStyle},
        {kNoId, K::Label, "pounds", 123, 63, 30, 8, kNoStyle},
        {I::RollMmUnit, K::Label, "mm", 246, 19, 30, 8, kNoStyle},
        {I::CoreMmUnit, K::Label, "mm", 246, 34, 30, 8, kNoStyle},
        {I::KilogramsUnit, K::Label, "kg", 247, 64, 30, 8, kNoStyle},
        {I::KgPerCubicMeterCaption, K::Label, "kg / Cubic Meter:", 138, 119, 56, 8, kAlignRight},
        {I::GPerCubicCmCaption, K::Label, "g / Cubic cm:", 138, 133, 56, 8, kAlignRight},
        {kNoId, K::Picture, "", 2, 171, 335, 73, kCenterImage | kSunken | kClientEdge, IDB_BANNER},
        {kNoId, K::GroupBox, "Basic Weight Values:", 2, 90, 335, 59, kNoStyle},
        {kNoId, K::Label, "inches", 124, 48, 30, 8, kNoStyle},
        {I::WebMmUnit, K::Label, "mm", 246, 49, 30, 8, kNoStyle},
        {I::RequiredNote, K::StyledLabel, "* - Required Fields", 17, 78, 173, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 164, 18, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 164, 33, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 164, 48, 11, 8, kNoStyle},
        {kNoId, K::Label, "-or-", 164, 63, 11, 8, kNoStyle},
        {I::EnterStep, K::StyledLabel, "1) Enter any four measurements and click Calculate", 2, 3,
         280, 8, kNoStyle},
        {I::PrintStep, K::StyledLabel, "2) Click Print to print the results", 2, 156, 280, 8,
         kNoStyle},
        // The centred style is ignored: the label's own alignment setting decides.
        {I::DensityNote, K::StyledLabel,
         "Only one 'Basic Weight Value' is required to calculate the remaining values.  ", 251, 102,
         80, 39, kAlignCenter},
    };
    return t;
}

} // namespace

const DialogTemplate& RollWeightTemplate() {
    static const DialogTemplate t = MakeRollWeight();
    return t;
}
