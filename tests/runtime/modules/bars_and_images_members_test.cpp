// Rows of the library classes' event and refusal tables for this group of classes.

#include "support/library_members_fixture.h"

namespace qv::test
{
namespace
{
} // namespace
} // namespace qv::test
