// The rich text box module: its saved document shown as text in the document's face and size, and
// malformed blocks and documents refused with a message naming the fault.

#include "support/control_module_cases.h"

#include <QTextCursor>
#include <QTextEdit>
#include <string>

namespace qv::test
{
namespace
{

constexpr auto richTextBox = manifestClassId("RichTextLib.RichTextBox");
constexpr std::int32_t extentX = settings::twipsToHimetric(3135);
constexpr std::int32_t extentY = settings::twipsToHimetric(1275);

// Blocks with room for the longest document the tests give, so a document is refused for itself.
constexpr BlockBuilder<40 * 1024> documentBlock { extentX, extentY };

Bytes blockWith(std::string_view rtf)
{
    return documentBlock(std::array { Property::string("TextRTF", rtf) });
}

QTextEdit *createBox(std::span<const std::byte> block, QWidget &container)
{
    return madeChild<QTextEdit>(create("richtx32", richTextBox, block, container), container);
}

// The format of the character just before the position.
QFont fontBefore(QTextEdit &box, QTextCursor::MoveOperation where)
{
    QTextCursor cursor(box.document());
    cursor.movePosition(where);
    if (where == QTextCursor::Start)
        cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat().font();
}

TEST(RichTextLibModule, ShowsTheStoredDocumentFromItsBlock)
{
    constexpr auto block = settings::makeBlock<212>(
        extentX, extentY,
        std::array { Property::string(
            "TextRTF",
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans "
            "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs17 RichTextBox1\\par\r\n}\r\n") });
    QWidget container;
    QTextEdit *box = createBox(block, container);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText(), QStringLiteral("RichTextBox1"));
    const QFont font = fontBefore(*box, QTextCursor::Start);
    EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.5);
}

TEST(RichTextLibModule, IsAnEmptyBoxWithoutADocument)
{
    constexpr auto block = settings::makeBlock<32>(extentX, extentY, noState);
    QWidget container;
    QTextEdit *box = createBox(block, container);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->toPlainText().isEmpty());
}

struct ShownDocument {
    const char *name;
    std::string rtf;
    QString text;
    QString firstFace;
    double firstPoints;
    QString lastFace;
    double lastPoints;
};

using test::PrintTo;

class RichTextLibDocument : public ::testing::TestWithParam<ShownDocument>
{
};

TEST_P(RichTextLibDocument, ShowsItsTextInItsFaceAndSize)
{
    const ShownDocument &row = GetParam();
    QWidget container;
    QTextEdit *box = createBox(blockWith(row.rtf), container);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText(), row.text);
    const QFont first = fontBefore(*box, QTextCursor::Start);
    EXPECT_EQ(first.family(), row.firstFace);
    EXPECT_DOUBLE_EQ(first.pointSizeF(), row.firstPoints);
    const QFont last = fontBefore(*box, QTextCursor::End);
    EXPECT_EQ(last.family(), row.lastFace);
    EXPECT_DOUBLE_EQ(last.pointSizeF(), row.lastPoints);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RichTextLibDocument,
    ::testing::Values(
        ShownDocument { "EscapesInCodePage1252",
                        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 caf\\'e9 "
                        "\\'80\\'bd\\par}",
                        QStringLiteral("caf\u00e9 \u20ac\u00bd"), QStringLiteral("Arial"), 10.0,
                        QStringLiteral("Arial"), 10.0 },
        ShownDocument {
            "ParagraphsAndSymbols", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 one\\par two\\tab\\{x\\}\\\\\\par}",
            QStringLiteral("one\ntwo\t{x}\\"), QStringLiteral("Arial"), 12.0, QStringLiteral("Arial"), 12.0 },
        ShownDocument {
            "UngroupedFontTableAndAChangeOfFont",
            "{\\rtf1\\deff0{\\fonttbl\\f0 Arial;\\f1\\fmodern Courier New;}{\\*\\generator Writer "
            "1.0;}\\f1\\fs18 a\\plain b}",
            QStringLiteral("ab"), QStringLiteral("Courier New"), 9.0, QStringLiteral("Arial"), 12.0 },
        ShownDocument { "FormatEndsWithItsGroup",
                        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}\\f0\\fs16{\\f1\\fs40 "
                        "big}small\\par}",
                        QStringLiteral("bigsmall"), QStringLiteral("Times New Roman"), 20.0,
                        QStringLiteral("Arial"), 8.0 }),
    rowName);

struct BadDocument {
    const char *name;
    std::string rtf;
    const char *fault;
};

