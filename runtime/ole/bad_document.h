#pragma once
// How every reader of the embedded object fails: a document that is not what it takes, and why.

#include <quorvane/outcome.h>

#include <QString>

namespace qv::ole
{

inline Failure badDocument(QString why)
{
    return failure(status::badFileFormat, std::move(why));
}

} // namespace qv::ole
