#pragma once
// Stands in for the masked edit box: a line edit that takes input through the saved mask.

#include <quorvane/control_library.h>

namespace qv::msmask
{

// Saved state: "Mask" (the masked edit box's own mask syntax, at most 64 characters; default none),
// "PromptChar" (one character shown where input is still due; default "_") and "MaxLength" (1 to 64, the
// longest text without a mask; default 64).
// What the edit keeps of its saved state beside what it shows, for the control's members: the mask as
// written, the prompt, and the longest text without a mask.
inline constexpr char maskProperty[] = "quorvaneMask";
inline constexpr char promptProperty[] = "quorvanePromptChar";
inline constexpr char maxLengthProperty[] = "quorvaneMaxLength";
inline constexpr int maxMaskedLength = 64; // the most the box holds, mask or not

ControlLibrary::Creation createMaskEdBox(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msmask
