#pragma once
// Stands in for the masked edit box: a line edit that takes input through the saved mask.

#include <quorvane/control_library.h>

namespace qv::msmask
{

// Saved state: "Mask" (the masked edit box's own mask syntax, at most 64 characters; default none),
// "PromptChar" (one character shown where input is still due; default "_") and "MaxLength" (1 to 64, the
// longest text without a mask; default 64).
ControlLibrary::Creation createMaskEdBox(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msmask
