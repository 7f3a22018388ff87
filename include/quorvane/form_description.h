#pragma once
// Stored descriptions of windows and their controls: compiled-in, read-only tables, one per window, with
// every position and size in twips as it was stored.

#include <quorvane/builtin_class.h>
#include <quorvane/font_record.h>

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace qv
{

// Stored names, captions and texts are single-byte (Latin-1) strings; this is the one place they become
// QStrings, for the runtime and for any program that reads a description.
inline QString storedText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A position or size as stored: twips, 1/1440 inch (15 a pixel at 96 dots an inch).
using Twips = std::int16_t;

// The programmatic identifier of an ActiveX class, as stored: "MSComctlLib.Toolbar".
struct ProgId {
    std::string_view text;
    constexpr bool operator==(const ProgId &) const = default;
};

// A control's class: one built into the runtime, or an ActiveX class named by its programmatic identifier.
using ControlClass = std::variant<BuiltinClass, ProgId>;

constexpr bool isActiveX(const ControlClass &cls)
{
    return std::holds_alternative<ProgId>(cls);
}
constexpr bool isBuiltin(const ControlClass &cls, BuiltinClass which)
{
    const auto *builtin = std::get_if<BuiltinClass>(&cls);
    return builtin && *builtin == which;
}

enum class Alignment { Left, Right, Center };

// A control that keeps to an edge of its window at the window's full width.
enum class EdgeAlign { None, Top, Bottom };

inline constexpr int noTabIndex = -1;

struct ControlRecord {
    std::string_view name;
    ControlClass cls = BuiltinClass::Label;
    std::string_view container = {}; // empty: the window itself
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    int tabIndex = noTabIndex;
    std::string_view text = {}; // caption or text
    std::optional<FontRecord> font = std::nullopt; // the window's font when empty
    Alignment alignment = Alignment::Left;
    bool isDefault = false; // a command button that Enter presses
    int maxLength = 0; // a text box's length limit; 0 for none
    std::span<const std::byte> settings = {}; // an ActiveX control's stored-settings block
    EdgeAlign align = EdgeAlign::None;
    Twips x2 = 0; // a line's end point; its start is (left, top)
    Twips y2 = 0;
    int interval = 0; // a timer's interval in milliseconds; 0: it never fires
    std::string_view connect = {}; // a data control's connection type
    std::string_view databaseName = {};
    std::string_view recordSource = {};
    std::string_view oleClass = {}; // an OLE container's object class
    std::span<const std::byte> oleObject = {}; // and its embedded object, a compound document
};

enum class StartUpPosition { Manual, CenterOwner, CenterScreen, WindowsDefault };

// Three further window settings, stored alike in both windows.
struct WindowSettings {
    int scaleMode = 1; // 1: positions and sizes are in twips
    int autoRedraw = 0; // 0: controls draw themselves on demand
    int clipControls = -1; // -1 (true): the window paints around its controls
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    Twips clientLeft = 0;
    Twips clientTop = 0;
    Twips clientWidth = 0;
    Twips clientHeight = 0;
    StartUpPosition startUpPosition = StartUpPosition::WindowsDefault;
    std::string_view ddeTopic = {};
    std::optional<FontRecord> font = std::nullopt; // the runtime's default when empty
    WindowSettings settings = {};
    std::span<const ControlRecord> controls = {}; // in stored order, the order of creation
};

} // namespace qv
