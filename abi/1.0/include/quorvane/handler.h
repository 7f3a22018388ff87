#pragma once
// The one error path of an event handler: the counted references and strings the body holds are released
// as it unwinds, and the status of the run-time error that ended it is returned to the runtime.

#include <quorvane/runtime_error.h>
#include <quorvane/status.h>

namespace qv
{

template<class Body> Status handlerBody(Body &&body)
{
    try {
        body();
        return status::ok;
    } catch (const RunTimeError &error) {
        return error.status();
    }
}

} // namespace qv
