// A dialog template: a window described as data (title, size in dialog units, font and its
// controls in template order), and the ids of the pictures it shows. CDialog builds the widgets
// from it.
#pragma once

#include <QFlags>
#include <string>
#include <type_traits>
#include <vector>

inline constexpr int IDR_MAINFRAME = 128; // the windows' icon
inline constexpr int IDB_BANNER = 133;    // the maker's banner

enum class ControlKind {
    PushButton,
    DefPushButton,
    CheckBox,
    GroupBox,
    Label,       // plain static text
    StyledLabel, // CStyledStatic
    LinkLabel,   // CLinkStatic
    Edit,        // plain edit box
    NumEdit,     // CNumEdit
    Picture,     // a bitmap or an icon resource
    ListView,    // report-view list
};
inline constexpr int kControlKindCount = static_cast<int>(ControlKind::ListView) + 1;

// Control styles, as flags.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,
    kDisabled = 1u << 1,
    kAlignCenter = 1u << 2,
    kAlignRight = 1u << 3,
    kBorder = 1u << 4,
    kMultiline = 1u << 5,
    kReadOnly = 1u << 6,
    kAutoVScroll = 1u << 7, // a multi-line box that scrolls when its text does not fit
    kNoPrefix = 1u << 9,
    kSunken = 1u << 10,     // sunken edge around a picture
    kClientEdge = 1u << 11, // extra sunken client edge
    kCenterImage = 1u << 12,
    kNoSortHeader = 1u << 14,
    kIcon = 1u << 15, // a picture that shows an icon rather than a bitmap
};
Q_DECLARE_FLAGS(ControlStyles, ControlStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlStyles)
inline constexpr ControlStyles kNoStyle{};

// A control's id as its window's enumeration names it, or none for a control the code never
// addresses.
struct ControlId {
    constexpr ControlId() = default;
    template <class Id>
    requires std::is_enum_v<Id>
    constexpr ControlId(Id id) : value(static_cast<int>(id)) {}
    bool operator==(const ControlId&) const = default;

    int value = -1;
};
inline constexpr ControlId kNoId{};

struct ControlTemplate {
    ControlId id;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    ControlStyles style;
    int resource = 0; // picture resource id
};

enum DialogStyle : unsigned {
    kCentered = 1u << 0,      // centred on the screen
    kSetForeground = 1u << 1, // raised when it opens
    kSysMenu = 1u << 2,
    kModalFrame = 1u << 3,    // a frame that cannot be resized
    kAppWindow = 1u << 4,     // its own task-bar button
    kAtOwnerOrigin = 1u << 5, // opens at the top-left of its owner's client area
};
Q_DECLARE_FLAGS(DialogStyles, DialogStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(DialogStyles)

struct DialogTemplate {
    std::string title;
    int cx = 0, cy = 0; // dialog units
    std::string fontFace = "Liberation Sans";
    int pointSize = 8;
    DialogStyles style;
    std::vector<ControlTemplate> controls;
};
