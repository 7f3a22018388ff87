#pragma once
// The stored-settings block of an ActiveX control read back and checked: its head, then the control's saved
// state (the layout, and its writer, are in quorvane/settings_block.h). The CoolBar's block holds named
// settings instead, with the keys _extentx, _extenty, _cbwidth, _cbheight, _version and minheightN, widthN,
// newrowN per band.

#include "controls/interface/property_bag.h"
#include <quorvane/settings_block.h>

namespace qv::settings
{

struct Block {
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;
    PropertyBag state;
};

// Each fails with a message naming the fault.
Outcome<Block> readBlock(std::span<const std::byte> bytes);
Outcome<PropertyBag> readNamedSettings(std::span<const std::byte> bytes);

} // namespace qv::settings
