// The flex grid module: grids shaped from the saved state, fixed cells grey, malformed blocks refused.

#include "support/flex_grid_cases.h"

namespace qv::test
{
namespace
{

constexpr auto msFlexGrid = manifestClassId("MSFlexGridLib.MSFlexGrid");
constexpr BlockBuilder<212> gridBlock { settings::twipsToHimetric(3735), settings::twipsToHimetric(1215) };

using MSFlexGridLibShapes = GridShapeTest;
TEST_P(MSFlexGridLibShapes, DrawFixedCellsGreyAndDataCellsOnTheBase)
{
    expectDrawnInItsShape("msflxgrd", msFlexGrid, GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSFlexGridLibShapes, ::testing::ValuesIn(gridShapes(gridBlock)),
                         rowName);

using MSFlexGridLibFaults = MalformedBlockTest;
TEST_P(MSFlexGridLibFaults, GiveNoGridAndAMessageNamingTheFault)
{
    expectRefused("msflxgrd", GetParam());
}
INSTANTIATE_TEST_SUITE_P(MalformedBlocks, MSFlexGridLibFaults,
                         ::testing::ValuesIn(gridFaults(msFlexGrid, gridBlock, "MSFLXGRD.OCX has no class")),
                         rowName);

} // namespace
} // namespace qv::test
