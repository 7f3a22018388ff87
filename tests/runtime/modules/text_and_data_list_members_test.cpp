// The rich text box's, the masked edit box's, the data lists' and the ADO data control's own members through
// the runtime, as a program reaches them by name: text plain and rich, formats kept through files, masks
// applied to what is typed, lists filled from code, and the events typing, clicks and the program raise.

#include "support/library_members_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <vector>

namespace qv::test
{
namespace
{

Variant number(int value)
{
    return Variant(std::int32_t { value });
}

Variant words(const char *utf8)
{
    return Variant(QString::fromUtf8(utf8));
}

Variant property(Control &c, std::string_view name)
{
    Variant out;
    EXPECT_EQ(c.get(name, out), status::ok) << name;
    return out;
}

QString textOf(Control &c, std::string_view name)
{
    return property(c, name).toString().value_or(QStringLiteral("(no text)"));
}

void select(Control &c, int start, int length)
{
    ASSERT_EQ(c.put("SelStart", number(start)), status::ok);
    ASSERT_EQ(c.put("SelLength", number(length)), status::ok);
}

constexpr std::string_view richTextBox = "RichTextLib.RichTextBox";
constexpr std::string_view maskEdBox = "MSMask.MaskEdBox";
constexpr std::string_view dataCombo = "MSDataListLib.DataCombo";
constexpr std::string_view dataList = "MSDataListLib.DataList";
constexpr std::string_view adodc = "MSAdodcLib.Adodc";

// "One" bound to "1" and "Two" bound to "2".
void addTwoRows(Control &c)
{
    ASSERT_EQ(c.call("AddRow", { words("One"), words("1") }), status::ok);
    ASSERT_EQ(c.call("AddRow", { words("Two"), words("2") }), status::ok);
}

void clickRow(QWidget *widget, int row)
{
    auto *list = qobject_cast<QListWidget *>(widget);
    ASSERT_NE(list, nullptr) << "the data list is no list";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}
constexpr int red = 0x0000FF; // &H00BBGGRR
constexpr int teal = 0x808000;

// ---- The rich text box

INSTANTIATE_TEST_SUITE_P(
    TextAndDataLists, LibraryEvents,
    ::testing::Values(
        EventCase { "RichTextBoxChangeByTyping", richTextBox, "Change",
                    [](Control &, QWidget *w) { QTest::keyClicks(w, QStringLiteral("ab")); } },
        EventCase { "RichTextBoxChangeFromCode", richTextBox, "Change",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Text", words("x")), status::ok); } },
        EventCase { "RichTextBoxSelChangeByTyping", richTextBox, "SelChange",
                    [](Control &, QWidget *w) { QTest::keyClicks(w, QStringLiteral("ab")); } },
        EventCase { "RichTextBoxSelChangeFromCode", richTextBox, "SelChange",
                    [](Control &c, QWidget *) {
                        ASSERT_EQ(c.put("Text", words("abc")), status::ok);
                        ASSERT_EQ(c.put("SelStart", number(2)), status::ok);
                    } },
        EventCase { "MaskEdBoxChangeByTyping", maskEdBox, "Change",
                    [](Control &, QWidget *w) { QTest::keyClicks(w, QStringLiteral("ab")); } },
        EventCase { "MaskEdBoxChangeFromCode", maskEdBox, "Change",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Text", words("x")), status::ok); } },
        EventCase { "MaskEdBoxValidationErrorOnALetterWhereADigitIsDue", maskEdBox, "ValidationError",
                    [](Control &c, QWidget *w) {
                        ASSERT_EQ(c.put("Mask", words("###")), status::ok);
                        QTest::keyClicks(w, QStringLiteral("x"));
                    } },
        EventCase { "MaskEdBoxValidationErrorPastTheMasksEnd", maskEdBox, "ValidationError",
                    [](Control &c, QWidget *w) {
                        ASSERT_EQ(c.put("Mask", words("#")), status::ok);
                        QTest::keyClicks(w, QStringLiteral("12"));
                    } },
        EventCase { "DataComboChangeByTyping", dataCombo, "Change",
                    [](Control &, QWidget *w) {
                        QTest::keyClicks(qobject_cast<QComboBox *>(w)->lineEdit(), QStringLiteral("ab"));
                    } },
        EventCase { "DataComboChangeFromCode", dataCombo, "Change",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Text", words("x")), status::ok); } },
        EventCase { "DataComboClickByTheKeyboard", dataCombo, "Click",
                    [](Control &c, QWidget *w) {
                        addTwoRows(c);
                        pressKey(w, Qt::Key_Down);
                    } },
        EventCase { "DataComboClickFromCode", dataCombo, "Click",
                    [](Control &c, QWidget *) {
                        addTwoRows(c);
                        ASSERT_EQ(c.put("BoundText", words("2")), status::ok);
                    } },
        EventCase { "DataListClickOnARow", dataList, "Click",
                    [](Control &c, QWidget *w) {
                        addTwoRows(c);
                        clickRow(w, 1);
                    } },
        EventCase { "DataListChangeByTheKeyboard", dataList, "Change",
                    [](Control &c, QWidget *w) {
                        addTwoRows(c);
                        pressKey(w, Qt::Key_Down);
                    } },
        EventCase { "DataListClickFromCode", dataList, "Click",
                    [](Control &c, QWidget *) {
                        addTwoRows(c);
                        ASSERT_EQ(c.put("Text", words("Two")), status::ok);
                    } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    TextAndDataLists, LibraryRefusals,
    ::testing::Values(
        Refusal { "RichTextBoxTextRTFThatIsNoDocument", richTextBox,
                  [](Control &c) { return c.put("TextRTF", words("just words")); },
                  status::invalidPropertyValue, "does not start with {\\rtf1" },
        Refusal { "RichTextBoxTextRTFColourNotInItsTable", richTextBox,
                  [](Control &c) { return c.put("TextRTF", words("{\\rtf1{\\colortbl ;}\\cf2 x}")); },
                  status::invalidPropertyValue, "\\cf2 selects colour 2" },
        Refusal { "RichTextBoxSelStartPastTheText", richTextBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("Text", words("abc")), status::ok);
                      return c.put("SelStart", number(4));
                  },
                  status::invalidPropertyValue, "0 to the text's length, 3" },
        Refusal { "RichTextBoxSelStartInsideAParagraphEnd", richTextBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("Text", words("a\r\nb")), status::ok);
                      return c.put("SelStart", number(2));
                  },
                  status::invalidPropertyValue, "between the CR and LF" },
        Refusal { "RichTextBoxSelLengthPastTheText", richTextBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("Text", words("abc")), status::ok);
                      EXPECT_EQ(c.put("SelStart", number(1)), status::ok);
                      return c.put("SelLength", number(3));
                  },
                  status::invalidPropertyValue, "0 to 2 characters long" },
        Refusal { "RichTextBoxSelColorNoColour", richTextBox,
                  [](Control &c) { return c.put("SelColor", number(0x1000000)); },
                  status::invalidPropertyValue, "&H00BBGGRR" },
        Refusal { "RichTextBoxLoadFileOfNoKnownType", richTextBox,
                  [](Control &c) {
                      return c.call("LoadFile", { words("/tmp/any.rtf"), number(7) });
                  },
                  status::invalidProcedureCall, "FileType 7 is neither rtfRTF (0) nor rtfText (1)" },
        Refusal { "MaskEdBoxMaskWithALiteralSemicolon", maskEdBox,
                  [](Control &c) { return c.put("Mask", words("##;##")); }, status::invalidPropertyValue,
                  "the literal ';' at 2" },
        Refusal { "MaskEdBoxMaskEndingInAnEscape", maskEdBox,
                  [](Control &c) { return c.put("Mask", words("##\\")); }, status::invalidPropertyValue,
                  "Mask ends in \\" },
        Refusal { "MaskEdBoxMaskTooLong", maskEdBox,
                  [](Control &c) { return c.put("Mask", Variant(QString(65, u'#'))); },
                  status::invalidPropertyValue, "at most 64 characters" },
        Refusal { "MaskEdBoxPromptOfTwoCharacters", maskEdBox,
                  [](Control &c) { return c.put("PromptChar", words("**")); }, status::invalidPropertyValue,
                  "the prompt is one character" },
        Refusal { "MaskEdBoxTextThatDoesNotFitTheMask", maskEdBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("Mask", words("(###)")), status::ok);
                      return c.put("Text", words("(12a)"));
                  },
                  status::invalidPropertyValue, "does not fit the mask (###)" },
        Refusal { "MaskEdBoxTextLongerThanMaxLength", maskEdBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("MaxLength", number(3)), status::ok);
                      return c.put("Text", words("abcd"));
                  },
                  status::invalidPropertyValue, "at most MaxLength, 3 characters" },
        Refusal { "MaskEdBoxMaxLengthWithAMask", maskEdBox,
                  [](Control &c) {
                      EXPECT_EQ(c.put("Mask", words("##")), status::ok);
                      return c.put("MaxLength", number(5));
                  },
                  status::invalidPropertyValue, "the mask sets the length, 2" },
        Refusal { "MaskEdBoxMaxLengthBeyondWhatItHolds", maskEdBox,
                  [](Control &c) { return c.put("MaxLength", number(65)); }, status::invalidPropertyValue,
                  "1 to 64 characters" },
        Refusal { "DataListTextNoRowShows", dataList,
                  [](Control &c) {
                      addTwoRows(c);
                      return c.put("Text", words("Three"));
                  },
                  status::invalidPropertyValue, "no row of the list shows \"Three\"" },
        Refusal { "DataComboBoundTextNoRowIsBoundTo", dataCombo,
                  [](Control &c) {
                      addTwoRows(c);
                      return c.put("BoundText", words("3"));
                  },
                  status::invalidPropertyValue, "no row of the list is bound to \"3\"" },
        Refusal { "DataComboReFillWithoutADataSource", dataCombo, [](Control &c) { return c.call("ReFill"); },
                  status::deviceUnavailable, "no data source" },
        Refusal { "DataListReFillWithoutADataSource", dataList, [](Control &c) { return c.call("ReFill"); },
                  status::deviceUnavailable, "data binding is not available yet" },
        Refusal { "AdodcRefreshWithoutDataAccess", adodc,
                  [](Control &c) {
                      EXPECT_EQ(c.put("ConnectionString", words("Provider=Microsoft.Jet.OLEDB.4.0")),
                                status::ok);
                      return c.call("Refresh");
                  },
                  status::deviceUnavailable,
                  "data access is not available yet, so the connection "
                  "\"Provider=Microsoft.Jet.OLEDB.4.0\"" },
        Refusal { "AdodcNegativeTimeOut", adodc,
                  [](Control &c) { return c.put("ConnectionTimeout", number(-1)); },
                  status::invalidPropertyValue, "a time-out cannot be negative" }),
    [](const auto &row) { return rowName(row); });

