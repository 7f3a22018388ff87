#pragma once
// Where a control sends the events it raises: its form, which hands them to the handler bound to them. The
// built-in classes know the runtime only through this.

#include <quorvane/form.h>

#include <string_view>

namespace qv
{

class EventSink
{
public:
    // "Form" names the window's own events.
    virtual void raise(std::string_view control, Event event) = 0;

protected:
    ~EventSink() = default;
};

} // namespace qv