std::vector<BadDocument> badDocuments()
{
    const std::string tooDeep = "{\\rtf1" + std::string(16, '{') + "x" + std::string(16, '}') + "}";
    const std::string tooLong = "{\\rtf1 " + std::string(33 * 1024, 'x') + "}";
    return {
        { "HeaderMissing", "{\\ansi x}", "does not start with {\\rtf1" },
        { "NotAGroup", "\\rtf1 x", "does not start with {\\rtf1" },
        { "OtherVersion", "{\\rtf2 x}", "RTF version 2" },
        { "ClosingBraceTooMany", "{\\rtf1 x}}", "no group to close" },
        { "ClosingBraceMissing", "{\\rtf1{\\b x}", "closing brace is missing" },
        { "TextAfterTheDocument", "{\\rtf1 x}y", "follows the document's closing brace" },
        { "FontNotInTheTable", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f3 x}",
          "font 3, which is not in the font table" },
        { "FontWithoutATable", "{\\rtf1\\f0 x}", "font 0, which is not in the font table" },
        { "DefaultFontNotInTheTable", "{\\rtf1\\deff2{\\fonttbl{\\f0 Arial;}} x}", "\\deff2" },
        { "FontEntryUnended", "{\\rtf1{\\fonttbl{\\f0 Arial}} x}", "does not end with ';'" },
        { "FontEntryWithoutNumber", "{\\rtf1{\\fonttbl{Arial;}} x}", "no \\f number" },
        { "FontEntryWithoutName", "{\\rtf1{\\fonttbl{\\f0 ;}} x}", "font 0 in the font table has no name" },
        { "FontTwice", "{\\rtf1{\\fonttbl{\\f0 A;}{\\f0 B;}} x}", "font 0 appears twice" },
        { "SecondFontTable", "{\\rtf1{\\fonttbl{\\f0 A;}}{\\fonttbl{\\f1 B;}} x}", "second font table" },
        { "OtherCharacterSet", "{\\rtf1{\\fonttbl{\\f0\\fcharset204 A;}} x}", "character set 204" },
        { "EscapeNotHex", "{\\rtf1 \\'4g}", "\\'4g is not two hex digits" },
        { "EscapeCutShort", "{\\rtf1 \\'4", "cut short" },
        { "EscapeWithoutCharacter", "{\\rtf1 \\'81}", "no character in code page 1252" },
        { "EscapeOfAControlCharacter", "{\\rtf1 \\'00}", "control character" },
        { "OtherCodePage", "{\\rtf1\\ansi\\ansicpg1251 x}", "code page 1251" },
        { "MacCharacterSet", "{\\rtf1\\mac x}", "\\mac character set" },
        { "EightBitText", "{\\rtf1 caf\xe9}", "not 7-bit text" },
        { "UnknownControlSymbol", "{\\rtf1 \\!}", "\\! is not a control symbol" },
        { "LoneBackslash", "{\\rtf1 x\\", "lone backslash" },
        { "SizeZero", "{\\rtf1\\fs0 x}", "\\fs0 is not a size" },
        { "SizeWithoutNumber", "{\\rtf1\\fs x}", "\\fs needs a number" },
        { "NumberOutOfRange", "{\\rtf1\\fs99999999999 x}", "out of range" },
        { "MinusWithoutNumber", "{\\rtf1\\li- x}", "'-' with no number" },
        { "WordTooLong", "{\\rtf1\\" + std::string(33, 'a') + " x}", "longer than 32 letters" },
        { "SkippableMarkLate", "{\\rtf1{x\\*\\gen y}}", "\\* does not open its group" },
        { "FontTableLate", "{\\rtf1{x\\fonttbl{\\f0 A;}}}", "\\fonttbl does not open its group" },
        { "HeaderAgain", "{\\rtf1{\\rtf1 x}}", "\\rtf appears again" },
        { "NestedTooDeep", tooDeep, "deeper than 16 levels" },
        { "TooLong", tooLong, "at most 32768" },
    };
}

class RichTextLibBadDocument : public ::testing::TestWithParam<BadDocument>
{
};

TEST_P(RichTextLibBadDocument, IsRefusedWithItsFault)
{
    const BadDocument &row = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = create("richtx32", richTextBox, blockWith(row.rtf), container);
    EXPECT_TRUE(made.error.startsWith(QStringLiteral("TextRTF: rich text at offset")))
        << qPrintable(made.error);
    EXPECT_TRUE(isRefused(made, container, row.fault));
}

INSTANTIATE_TEST_SUITE_P(Documents, RichTextLibBadDocument, ::testing::ValuesIn(badDocuments()), rowName);

std::vector<MalformedBlock> badBlocks()
{
    const Bytes smallDocument = blockWith("{\\rtf1 x}");
    constexpr auto documentAsNumber
        = settings::makeBlock<64>(extentX, extentY, std::array { Property::integer("TextRTF", 1) });
    return {
        { "HeadCutShort", richTextBox, headCutShort(8), "16-byte head" },
        { "WrongMarker", richTextBox, withWrongMarker(smallDocument), "not the marker" },
        { "CutInTheDocument", richTextBox, cutTo(smallDocument, settings::blockHeadSize + 14),
          "the text of TextRTF runs past the end" },
        { "DocumentAsNumber", richTextBox, documentAsNumber, "TextRTF holds a number" },
        { "UnknownClass", unknownClass, smallDocument, "has no class" },
    };
}

using RichTextLibBadBlock = MalformedBlockTest;
TEST_P(RichTextLibBadBlock, IsRefusedWithItsFault)
{
    expectRefused("richtx32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, RichTextLibBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
