// The masked edit module: what a user sees while typing through the saved mask, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QLineEdit>
#include <QTest>
#include <string>

namespace qv::test
{
namespace
{

constexpr auto maskEdBox = manifestClassId("MSMask.MaskEdBox");
constexpr BlockBuilder<128> maskBlock { settings::twipsToHimetric(2055), settings::twipsToHimetric(315) };

const Bytes phoneNumber = maskBlock(std::array { Property::string("Mask", "(###) ###-####") });

struct TypingCase {
    const char *name;
    Bytes block;
    const char *typed;
    const char *shown;
};

using test::PrintTo;

class MSMaskTyping : public ::testing::TestWithParam<TypingCase>
{
};

TEST_P(MSMaskTyping, ShowsWhatTheMaskLetThrough)
{
    const TypingCase &expected = GetParam();
    QWidget container;
    auto *edit = madeChild<QLineEdit>(create("msmask32", maskEdBox, expected.block, container), container);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QLatin1String(expected.typed));
    EXPECT_EQ(edit->displayText().toStdString(), expected.shown);
}

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSMaskTyping,
    ::testing::Values(TypingCase { "NothingStoredIsEmpty", maskBlock(noState), "", "" },
                      TypingCase { "NothingStoredTakesAnything", maskBlock(noState), "a1-?", "a1-?" },
                      TypingCase { "PhoneNumberPrompts", phoneNumber, "", "(___) ___-____" },
                      TypingCase { "PhoneNumberTakesDigits", phoneNumber, "5551234567", "(555) 123-4567" },
                      TypingCase { "PhoneNumberSkipsLetters", phoneNumber, "555x1", "(555) 1__-____" },
                      TypingCase { "UpperCaseLetters",
                                   maskBlock(std::array { Property::string("Mask", ">??") }), "ab", "AB" },
                      TypingCase { "OwnPrompt",
                                   maskBlock(std::array { Property::string("Mask", "##"),
                                                          Property::string("PromptChar", "*") }),
                                   "", "**" },
                      TypingCase { "EscapedPlaceholder",
                                   maskBlock(std::array { Property::string("Mask", "\\##") }), "7", "#7" },
                      TypingCase { "LiteralQtWouldReadAsSyntax",
                                   maskBlock(std::array { Property::string("Mask", "X-#") }), "3", "X-3" },
                      TypingCase { "MaxLengthWithoutMask",
                                   maskBlock(std::array { Property::integer("MaxLength", 3) }), "abcdef",
                                   "abc" }),
    rowName);

const std::string mask65(65, '#');

using MSMaskFaults = MalformedBlockTest;
TEST_P(MSMaskFaults, GiveNoEditBoxAndAMessageNamingTheFault)
{
    expectRefused("msmask32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSMaskFaults,
    ::testing::Values(
        MalformedBlock { "WrongMarker", maskEdBox, withWrongMarker(phoneNumber), "marker" },
        MalformedBlock { "CutInTheHead", maskEdBox, cutTo(phoneNumber, 0), "16-byte head" },
        MalformedBlock { "CutInTheState", maskEdBox, cutTo(phoneNumber, 17), "property count is cut short" },
        MalformedBlock { "MaskTooLong", maskEdBox, maskBlock(std::array { Property::string("Mask", mask65) }),
                         "Mask has 65 characters" },
        MalformedBlock { "MaskEndsInEscape", maskEdBox,
                         maskBlock(std::array { Property::string("Mask", "##\\") }), "Mask ends in \\" },
        MalformedBlock { "MaskAsNumber", maskEdBox, maskBlock(std::array { Property::integer("Mask", 9) }),
                         "Mask holds a number" },
        MalformedBlock {
            "PromptOfTwoCharacters", maskEdBox,
            maskBlock(std::array { Property::string("Mask", "#"), Property::string("PromptChar", "__") }),
            "PromptChar is \"__\"" },
        MalformedBlock { "NoRoomForText", maskEdBox,
                         maskBlock(std::array { Property::integer("MaxLength", 0) }), "MaxLength is 0" },
        MalformedBlock { "UnknownClass", unknownClass, phoneNumber, "MSMASK32.OCX has no class" }),
    rowName);

} // namespace
} // namespace qv::test
