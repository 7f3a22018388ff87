#pragma once
// Stands in for the progress bar: a bar without a percentage text, as the control draws none.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Min" (default 0), "Max" (default 100, above Min) and "Value" (Min to Max, default Min).
ControlLibrary::Creation createProgressBar(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
