#pragma once
// The three classes every module of the module-count benchmark makes: small stand-ins of the usual kinds, a
// framed panel and a caption with windows, and an invisible object. Each reads and checks its stored-settings
// block as the program's own modules do.

#include <quorvane/control_library.h>

namespace qv::growth
{

ControlLibrary::Creation createPanel(std::span<const std::byte> settings, QWidget &container);
ControlLibrary::Creation createCaption(std::span<const std::byte> settings, QWidget &container);
ControlLibrary::Creation createClock(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::growth
