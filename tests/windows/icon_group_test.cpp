// The program's icon group, as the identity names it: three images, in the order the classic shell picks
// from, each as its directory entry says.

#include "app/project_identity.h"
#include <quorvane/form_description.h>

#include <QFile>
#include <QIcon>
#include <QtEndian>
#include <array>
#include <gtest/gtest.h>

namespace qv::test
{
namespace
{

struct IconImage {
    int size; // width and height in pixels
    int bitCount;
};

// As tools/make_icon.py draws them: 2 colours at 32, 16 colours at 32 and at 16.
constexpr std::array expectedImages { IconImage { 32, 1 }, IconImage { 32, 4 }, IconImage { 16, 4 } };

QByteArray iconGroup()
{
    QFile file(storedText(quorvaneIdentity.iconResource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 dword(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

TEST(IconGroup, HoldsTheThreeImagesInOrder)
{
    const QByteArray ico = iconGroup();
    constexpr qsizetype head = 6;
    constexpr qsizetype entrySize = 16;
    ASSERT_GE(ico.size(), head) << quorvaneIdentity.iconResource;
    EXPECT_EQ(word(ico, 0), 0);
    EXPECT_EQ(word(ico, 2), 1) << "an icon, not a cursor";
    ASSERT_EQ(word(ico, 4), expectedImages.size());
    ASSERT_GE(ico.size(), head + entrySize * qsizetype(expectedImages.size()));

    for (std::size_t i = 0; i < expectedImages.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "image " << i);
        const qsizetype entry = head + entrySize * qsizetype(i);
        const IconImage &expected = expectedImages[i];
        EXPECT_EQ(quint8(ico[entry]), expected.size);
        EXPECT_EQ(quint8(ico[entry + 1]), expected.size);
        EXPECT_EQ(quint8(ico[entry + 2]), 1u << expected.bitCount) << "palette entries";
        EXPECT_EQ(word(ico, entry + 6), expected.bitCount);
        const quint32 length = dword(ico, entry + 8);
        const quint32 offset = dword(ico, entry + 12);
        ASSERT_LE(qint64(offset) + length, ico.size());
        // The image itself, a bitmap header and its colour and mask rows, says the same as its entry.
        EXPECT_EQ(qint32(dword(ico, offset + 4)), expected.size);
        EXPECT_EQ(qint32(dword(ico, offset + 8)), 2 * expected.size) << "colour rows and mask rows";
        EXPECT_EQ(word(ico, offset + 14), expected.bitCount);
    }
}

TEST(IconGroup, OffersTheWindowIconAtBothSizes)
{
    const QIcon icon(storedText(quorvaneIdentity.iconResource));
    const QList<QSize> sizes = icon.availableSizes();
    for (const IconImage &image : expectedImages)
        EXPECT_TRUE(sizes.contains(QSize(image.size, image.size))) << image.size;
}

} // namespace
} // namespace qv::test
