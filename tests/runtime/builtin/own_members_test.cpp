// What the file-system lists, the picture classes and the drawn classes do through their own members, beyond
// what the table over every class's type information checks: the lists against a directory this test makes,
// the pictures against files it writes, and the drawn classes' members against the window's picture.

#include "support/builtin_form.h"
#include "support/named_rows.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>

namespace qv
{
namespace
{

using qv::test::PrintTo;
using test::rowName;

class OwnMembers : public test::BuiltinForm
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_EQ(form->Show(), status::ok) << lastError().toStdString();
    }

    Variant read(std::string_view control, std::string_view member, std::initializer_list<Variant> args = {})
    {
        Variant v;
        Control &c = this->control(control);
        const Status s = args.size() == 0
            ? c.get(member, v)
            : c.call(member, std::span<const Variant>(args.begin(), args.size()), v);
        EXPECT_EQ(s, status::ok) << control << "." << member << ": " << lastError().toStdString();
        return v;
    }
    QString text(std::string_view control, std::string_view member, std::initializer_list<Variant> args = {})
    {
        return read(control, member, args).toString().value_or(QStringLiteral("?"));
    }
    Status put(std::string_view control, std::string_view property, Variant value)
    {
        return this->control(control).put(property, value);
    }

    // Every item a list reads by index, List(0) to List(ListCount - 1).
    QStringList listed(std::string_view control)
    {
        QStringList items;
        const std::int32_t count = read(control, "ListCount").toLong().value_or(0);
        for (std::int32_t i = 0; i < count; ++i)
            items << text(control, "List", { Variant(i) });
        return items;
    }