// "plain bold" and, in the next paragraph, "red": the second word bold, the third red.
void writeFormattedText(Control &c)
{
    ASSERT_EQ(c.put("Text", words("plain bold\r\nred")), status::ok);
    select(c, 6, 4);
    ASSERT_EQ(c.put("SelBold", Variant(true)), status::ok);
    select(c, 12, 3);
    ASSERT_EQ(c.put("SelColor", number(red)), status::ok);
}

struct FileCase {
    const char *name;
    int fileType;
    bool keepsFormat;
};

class RichTextFiles : public LibraryMembers, public ::testing::WithParamInterface<FileCase>
{
};

TEST_P(RichTextFiles, SavedAndLoadedBackKeepTheTextAndWhatTheTypeHolds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved.file"));
    Control &c = one(richTextBox);
    writeFormattedText(c);
    ASSERT_EQ(c.call("SaveFile", { Variant(path), number(GetParam().fileType) }), status::ok)
        << lastError().toStdString();
    ASSERT_EQ(c.put("Text", words("")), status::ok);

    ASSERT_EQ(c.call("LoadFile", { Variant(path), number(GetParam().fileType) }), status::ok)
        << lastError().toStdString();
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("plain bold\r\nred"));
    select(c, 6, 4);
    EXPECT_EQ(property(c, "SelBold"), Variant(GetParam().keepsFormat));
    select(c, 0, 5);
    EXPECT_EQ(property(c, "SelBold"), Variant(false));
    select(c, 12, 3);
    EXPECT_EQ(property(c, "SelColor") == number(red), GetParam().keepsFormat);
}

