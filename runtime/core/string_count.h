#pragma once
// How many counted strings are alive in the process: a string a handler forgets to release shows here.

namespace qv
{

int liveStrings();

} // namespace qv
