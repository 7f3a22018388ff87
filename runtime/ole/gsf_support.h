#pragma once
// What the reader, and the showcase's writer of the same documents, need around libgsf: its types set up
// once, GObject references released by ownership, and its C types seen from C++.

// The individual headers, not <gsf/gsf.h>: that one brings in GIO, whose "signals" members collide with Qt's
// keyword of that name.
#include <gsf/gsf-utils.h>

#include <cstddef>
#include <memory>

namespace qv::ole::gsf
{

struct GObjectUnref {
    void operator()(void *object) const { g_object_unref(object); }
};
template<class T> using Ptr = std::unique_ptr<T, GObjectUnref>;

// libgsf's types are GObject classes: each instance struct begins with its parent's, so a pointer to one is
// a pointer to the other. libgsf's own cast macros are C casts with a run-time check we do not need.
template<class To, class From> To *as(From *object)
{
    return reinterpret_cast<To *>(object);
}

inline const guint8 *bytesOf(const std::byte *bytes)
{
    return reinterpret_cast<const guint8 *>(bytes);
}

// Once per process: libgsf's types, and its complaints about damaged documents routed to a logging category
// instead of standard error; the reader and the writer report every fault themselves.
void initialise();

} // namespace qv::ole::gsf
