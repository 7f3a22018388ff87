// The window icon the program is started with, drawn for a display at 200 %: its large sizes come from the
// scalable picture, not from a small drawing blown up.

#include "app/project_identity.h"
#include "runtime/start/program_icon.h"
#include <quorvane/form_description.h>

#include <QImage>
#include <gtest/gtest.h>

namespace qv::test
{
namespace
{

const QString scalablePicture = QStringLiteral(":/quorvane/quorvane.svg");

QIcon windowIcon()
{
    return programIcon(storedText(quorvaneIdentity.iconResource));
}

QImage pixelsOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ProgramIcon, OffersTheDrawnSizesAndTheLargerOnesOfA200PercentDisplay)
{
    const QList<QSize> sizes = windowIcon().availableSizes();
    for (int side : { 16, 32, 48, 64, 96 })
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

TEST(ProgramIcon, KeepsTheDrawnImagesAtTheirOwnSizes)
{
    const QImage drawn48
        = QImage(QStringLiteral(":/quorvane/quorvane.48.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(drawn48.size(), QSize(48, 48));
    EXPECT_EQ(pixelsOf(windowIcon().pixmap(QSize(48, 48), 1.0)), drawn48);
}

TEST(ProgramIcon, DrawsA48PixelIconAt200PercentFromTheScalablePicture)
{
    const QPixmap shown = windowIcon().pixmap(QSize(48, 48), 2.0);
    ASSERT_EQ(shown.size(), QSize(96, 96)) << "device pixels";

    const QIcon scalable(scalablePicture);
    ASSERT_FALSE(scalable.isNull()) << "Qt's SVG plugins are missing";
    EXPECT_EQ(pixelsOf(shown), pixelsOf(scalable.pixmap(QSize(96, 96), 1.0)));
    EXPECT_NE(pixelsOf(shown), pixelsOf(windowIcon().pixmap(QSize(48, 48), 1.0)).scaled(96, 96));
}

} // namespace
} // namespace qv::test
