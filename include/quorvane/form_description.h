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

// A control that keeps to an edge of its window at the window's full width.
enum class EdgeAlign { None, Top, Bottom };

inline constexpr int noTabIndex = -1;

// A value a control stores beyond what every control stores: a property of its class, by the name the class's
// type information gives it, with a number (a Boolean is 0 or 1, an enumeration its value), a text, or bytes
// (an embedded object). The runtime applies each through the class's description as it makes the control,
// in stored order, and a name its class does not store or a value of the wrong type fails the load naming
// them; so a stored property that a later 2.x runtime adds changes no structure a program compiles.
struct StoredValue {
    using Value = std::variant<std::int32_t, std::string_view, std::span<const std::byte>>;
    std::string_view property;
    Value value;
};

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
    std::span<const StoredValue> values
        = {}; // the class's own stored properties: Interval, X2, MaxLength, ...
    std::span<const std::byte> settings = {}; // an ActiveX control's stored-settings block
    EdgeAlign align = EdgeAlign::None;
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
