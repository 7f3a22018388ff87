#pragma once
// Stands in for the common dialog control: an invisible object holding the settings of its saved state. It
// shows no dialog.

#include <quorvane/control_library.h>

namespace qv::mscomdlg
{

// Saved state: "CancelError" (0 or 1, 0 when absent), "DialogTitle", "Filter" (pairs of description and
// pattern, every part ended by '|' but the last, e.g. "Text (*.txt)|*.txt|All files|*.*"), "FilterIndex"
// (0, or 1 up to the number of pairs; 0 when absent) and "Flags" (0 or more, 0 when absent).
// The number of description-and-pattern pairs in a filter, or -1 when it is not made of such pairs.
qsizetype filterPairs(const QString &filter);

ControlLibrary::Creation createCommonDialog(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomdlg
