#pragma once
// A record's stored values as the tests read them: the number stored for a property.

#include <quorvane/form_description.h>

#include <gtest/gtest.h>

namespace qv::test
{

inline std::int32_t storedNumber(const ControlRecord &record, std::string_view property)
{
    for (const StoredValue &stored : record.values) {
        if (const auto *number = std::get_if<std::int32_t>(&stored.value);
            number && stored.property == property)
            return *number;
    }
    ADD_FAILURE() << record.name << " stores no number " << property;
    return 0;
}

} // namespace qv::test
