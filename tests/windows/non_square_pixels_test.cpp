// Both windows on a screen whose pixels are not square, as some displays have them, and on one at 150 %:
// every width and left edge at the horizontal resolution, every height and top edge at the vertical one, the
// grids' cells as well. The offscreen screen is square and at 96 dpi, so the runtime is given the resolution.

#include "support/named_rows.h"
#include "support/program_fixture.h"
#include "support/stored_values.h"
#include "windows/display_scale.h"

#include <QHeaderView>
#include <QTableWidget>
#include <cmath>
#include <ostream>

namespace qv::test
{
namespace
{

struct Screen {
    const char *name;
    double dpiX;
    double dpiY;
};
using qv::test::PrintTo;

constexpr double twipsPerInch = 1440.0;

// Stored twips as the pixels they cover on the screen, unrounded.
QRectF stored(const Screen &screen, int left, int top, int width, int height)
{
    const double across = screen.dpiX / twipsPerInch;
    const double down = screen.dpiY / twipsPerInch;
    return QRectF(left * across, top * down, width * across, height * down);
}

class NonSquarePixels : public ProgramFixture, public ::testing::WithParamInterface<Screen>
{
protected:
    void SetUp() override
    {
        runtime_->layOutFormsAt(TwipsScale(GetParam().dpiX, GetParam().dpiY));
        start();
    }

    // The window's client area and every control with a window, each within a pixel of its stored twips.
    void expectLaidOutAsStored(const Form &form) const
    {
        const Screen &screen = GetParam();
        const QWidget *window = windowOf(form);
        ASSERT_NE(window, nullptr);
        const FormDescription &description = form.description();
        const QRectF client = stored(screen, 0, 0, description.clientWidth, description.clientHeight);
        EXPECT_TRUE(withinAPixel(QRectF(window->rect()), client))
            << form.objectName().toStdString() << ": " << describe(QRectF(window->rect())) << " shown, "
            << describe(client) << " stored";

        int placed = 0;
        for (const auto &control : controlsOf(form)) {
            const ControlRecord &r = recordOf(*control);
            const QWidget *widget = widgetOf(*control);
            if (!widget)
                continue;
            ++placed;
            const QRect shown = widget->geometry();
            if (isBuiltin(r.cls, BuiltinClass::Line)) {
                // From one end to the other, both ends included.
                const QRectF ends = stored(screen, r.left, r.top, test::storedNumber(r, "X2") - r.left,
                                           test::storedNumber(r, "Y2") - r.top)
                                        .normalized();
                const QRectF drawn(QPointF(shown.left(), shown.top()),
                                   QPointF(shown.right(), shown.bottom()));
                EXPECT_TRUE(withinAPixel(drawn, ends))
                    << r.name << ": " << describe(drawn) << " drawn, " << describe(ends) << " stored";
                continue;
            }
            QRectF expected = stored(screen, r.left, r.top, r.width, r.height);
            // Aligned to an edge of its container: as wide as the container, at its stored height.
            const QWidget &container = *widget->parentWidget();
            if (r.align == EdgeAlign::Top)
                expected = QRectF(0, 0, container.width(), expected.height());
            else if (r.align == EdgeAlign::Bottom)
                expected
                    = QRectF(0, container.height() - expected.height(), container.width(), expected.height());
            EXPECT_TRUE(withinAPixel(QRectF(shown), expected))
                << r.name << ": " << describe(QRectF(shown)) << " shown, " << describe(expected) << " stored";
        }
        EXPECT_GT(placed, 0);
    }
};

TEST_P(NonSquarePixels, MainWindowIsLaidOutAtEachAxisOwnResolution)
{
    expectLaidOutAsStored(form1());
}

TEST_P(NonSquarePixels, ShowcaseIsLaidOutAtEachAxisOwnResolution)
{
    bool shown = false;
    clickTest([&] {
        shown = true;
        expectLaidOutAsStored(form2());
        clickCloseForm();
    });
    EXPECT_TRUE(shown) << "the showcase came up";
    EXPECT_TRUE(host_.reports.empty()) << qPrintable(host_.reports.front().text);
}

// The grids lay out what they keep in twips at the form's resolution, as the runtime lays out the form: the
// flex grids' default cell (960 x 240 twips) and the data grid's record selector column (225 twips wide).
TEST_P(NonSquarePixels, ShowcaseGridsKeepTheirCellsInTwips)
{
    const Screen &screen = GetParam();
    const auto pixels = [](int twips, double dpi) { return int(std::lround(twips * dpi / twipsPerInch)); };
    const auto grid = [this](const char *name) -> QTableWidget * {
        const Control *made = findControl(form2(), name);
        return made ? qobject_cast<QTableWidget *>(widgetOf(*made)) : nullptr;
    };
    bool shown = false;
    clickTest([&] {
        shown = true;
        for (const char *name : { "MSFlexGrid1", "MSHFlexGrid1" }) {
            const QTableWidget *flexGrid = grid(name);
            ASSERT_NE(flexGrid, nullptr) << name;
            EXPECT_EQ(flexGrid->horizontalHeader()->defaultSectionSize(), pixels(960, screen.dpiX)) << name;
            EXPECT_EQ(flexGrid->verticalHeader()->defaultSectionSize(), pixels(240, screen.dpiY)) << name;
        }
        const QTableWidget *dataGrid = grid("DataGrid1");
        ASSERT_NE(dataGrid, nullptr);
        EXPECT_EQ(dataGrid->verticalHeader()->minimumWidth(), pixels(225, screen.dpiX));
        clickCloseForm();
    });
    EXPECT_TRUE(shown) << "the showcase came up";
}

INSTANTIATE_TEST_SUITE_P(Screens, NonSquarePixels,
                         ::testing::Values(Screen { "At150Percent144x144", 144, 144 },
                                           Screen { "Taller96x144", 96, 144 },
                                           Screen { "Wider144x96", 144, 96 },
                                           Screen { "Wider120x72", 120, 72 }),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::test
