#include "check/library_costs.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>
#include <utility>

namespace qv::checker
{

namespace
{
// clang-format off
constexpr std::array<std::pair<const char *, int>, 21> measured { {
    { "MSVBVM60.DLL", 240 },
    { "TABCTL32.OCX", 105 }, { "MSFLXGRD.OCX", 84 }, { "COMDLG32.OCX", 42 }, { "MSCOMCTL.OCX", 169 },
    { "MSCOMCT2.OCX", 255 }, { "MSINET.OCX", 32 }, { "RICHTX32.OCX", 74 }, { "MSCHRT20.OCX", 158 },
    { "MSWINSCK.OCX", 31 }, { "MSMAPI32.OCX", 34 }, { "MCI32.OCX", 29 }, { "PICCLP32.OCX", 6 },
    { "SYSINFO.OCX", 30 }, { "MSCOMM32.OCX", 31 }, { "MSMASK32.OCX", 77 }, { "MSDATGRD.OCX", 92 },
    { "MSDATLST.OCX", 99 }, { "COMCT332.OCX", 39 }, { "MSADODC.OCX", 57 }, { "MSHFLXGD.OCX", 73 },
} };
// clang-format on
constexpr int leastCost = 10;
} // namespace

int creationCost(QStringView libraryFile)
{
    for (const auto &[file, cost] : measured) {
        if (libraryFile.compare(QLatin1StringView(file), Qt::CaseInsensitive) == 0)
            return std::max(cost, leastCost);
    }
    return leastCost;
}

} // namespace qv::checker
