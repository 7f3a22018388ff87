// The hierarchical flex grid module: grids shaped from the saved state, fixed cells grey, malformed blocks
// refused.

#include "support/flex_grid_cases.h"

namespace qv::test
{
namespace
{

constexpr auto msHFlexGrid = manifestClassId("MSHierarchicalFlexGridLib.MSHFlexGrid");
constexpr BlockBuilder<334> gridBlock { settings::twipsToHimetric(2655), settings::twipsToHimetric(2355) };

using MSHierarchicalFlexGridLibShapes = GridShapeTest;
TEST_P(MSHierarchicalFlexGridLibShapes, DrawFixedCellsGreyAndDataCellsOnTheBase)
{
    expectDrawnInItsShape("mshflxgd", msHFlexGrid, GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSHierarchicalFlexGridLibShapes,
                         ::testing::ValuesIn(gridShapes(gridBlock)), rowName);

using MSHierarchicalFlexGridLibFaults = MalformedBlockTest;
TEST_P(MSHierarchicalFlexGridLibFaults, GiveNoGridAndAMessageNamingTheFault)
{
    expectRefused("mshflxgd", GetParam());
}
INSTANTIATE_TEST_SUITE_P(MalformedBlocks, MSHierarchicalFlexGridLibFaults,
                         ::testing::ValuesIn(gridFaults(msHFlexGrid, gridBlock, "MSHFLXGD.OCX has no class")),
                         rowName);

} // namespace
} // namespace qv::test
