#include "runtime/core/runtime_probe.h"

namespace qv
{

std::optional<Failure> RuntimeProbe::injectedFault(const ComObject &object, std::string_view operation) const
{
    if (!injector_)
        return std::nullopt;
    const Status s = injector_(object, operation);
    if (!failed(s))
        return std::nullopt;
    return failure(s, QStringLiteral("Injected failure of %1.").arg(QLatin1StringView(operation)));
}

} // namespace qv
