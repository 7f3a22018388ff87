#include "builtin_class.h"

#include "manifest/manifest.h"

namespace qv
{

std::string_view builtinClassName(BuiltinClass cls)
{
    return manifest::builtinClasses()[static_cast<std::size_t>(cls)];
}

} // namespace qv