    // A file of the scratch directory, empty or with the bytes given.
    void makeFile(const QString &name, const QByteArray &contents = {})
    {
        QFile file(scratch.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(contents);
    }

    QString path(const QString &name = {}) const { return QDir::cleanPath(scratch.filePath(name)); }

    QImage windowPicture() { return windowOf(*form)->grab().toImage(); }

    QTemporaryDir scratch;
};

// The scratch directory's entries: four files a list shows, a hidden one it does not, and two directories,
// one named as a file would be.
class FileSystemLists : public OwnMembers
{
protected:
    void SetUp() override
    {
        OwnMembers::SetUp();
        for (const char *name : { "a.txt", "b.TXT", "notes.md", "README", ".hidden.txt" })
            makeFile(QString::fromLatin1(name));
        for (const char *name : { "sub1.txt", "Zeta" })
            ASSERT_TRUE(QDir(scratch.path()).mkdir(QString::fromLatin1(name)));
    }
};

// A directory opened from code is read before the write returns: the lists are read here without letting
// the event loop deliver anything, and they agree with QDir's own listing.
TEST_F(FileSystemLists, OpenTheDirectoryAProgramWritesAtOnce)
{
    ASSERT_EQ(put("File1", "Path", Variant(scratch.path())), status::ok) << lastError().toStdString();
    ASSERT_EQ(put("Dir1", "Path", Variant(scratch.path())), status::ok) << lastError().toStdString();
    EXPECT_EQ(text("File1", "Path"), path());
    EXPECT_EQ(text("Dir1", "Path"), path());

    const QDir::SortFlags byName = QDir::Name | QDir::IgnoreCase;
    EXPECT_EQ(listed("File1"), QDir(scratch.path()).entryList(QDir::Files, byName));
    QStringList subdirectories;
    for (const QString &name : QDir(scratch.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, byName))
        subdirectories << path(name);
    EXPECT_EQ(listed("Dir1"), subdirectories);

    // Below 0, the directory itself and then each one above it.
    EXPECT_EQ(text("Dir1", "List", { Variant(std::int32_t { -1 }) }), path());
    EXPECT_EQ(text("Dir1", "List", { Variant(std::int32_t { -2 }) }), QFileInfo(path()).path());
    ASSERT_EQ(put("Dir1", "ListIndex", Variant(std::int32_t { -2 })), status::ok);
    EXPECT_EQ(read("Dir1", "ListIndex"), Variant(std::int32_t { -2 }));

    // A relative path is taken from the directory shown.
    ASSERT_EQ(put("Dir1", "Path", Variant(QStringLiteral("Zeta"))), status::ok);
    EXPECT_EQ(text("Dir1", "Path"), path(QStringLiteral("Zeta")));
    EXPECT_TRUE(listed("Dir1").isEmpty());
}

struct MissingPlace {
    const char *name;
    std::string_view control;
    std::string_view property;
    const char *written; // under the scratch directory
    Status refusal;
    const char *reason;
};

class RefusedPlaces : public FileSystemLists, public ::testing::WithParamInterface<MissingPlace>
{
};

TEST_P(RefusedPlaces, NameWhatIsNotThereAndChangeNothing)
{
    const MissingPlace &row = GetParam();
    ASSERT_EQ(put("File1", "Path", Variant(scratch.path())), status::ok);
    ASSERT_EQ(put("Dir1", "Path", Variant(scratch.path())), status::ok);
    const Variant before = read(row.control, row.property);
    const QString written = path(QString::fromLatin1(row.written));
    EXPECT_EQ(put(row.control, row.property, Variant(written)), row.refusal);
    const QString why = lastError();
    EXPECT_TRUE(
        why.contains(QStringLiteral("%1 = \"%2\": %3")
                         .arg(QString::fromLatin1(row.property), written, QString::fromLatin1(row.reason))))
        << why.toStdString();
    EXPECT_EQ(read(row.control, row.property), before);
    EXPECT_EQ(text("File1", "Path"), path());
    EXPECT_EQ(text("File1", "Pattern"), QStringLiteral("*.*"));
}

INSTANTIATE_TEST_SUITE_P(Lists, RefusedPlaces,
                         ::testing::Values(MissingPlace { "FileListPath", "File1", "Path", "nowhere",
                                                          status::pathNotFound, "there is no directory" },
                                           MissingPlace { "DirListPath", "Dir1", "Path", "nowhere",
                                                          status::pathNotFound, "there is no directory" },
                                           MissingPlace { "DirListPathOfAFile", "Dir1", "Path", "a.txt",
                                                          status::pathNotFound, "there is no directory" },
                                           MissingPlace { "DriveOfNoVolume", "Drive1", "Drive",
                                                          "nowhere/volume", status::deviceUnavailable,
                                                          "no volume" }),
                         rowName);

struct PatternCase {
    const char *name;
    const char *pattern;
    QStringList shown;
};

class FilePatterns : public FileSystemLists, public ::testing::WithParamInterface<PatternCase>
{
};

TEST_P(FilePatterns, ListTheFilesThatMatchAnyOfTheirWildcards)
{
    ASSERT_EQ(put("File1", "Path", Variant(scratch.path())), status::ok);
    ASSERT_EQ(put("File1", "Pattern", Variant(QString::fromLatin1(GetParam().pattern))), status::ok);
    EXPECT_EQ(listed("File1"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Wildcards, FilePatterns,
    ::testing::Values(PatternCase { "Every", "*.*", { "a.txt", "b.TXT", "notes.md", "README" } },
                      PatternCase { "NoneAtAll", "", { "a.txt", "b.TXT", "notes.md", "README" } },
                      PatternCase { "OneExtensionAnyCase", "*.txt", { "a.txt", "b.TXT" } },
                      PatternCase { "TwoExtensions", "*.txt;*.md", { "a.txt", "b.TXT", "notes.md" } },
                      PatternCase { "SpacedOut", " *.md ; readme ", { "notes.md", "README" } },
                      PatternCase { "NoExtension", "*.", { "README" } },
                      PatternCase { "OneCharacter", "?.txt", { "a.txt", "b.TXT" } },
                      PatternCase { "StarsAnywhere", "*t*", { "a.txt", "b.TXT", "notes.md" } },
                      PatternCase { "StarTakingMore", "n*s.*", { "notes.md" } },
                      PatternCase { "MatchingNothing", "*.pdf", {} }),
    rowName);

struct FileNameCase {
    const char *name;
    const char *written; // a name, or a path under the scratch directory when it starts with /
    Status status;
    const char *reason; // what a refusal says
    const char *fileName; // what FileName, Pattern and Path (under the scratch directory) read afterwards
    const char *pattern;
    const char *path;
};

class FileNames : public FileSystemLists, public ::testing::WithParamInterface<FileNameCase>
{
};

TEST_P(FileNames, ChooseAFileOrOpenADirectoryOrSetThePattern)
{
    const FileNameCase &row = GetParam();
    ASSERT_EQ(put("File1", "Path", Variant(scratch.path())), status::ok);
    const QString written = QString::fromLatin1(row.written);
    const QString name = written.startsWith(QLatin1Char('/')) ? scratch.path() + written : written;
    EXPECT_EQ(put("File1", "FileName", Variant(name)), row.status) << lastError().toStdString();
    if (row.status != status::ok) {
        EXPECT_TRUE(lastError().contains(QString::fromLatin1(row.reason)));
    }
    EXPECT_EQ(text("File1", "FileName"), QString::fromLatin1(row.fileName));
    EXPECT_EQ(text("File1", "Pattern"), QString::fromLatin1(row.pattern));
    EXPECT_EQ(text("File1", "Path"), path(QString::fromLatin1(row.path)));
    // The chosen file is the one ListIndex points at.
    const std::int32_t index = read("File1", "ListIndex").toLong().value_or(-2);
    EXPECT_EQ(index < 0 ? QString() : text("File1", "List", { Variant(index) }),
              QString::fromLatin1(row.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    Written, FileNames,
    ::testing::Values(FileNameCase { "ListedFile", "notes.md", status::ok, "", "notes.md", "*.*", "" },
                      FileNameCase { "FileInADirectory", "/sub1.txt/", status::ok, "", "", "*.*",
                                     "sub1.txt" },
                      FileNameCase { "PathToAListedFile", "/b.TXT", status::ok, "", "b.TXT", "*.*", "" },
                      FileNameCase { "Wildcard", "*.md", status::ok, "", "", "*.md", "" },
                      FileNameCase { "MissingFile", "missing.txt", status::fileNotFound,
                                     "no file missing.txt", "", "*.*", "" },
                      FileNameCase { "HiddenFile", ".hidden.txt", status::fileNotFound, "no file .hidden.txt",
                                     "", "*.*", "" },
                      FileNameCase { "MissingDirectory", "/nowhere/a.txt", status::pathNotFound,
                                     "no directory", "", "*.*", "" },
                      FileNameCase { "Nothing", "", status::ok, "", "", "*.*", "" }),
    rowName);

TEST_F(FileSystemLists, DriveIsTheVolumeOfAPathWritten)
{
    ASSERT_EQ(put("Drive1", "Drive", Variant(scratch.path())), status::ok) << lastError().toStdString();
    const QString drive = text("Drive1", "Drive");
    EXPECT_TRUE(drive.startsWith(QStorageInfo(scratch.path()).rootPath())) << drive.toStdString();
    EXPECT_EQ(text("Drive1", "List", { read("Drive1", "ListIndex") }), drive);
    // What it reads is a drive it takes back.
    EXPECT_EQ(put("Drive1", "Drive", Variant(drive)), status::ok);
    EXPECT_EQ(text("Drive1", "Drive"), drive);
}

// A picture read by either picture class through the one loader: what the window shows changes when one is
// read, stays when one is refused, and is as before once the picture is taken away.
struct PictureCase {
    const char *name;
    // Makes what is written, in the scratch directory; returns its name there.
    std::function<QString(QTemporaryDir &)> make;
    Status status;
    const char *reason = ""; // what a refusal says
};

class Pictures : public OwnMembers,
                 public ::testing::WithParamInterface<std::tuple<PictureCase, std::string_view>>
{
};

QString writtenPng(QTemporaryDir &scratch)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString file = scratch.filePath(QStringLiteral("red.png"));
    EXPECT_TRUE(picture.save(file));
    return file;
}

TEST_P(Pictures, AreReadOrRefusedNamingTheFile)
{
    const auto &[row, control] = GetParam();
    const QImage without = windowPicture();
    const QString file = row.make(scratch);
    EXPECT_EQ(put(control, "Picture", Variant(file)), row.status);
    const QString why = lastError();
    if (row.status == status::ok) {
        EXPECT_EQ(text(control, "Picture"), file);
        EXPECT_NE(windowPicture(), without) << "the picture does not show";
    } else {
        EXPECT_TRUE(why.contains(QStringLiteral("Picture = \"%1\": ").arg(file))
                    && why.contains(QString::fromLatin1(row.reason)))
            << why.toStdString();
        EXPECT_EQ(text(control, "Picture"), QString());
        EXPECT_EQ(windowPicture(), without) << "a refused picture changed what shows";
    }
    ASSERT_EQ(put(control, "Picture", Variant(QString())), status::ok);
    EXPECT_EQ(text(control, "Picture"), QString());
    if (row.status == status::ok) {
        EXPECT_EQ(windowPicture(), without) << "the picture stays after it was taken away";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothClasses, Pictures,
    ::testing::Combine(::testing::Values(PictureCase { "Png", writtenPng, status::ok },
                                         PictureCase { "Missing",
                                                       [](QTemporaryDir &d) {
                                                           return d.filePath(QStringLiteral("missing.png"));
                                                       },
                                                       status::fileNotFound, "there is no file" },
                                         PictureCase {
                                             "TextNamedAsPng",
                                             [](QTemporaryDir &d) {
                                                 QFile text(d.filePath(QStringLiteral("notes.png")));
                                                 EXPECT_TRUE(text.open(QIODevice::WriteOnly));
                                                 text.write("not a picture at all\n");
                                                 return text.fileName();
                                             },
                                             status::invalidPicture, "is not a picture that can be read" },
                                         PictureCase { "Directory", [](QTemporaryDir &d) { return d.path(); },
                                                       status::fileNotFound, "is a directory" }),
                       ::testing::Values(std::string_view("Image1"), std::string_view("Picture1"))),
    [](const auto &row) { return std::get<0>(row.param).name + std::string(std::get<1>(row.param)); });

// How a picture and its control fit: a stretched image keeps its size, any other control takes its picture's.
struct FitCase {
    const char *name;
    std::string_view control;
    std::string_view property;
    bool value;
    bool takesThePicturesSize;
};

class PictureFit : public OwnMembers, public ::testing::WithParamInterface<FitCase>
{
};

TEST_P(PictureFit, FollowsStretchAndAutoSize)
{
    const FitCase &row = GetParam();
    QWidget *widget = widgetNamed(row.control);
    const QSize before = widget->contentsRect().size();
    ASSERT_EQ(put(row.control, row.property, Variant(row.value)), status::ok);
    ASSERT_EQ(put(row.control, "Picture", Variant(writtenPng(scratch))), status::ok)
        << lastError().toStdString();
    EXPECT_EQ(widget->contentsRect().size(), row.takesThePicturesSize ? QSize(40, 30) : before);
    if (row.control == "Image1" && row.takesThePicturesSize) {
        EXPECT_EQ(read(row.control, "Width"), Variant(std::int32_t { 40 * 15 }));
        EXPECT_EQ(read(row.control, "Height"), Variant(std::int32_t { 30 * 15 }));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PictureFit,
    ::testing::Values(FitCase { "ImageNotStretched", "Image1", "Stretch", false, true },
                      FitCase { "ImageStretched", "Image1", "Stretch", true, false },
                      FitCase { "PictureBoxAutoSize", "Picture1", "AutoSize", true, true },
                      FitCase { "PictureBoxFixed", "Picture1", "AutoSize", false, false }),
    rowName);

// Every value of each enumerated property of the drawn classes, from their type information, draws the
// control otherwise than the value it holds after the load, but the inside solid outline: on a control's own
// bounds it is the solid one.
class DrawnEnumerations : public OwnMembers, public ::testing::WithParamInterface<std::string_view>
{
};

TEST_P(DrawnEnumerations, EveryValueChangesThePicture)
{
    const std::string_view control = GetParam();
    int drawn = 0;
    for (const MemberInfo &m : this->control(control).members()) {
        if (m.kind != MemberKind::Property || m.enumValues.empty())
            continue;
        const std::string property = m.name.toStdString();
        const Variant loaded = read(control, property);
        const QImage before = windowPicture();
        for (const auto &[name, value] : m.enumValues) {
            if (Variant(value) == loaded || name == QLatin1String("vbBSInsideSolid"))
                continue;
            ASSERT_EQ(put(control, property, Variant(value)), status::ok) << lastError().toStdString();
            EXPECT_NE(windowPicture(), before) << control << "." << property << " = " << name.toStdString();
            ++drawn;
        }
        ASSERT_EQ(put(control, property, loaded), status::ok);
        EXPECT_EQ(windowPicture(), before) << control << "." << property << " taken back";
    }
    EXPECT_GE(drawn, 4) << control << " has too few enumerated values to mean anything";
}

INSTANTIATE_TEST_SUITE_P(Classes, DrawnEnumerations, ::testing::Values("Shape1", "Line1", "Line3"),
                         [](const auto &row) { return std::string(row.param); });

// The other members of the drawn classes, written after what each row sets first: what shows changes where it
// should, and only there.
struct DrawnCase {
    const char *name;
    std::string_view control;
    std::vector<std::pair<std::string_view, std::int32_t>> first;
    std::string_view property;
    std::int32_t value;
    bool changes;
};

class DrawnProperties : public OwnMembers, public ::testing::WithParamInterface<DrawnCase>
{
};

TEST_P(DrawnProperties, RepaintWhereTheyShow)
{
    const DrawnCase &row = GetParam();
    for (const auto &[property, value] : row.first)
        ASSERT_EQ(put(row.control, property, Variant(value)), status::ok) << lastError().toStdString();
    const QImage before = windowPicture();
    ASSERT_EQ(put(row.control, row.property, Variant(row.value)), status::ok) << lastError().toStdString();
    EXPECT_EQ(windowPicture() != before, row.changes);
    EXPECT_EQ(read(row.control, row.property), Variant(row.value));
}

constexpr std::int32_t red = 0x0000FF;

INSTANTIATE_TEST_SUITE_P(
    Values, DrawnProperties,
    ::testing::Values(
        DrawnCase { "FillColorOfATransparentFill", "Shape1", {}, "FillColor", red, false },
        DrawnCase { "FillColorOfASolidFill", "Shape1", { { "FillStyle", 0 } }, "FillColor", red, true },
        DrawnCase { "BorderColor", "Shape1", {}, "BorderColor", red, true },
        DrawnCase { "BorderColorOfNoBorder", "Shape1", { { "BorderStyle", 0 } }, "BorderColor", red, false },
        DrawnCase { "BorderWidth", "Shape1", {}, "BorderWidth", 5, true },
        DrawnCase { "ShapeMoved", "Shape1", {}, "Left", 3000, true },
        DrawnCase { "LineColor", "Line2", {}, "BorderColor", red, true },
        DrawnCase { "LineWidth", "Line2", {}, "BorderWidth", 4, true },
        DrawnCase { "LineEndMoved", "Line3", {}, "X2", 7500, true },
        DrawnCase { "LineStartMoved", "Line1", {}, "Y1", 4800, true },
        DrawnCase { "LineEndWhereItIs", "Line2", {}, "Y2", 5700, false }),
    rowName);

} // namespace
} // namespace qv