TEST_F(LibraryMembers, RichTextBoxSavesTextAsPlainUtf8AndRichTextAsADocument)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Control &c = one(richTextBox);
    ASSERT_EQ(c.put("Text", words("caf\u00e9\r\n\u4e2d")), status::ok);
    ASSERT_EQ(c.call("SaveFile", { Variant(dir.filePath(QStringLiteral("t.txt"))), number(1) }), status::ok);
    ASSERT_EQ(c.call("SaveFile", { Variant(dir.filePath(QStringLiteral("t.rtf"))) }), status::ok);
    QFile text(dir.filePath(QStringLiteral("t.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll(), QByteArray("caf\xc3\xa9\r\n\xe4\xb8\xad"));
    QFile rtf(dir.filePath(QStringLiteral("t.rtf")));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    const QByteArray document = rtf.readAll();
    EXPECT_TRUE(document.startsWith("{\\rtf1")) << document.toStdString();
    EXPECT_TRUE(document.contains("caf\\'e9")) << document.toStdString();
    EXPECT_TRUE(document.contains("\\u20013?")) << document.toStdString();
}

INSTANTIATE_TEST_SUITE_P(TextAndDataLists, RichTextFiles,
                         ::testing::Values(FileCase { "RichText", 0, true },
                                           FileCase { "PlainText", 1, false }),
                         [](const auto &row) { return rowName(row); });

struct FileFault {
    const char *name;
    const char *method;
    const char *relativePath; // in a temporary folder
    Status expected;
};

class RichTextFileFaults : public LibraryMembers, public ::testing::WithParamInterface<FileFault>
{
};

TEST_P(RichTextFileFaults, NameTheFileAndTheSystemsReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Control &c = one(richTextBox);
    ASSERT_EQ(c.put("Text", words("kept")), status::ok);
    const QString path = dir.filePath(QString::fromLatin1(GetParam().relativePath));
    EXPECT_EQ(c.call(GetParam().method, { Variant(path) }), GetParam().expected);
    const QString why = lastError();
    EXPECT_TRUE(why.contains(path)) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("No such file or directory"))) << why.toStdString();
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("kept"));
}

