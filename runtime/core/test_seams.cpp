#include "runtime/core/test_seams.h"
#include <quorvane/form_description.h>

#include <map>

namespace qv
{

namespace
{
// Beside the runtimes rather than inside them, so that the runtime object is laid out the same with and
// without the seams.
std::map<const Runtime *, RuntimeProbe> &probes()
{
    static std::map<const Runtime *, RuntimeProbe> all;
    return all;
}
} // namespace

std::optional<Failure> RuntimeProbe::injectedFault(const ComObject &object, std::string_view operation) const
{
    if (!injector_)
        return std::nullopt;
    const Status s = injector_(object, operation);
    if (!failed(s))
        return std::nullopt;
    return failure(s, QStringLiteral("Injected failure of %1.").arg(storedText(operation)));
}

RuntimeProbe &probeOf(const Runtime &runtime)
{
    return probes()[&runtime];
}

void forgetProbeOf(const Runtime &runtime)
{
    probes().erase(&runtime);
}

} // namespace qv
