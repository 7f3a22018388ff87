#pragma once
// The saved state of a control read back: named integer and text properties, as the stored-settings blocks
// carry them (the encoding, and its writer, are in quorvane/settings_block.h).

#include <quorvane/outcome.h>
#include <quorvane/settings_block.h>

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qv::settings
{

class PropertyBag
{
public:
    struct Entry {
        QString name;
        bool isText = false;
        std::int32_t number = 0;
        QString text;
    };

    std::optional<std::int32_t> integer(QStringView name) const;
    std::optional<QString> text(QStringView name) const;
    const std::vector<Entry> &entries() const { return entries_; }
    void add(Entry entry) { entries_.push_back(std::move(entry)); }

private:
    const Entry *find(QStringView name) const;
    std::vector<Entry> entries_;
};

// Stored settings that do not read, and why.
inline Failure badSettings(QString why)
{
    return failure(status::badFileFormat, std::move(why));
}

// Reads a property bag from the bytes, or fails with a message naming the offset and the fault.
Outcome<PropertyBag> readPropertyBag(std::span<const std::byte> bytes);

} // namespace qv::settings