INSTANTIATE_TEST_SUITE_P(TextAndDataLists, RichTextFileFaults,
                         ::testing::Values(FileFault { "LoadAFileThatIsNotThere", "LoadFile", "missing.rtf",
                                                       status::fileNotFound },
                                           FileFault { "LoadFromAFolderThatIsNotThere", "LoadFile",
                                                       "none/missing.rtf", status::pathNotFound },
                                           FileFault { "SaveIntoAFolderThatIsNotThere", "SaveFile",
                                                       "none/saved.rtf", status::pathNotFound }),
                         [](const auto &row) { return rowName(row); });

TEST_F(LibraryMembers, RichTextBoxRefusesToLoadAFileThatIsNoDocument)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("notes.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just notes");
    file.close();
    Control &c = one(richTextBox);
    ASSERT_EQ(c.put("Text", words("kept")), status::ok);
    EXPECT_EQ(c.call("LoadFile", { Variant(path) }), status::badFileFormat);
    const QString why = lastError();
    EXPECT_TRUE(why.contains(path) && why.contains(QStringLiteral("does not start with {\\rtf1")))
        << why.toStdString();
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("kept"));
}

// A document as another writer saves it: a colour table, a run bold and italic, one in colour, characters
// beyond code page 1252.
const char *const foreignDocument
    = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl "
      ";\\red0\\green128\\blue128;}"
      "\\viewkind4\\uc1\\pard\\f0\\fs20 plain \\b\\i both\\b0\\i0  \\cf1 teal\\cf0\\par "
      "\\u8364?uro \\u-25536?\\par}";

TEST_F(LibraryMembers, RichTextBoxTextRTFKeepsBoldItalicAndColourThroughARoundTrip)
{
    Control &c = one(richTextBox);
    ASSERT_EQ(c.put("TextRTF", words(foreignDocument)), status::ok) << lastError().toStdString();
    EXPECT_EQ(textOf(c, "Text"), QString::fromUtf8("plain both teal\r\n\u20acuro \u9c40"));

    const QString written = textOf(c, "TextRTF");
    ASSERT_EQ(c.put("Text", words("")), status::ok);
    ASSERT_EQ(c.put("TextRTF", Variant(written)), status::ok) << lastError().toStdString();
    EXPECT_EQ(textOf(c, "TextRTF"), written) << "a document written and read back is written the same";
    EXPECT_EQ(textOf(c, "Text"), QString::fromUtf8("plain both teal\r\n\u20acuro \u9c40"));

    struct Run {
        int start, length;
        bool bold, italic;
        std::optional<int> colour;
    };
    for (const Run &run : { Run { 0, 5, false, false, {} }, Run { 6, 4, true, true, {} },
                            Run { 11, 4, false, false, teal }, Run { 17, 4, false, false, {} } }) {
        select(c, run.start, run.length);
        EXPECT_EQ(property(c, "SelBold"), Variant(run.bold)) << run.start;
        EXPECT_EQ(property(c, "SelItalic"), Variant(run.italic)) << run.start;
        if (run.colour)
            EXPECT_EQ(property(c, "SelColor"), number(*run.colour)) << run.start;
        else
            EXPECT_NE(property(c, "SelColor"), number(teal)) << run.start;
    }
}

