// The showcase's two stored fonts as the user sees them: the size, weight and underline the layout stores,
// drawn in the face the runtime puts in for "MS Sans Serif".

#include "support/program_fixture.h"

#include "runtime/core/fonts.h"
#include "windows/showcase/form2_layout.h"
#include <quorvane/form_description.h>

#include <QFontInfo>
#include <algorithm>

namespace qv::test
{
namespace
{

class ShowcaseFont : public ProgramFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override { start(); }
};

TEST_P(ShowcaseFont, IsTheStoredOneInTheStandInFace)
{
    const auto &records = form2Layout().controls;
    const auto record = std::find_if(records.begin(), records.end(),
                                     [](const ControlRecord &r) { return r.name == GetParam(); });
    ASSERT_NE(record, records.end());
    ASSERT_TRUE(record->font.has_value());
    const FontRecord &stored = *record->font;

    QFont font;
    clickTest([&] {
        font = widgetOf(*findControl(form2(), GetParam()))->font();
        clickCloseForm();
    });

    const QFontInfo drawn(font);
    EXPECT_EQ(font.family(), storedText(stored.face));
    EXPECT_EQ(drawn.family(), installFaceSubstitutions());
    EXPECT_DOUBLE_EQ(drawn.pointSizeF(), stored.pointSize);
    EXPECT_EQ(drawn.weight(), stored.weight);
    EXPECT_EQ(drawn.underline(), stored.underline);
    EXPECT_FALSE(drawn.italic());
}

// "Close Form" and the banner.
INSTANTIATE_TEST_SUITE_P(Controls, ShowcaseFont, ::testing::Values("Command2", "Label1"),
                         [](const auto &row) { return std::string(row.param); });

} // namespace
} // namespace qv::test
