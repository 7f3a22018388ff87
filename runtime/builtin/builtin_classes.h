#pragma once
// The maker of the built-in classes: each record's object from its class's entry in the class table.

#include "runtime/core/control_maker.h"

namespace qv::builtin
{

class BuiltinClasses final : public ControlMaker
{
public:
    // The record's class must be a built-in one.
    Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) override;
};

} // namespace qv::builtin