TEST_F(LibraryMembers, RichTextBoxSelTextReplacesTheSelectionInTextPositions)
{
    Control &c = one(richTextBox);
    ASSERT_EQ(c.put("Text", words("one\r\ntwo")), status::ok);
    select(c, 5, 3);
    EXPECT_EQ(textOf(c, "SelText"), QStringLiteral("two"));
    ASSERT_EQ(c.put("SelText", words("2\r\n3")), status::ok);
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("one\r\n2\r\n3"));
    select(c, 0, 6);
    EXPECT_EQ(textOf(c, "SelText"), QStringLiteral("one\r\n2"));
}

// ---- The masked edit box

struct TypedCase {
    const char *name;
    const char *mask;
    const char *prompt;
    const char *typed;
    const char *text; // with the literals and prompts
    const char *clipText; // what was typed alone
    int refused; // characters the mask did not take
};

class MaskTyping : public LibraryMembers, public ::testing::WithParamInterface<TypedCase>
{
};

TEST_P(MaskTyping, TextHasTheLiteralsAndPromptsAndClipTextWhatWasTyped)
{
    const TypedCase &row = GetParam();
    const manifest::ClassRecord &record = *manifest::findClass(maskEdBox);
    TestLayout &layout = layouts.emplace_back();
    layout.add(record.instance, record.progId, 120, 120, 2000, 1200, defaultBlock(record, 2000, 1200));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    std::vector<std::pair<QString, int>> refusals;
    form.bind(record.instance, "ValidationError", [&](std::span<Variant> arguments) {
        refusals.emplace_back(arguments[0].toString().value_or(QString()),
                              static_cast<int>(arguments[1].toLong().value_or(-1)));
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &c = *findControl(form, record.instance);
    ASSERT_EQ(c.put("PromptChar", words(row.prompt)), status::ok);
    ASSERT_EQ(c.put("Mask", words(row.mask)), status::ok) << lastError().toStdString();

    QTest::keyClicks(widgetOf(c), QString::fromUtf8(row.typed));
    EXPECT_EQ(textOf(c, "Text"), QString::fromUtf8(row.text));
    EXPECT_EQ(textOf(c, "ClipText"), QString::fromUtf8(row.clipText));
    EXPECT_EQ(static_cast<int>(refusals.size()), row.refused);
}

INSTANTIATE_TEST_SUITE_P(
    TextAndDataLists, MaskTyping,
    ::testing::Values(
        TypedCase { "PhoneNumber", "(###) ###-####", "_", "5551234567", "(555) 123-4567", "5551234567", 0 },
        TypedCase { "PhoneNumberWithALetterRefused", "(###) ###-####", "_", "555x1", "(555) 1__-____", "5551",
                    1 },
        TypedCase { "LiteralsTypedAsTheMaskHasThem", "##-##", "_", "12-34", "12-34", "1234", 0 },
        TypedCase { "UpperCaseLetters", ">??", "_", "ab", "AB", "AB", 0 },
        TypedCase { "OwnPrompt", "##/##", "*", "1", "1*/**", "1", 0 },
        TypedCase { "DigitsWhereALetterIsDue", "?#", "_", "12", "__", "", 2 },
        TypedCase { "PastTheEnd", "#", "_", "12", "1", "1", 1 },
        TypedCase { "EscapedPlaceholderIsALiteral", "\\##", "_", "7", "#7", "7", 0 },
        TypedCase { "NoMaskTakesAnything", "", "_", "a1-?", "a1-?", "a1-?", 0 }),
    [](const auto &row) { return rowName(row); });

TEST_F(LibraryMembers, MaskEdBoxValidationErrorSaysTheTextAndWhereTheCharacterWouldGo)
{
    const manifest::ClassRecord &record = *manifest::findClass(maskEdBox);
    TestLayout &layout = layouts.emplace_back();
    layout.add(record.instance, record.progId, 120, 120, 2000, 1200, defaultBlock(record, 2000, 1200));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    QString invalidText;
    int startPosition = -1;
    form.bind(record.instance, "ValidationError", [&](std::span<Variant> arguments) {
        invalidText = arguments[0].toString().value_or(QString());
        startPosition = static_cast<int>(arguments[1].toLong().value_or(-1));
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &c = *findControl(form, record.instance);
    ASSERT_EQ(c.put("Mask", words("(###)")), status::ok);
    QTest::keyClicks(widgetOf(c), QStringLiteral("4x"));
    EXPECT_EQ(invalidText, QStringLiteral("(4x_)"));
    EXPECT_EQ(startPosition, 2);
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("(4__)"));
}

TEST_F(LibraryMembers, MaskEdBoxTextWrittenWithPromptsKeepsThemAndAPromptChangeShowsInIt)
{
    Control &c = one(maskEdBox);
    ASSERT_EQ(c.put("Mask", words("##-##")), status::ok);
    ASSERT_EQ(c.put("Text", words("12-3_")), status::ok) << lastError().toStdString();
    EXPECT_EQ(textOf(c, "ClipText"), QStringLiteral("123"));
    ASSERT_EQ(c.put("PromptChar", words("*")), status::ok);
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("12-3*"));
    EXPECT_EQ(property(c, "MaxLength"), number(5));
    ASSERT_EQ(c.put("Mask", words("")), status::ok);
    EXPECT_EQ(property(c, "MaxLength"), number(64)) << "without a mask, the length it had before";
}

// ---- The data lists

class DataRows : public LibraryMembers, public ::testing::WithParamInterface<std::string_view>
{
};

TEST_P(DataRows, FilledFromCodeChooseARowByItsTextOrItsBoundValue)
{
    Control &c = one(GetParam());
    ASSERT_EQ(c.call("AddRow", { words("Alpha"), words("A") }), status::ok);
    ASSERT_EQ(c.call("AddRow", { words("Beta") }), status::ok);
    EXPECT_EQ(property(c, "ListCount"), number(2));
    EXPECT_EQ(textOf(c, "Text"), QString()) << "filling the list chooses no row";

    ASSERT_EQ(c.put("BoundText", words("Beta")), status::ok)
        << "a row added without a bound value is bound to its text";
    EXPECT_EQ(textOf(c, "Text"), QStringLiteral("Beta"));
    EXPECT_EQ(property(c, "MatchedWithList"), Variant(true));
    ASSERT_EQ(c.put("Text", words("Alpha")), status::ok);
    EXPECT_EQ(textOf(c, "BoundText"), QStringLiteral("A"));
    ASSERT_EQ(c.put("BoundText", words("")), status::ok);
    EXPECT_EQ(textOf(c, "Text"), QString());

    ASSERT_EQ(c.call("ClearRows"), status::ok);
    EXPECT_EQ(property(c, "ListCount"), number(0));
    EXPECT_EQ(textOf(c, "BoundText"), QString());
}

INSTANTIATE_TEST_SUITE_P(TextAndDataLists, DataRows, ::testing::Values(dataCombo, dataList),
                         [](const auto &row) {
                             return std::string(row.param.substr(row.param.find('.') + 1));
                         });

TEST_F(LibraryMembers, DataComboKeepsATextNoRowShowsUnlessItIsADropDownList)
{
    Control &combo = one(dataCombo);
    addTwoRows(combo);
    ASSERT_EQ(combo.put("Text", words("Gamma")), status::ok);
    EXPECT_EQ(textOf(combo, "Text"), QStringLiteral("Gamma"));
    EXPECT_EQ(property(combo, "MatchedWithList"), Variant(false));
    EXPECT_EQ(textOf(combo, "BoundText"), QString());

    const manifest::ClassRecord &record = *manifest::findClass(dataCombo);
    TestLayout &layout = layouts.emplace_back();
    layout.add(record.instance, record.progId, 120, 120, 2000, 1200,
               defaultBlock(record, 2000, 1200, std::array { settings::Property::integer("Style", 2) }));
    Control &list = *findControl(show(layout), record.instance);
    EXPECT_EQ(property(list, "Style"), number(2));
    addTwoRows(list);
    EXPECT_EQ(list.put("Text", words("Gamma")), status::invalidPropertyValue);
    EXPECT_TRUE(lastError().contains(QStringLiteral("a drop-down list shows only its rows' texts")));
    ASSERT_EQ(list.put("Text", words("Two")), status::ok);
    EXPECT_EQ(textOf(list, "BoundText"), QStringLiteral("2"));
}

// ---- The ADO data control

TEST_F(LibraryMembers, AdodcShowsItsCaptionBetweenTheRecordButtons)
{
    Control &c = one(adodc);
    ASSERT_EQ(c.put("Caption", words("Customers")), status::ok);
    auto *caption = widgetOf(c)->findChild<QLabel *>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("Customers"));
    EXPECT_EQ(textOf(c, "Caption"), QStringLiteral("Customers"));
}

} // namespace
} // namespace qv::test
