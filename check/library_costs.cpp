#include "check/library_costs.h"

#include <QLatin1StringView>
#include <array>
#include <utility>

namespace qv::checker
{

namespace
{
// clang-format off
constexpr std::array<std::pair<const char *, int>, 21> measured { {
    { "MSVBVM60.DLL", 0 },
    { "TABCTL32.OCX", 2 }, { "MSFLXGRD.OCX", 73 }, { "COMDLG32.OCX", 0 }, { "MSCOMCTL.OCX", 169 },
    { "MSCOMCT2.OCX", 251 }, { "MSINET.OCX", 19 }, { "RICHTX32.OCX", 108 }, { "MSCHRT20.OCX", 212 },
    { "MSWINSCK.OCX", 50 }, { "MSMAPI32.OCX", 68 }, { "MCI32.OCX", 45 }, { "PICCLP32.OCX", 37 },
    { "SYSINFO.OCX", 25 }, { "MSCOMM32.OCX", 89 }, { "MSMASK32.OCX", 57 }, { "MSDATGRD.OCX", 108 },
    { "MSDATLST.OCX", 64 }, { "COMCT332.OCX", 54 }, { "MSADODC.OCX", 81 }, { "MSHFLXGD.OCX", 34 },
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
