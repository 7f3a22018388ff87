// The masked edit module: what a user sees while typing through the saved mask, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

namespace qv::test
{
namespace
{

using settings::Property;
using Bytes = std::vector<std::byte>;

constexpr QStringView maskEdBox = u"{C932BA85-4374-101B-A56C-00AA003668DC}";

template<std::size_t P> Bytes maskBlock(const std::array<Property, P> &state)
{
    const auto block
        = settings::makeBlock<128>(settings::twipsToHimetric(2055), settings::twipsToHimetric(315), state);
    return { block.begin(), block.end() };
}

const Bytes phoneNumber = maskBlock(std::array { Property::string("Mask", "(###) ###-####") });

// Names each row of a data-driven test after its name field.
template<class Row> std::string nameOfRow(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct TypingCase {
    const char *name;
    Bytes block;
    const char *typed;
    const char *shown;
};

void PrintTo(const TypingCase &row, std::ostream *out)
{
    *out << row.name;
}

class MSMaskTyping : public ::testing::TestWithParam<TypingCase>
{
};

TEST_P(MSMaskTyping, ShowsWhatTheMaskLetThrough)
{
    const TypingCase &expected = GetParam();
    QWidget container;
    const ControlLibrary::Creation made
        = loadModule("msmask32")->create(maskEdBox, expected.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *edit = qobject_cast<QLineEdit *>(made.object);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parent(), &container);
    QTest::keyClicks(edit, QLatin1String(expected.typed));
    EXPECT_EQ(edit->displayText().toStdString(), expected.shown);
}

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSMaskTyping,
    ::testing::Values(
        TypingCase { "NothingStoredIsEmpty", maskBlock(std::array<Property, 0> {}), "", "" },
        TypingCase { "NothingStoredTakesAnything", maskBlock(std::array<Property, 0> {}), "a1-?", "a1-?" },
        TypingCase { "PhoneNumberPrompts", phoneNumber, "", "(___) ___-____" },
        TypingCase { "PhoneNumberTakesDigits", phoneNumber, "5551234567", "(555) 123-4567" },
        TypingCase { "PhoneNumberSkipsLetters", phoneNumber, "555x1", "(555) 1__-____" },
        TypingCase { "UpperCaseLetters", maskBlock(std::array { Property::string("Mask", ">??") }), "ab",
                     "AB" },
        TypingCase {
            "OwnPrompt",
            maskBlock(std::array { Property::string("Mask", "##"), Property::string("PromptChar", "*") }), "",
            "**" },
        TypingCase { "EscapedPlaceholder", maskBlock(std::array { Property::string("Mask", "\\##") }), "7",
                     "#7" },
        TypingCase { "LiteralQtWouldReadAsSyntax", maskBlock(std::array { Property::string("Mask", "X-#") }),
                     "3", "X-3" },
        TypingCase { "MaxLengthWithoutMask", maskBlock(std::array { Property::integer("MaxLength", 3) }),
                     "abcdef", "abc" }),
    nameOfRow<TypingCase>);

struct Fault {
    const char *name;
    QStringView clsid;
    Bytes block;
    const char *named; // what the message must name
};

void PrintTo(const Fault &row, std::ostream *out)
{
    *out << row.name;
}

Bytes withWrongMarker()
{
    Bytes block = phoneNumber;
    block[0] = std::byte { 0x00 };
    return block;
}

Bytes cutTo(std::size_t length)
{
    return { phoneNumber.begin(), phoneNumber.begin() + static_cast<std::ptrdiff_t>(length) };
}

const std::string mask65(65, '#');

class MSMaskFaults : public ::testing::TestWithParam<Fault>
{
};

TEST_P(MSMaskFaults, GiveNoEditBoxAndAMessageNamingTheFault)
{
    const Fault &fault = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msmask32")->create(fault.clsid, fault.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(fault.named))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSMaskFaults,
    ::testing::Values(
        Fault { "WrongMarker", maskEdBox, withWrongMarker(), "marker" },
        Fault { "CutInTheHead", maskEdBox, cutTo(0), "16-byte head" },
        Fault { "CutInTheState", maskEdBox, cutTo(17), "property count is cut short" },
        Fault { "MaskTooLong", maskEdBox, maskBlock(std::array { Property::string("Mask", mask65) }),
                "Mask has 65 characters" },
        Fault { "MaskEndsInEscape", maskEdBox, maskBlock(std::array { Property::string("Mask", "##\\") }),
                "Mask ends in \\" },
        Fault { "MaskAsNumber", maskEdBox, maskBlock(std::array { Property::integer("Mask", 9) }),
                "Mask is stored as a number" },
        Fault { "PromptOfTwoCharacters", maskEdBox,
                maskBlock(std::array { Property::string("Mask", "#"), Property::string("PromptChar", "__") }),
                "PromptChar is \"__\"" },
        Fault { "NoRoomForText", maskEdBox, maskBlock(std::array { Property::integer("MaxLength", 0) }),
                "MaxLength is 0" },
        Fault { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", phoneNumber,
                "MSMASK32.OCX has no class" }),
    nameOfRow<Fault>);

} // namespace
} // namespace qv::test
