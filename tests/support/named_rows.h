#pragma once
// The rows of data-driven tests, named after their cases: in test names and in the framework's printouts.

#include <ostream>
#include <string>

namespace qv::test
{

// Names each instance of a data-driven test after its row.
inline constexpr auto rowName = [](const auto &row) { return std::string(row.param.name); };

// Rows print as their names in failure messages and test listings, not as raw bytes. A file brings this in
// with `using qv::test::PrintTo;` in the namespace of its rows, where the test framework looks for it.
template<class Row>
requires requires(std::ostream &out, const Row &row)
{
    out << row.name;
}
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

} // namespace qv::test
