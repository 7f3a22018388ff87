#include "runtime/builtin/file_system_members.h"

#include "runtime/builtin/file_system.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace qv::builtin
{

namespace
{
// The directory a path written to a list names, absolute and without . and .. steps; a relative one is taken
// from the directory the list shows. None when there is no such directory.
std::optional<QString> directoryNamed(const QString &path, const QString &shown)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString absolute = QDir::cleanPath(QDir(shown).absoluteFilePath(path));
    if (!QFileInfo(absolute).isDir())
        return std::nullopt;
    return absolute;
}

QString noDirectory(const QString &path)
{
    return path.isEmpty() ? QStringLiteral("a path names a directory")
                          : QStringLiteral("there is no directory %1").arg(path);
}

// Opens the directory a path written to a list's Path names, or refuses it.
template<class List> void openNamed(MemberObject &members, List &list, const QString &path)
{
    const std::optional<QString> directory = directoryNamed(path, list.path());
    if (!directory)
        return members.refuse(status::pathNotFound, noDirectory(path));
    list.open(*directory, Reading::Now);
}
} // namespace

DriveListMembers::DriveListMembers(QComboBox &drives, const ControlRecord &record)
    : IndexedListMembers(drives, record)
{
    connect(&drives, &QComboBox::currentIndexChanged, this, &DriveListMembers::Change);
}

QComboBox &DriveListMembers::drives() const
{
    return static_cast<QComboBox &>(*widget());
}

QString DriveListMembers::drive() const
{
    return drives().currentText();
}

void DriveListMembers::setDrive(const QString &drive)
{
    int found = drive.isEmpty() ? -1 : drives().findText(drive, Qt::MatchFixedString);
    if (found < 0 && !drive.isEmpty()) {
        const QStorageInfo volume(drive);
        if (volume.isValid() && volume.isReady())
            found = drives().findData(volume.rootPath());
    }
    if (found < 0)
        return refuse(status::deviceUnavailable, QStringLiteral("no volume \"%1\" is mounted").arg(drive));
    drives().setCurrentIndex(found);
}

int DriveListMembers::listIndex() const
{
    return drives().currentIndex();
}

int DriveListMembers::listCount() const
{
    return drives().count();
}

void DriveListMembers::select(int index)
{
    drives().setCurrentIndex(index);
}

QString DriveListMembers::item(int index) const
{
    return drives().itemText(index);
}

DirListMembers::DirListMembers(DirectoryList &directories, const ControlRecord &record)
    : IndexedListMembers(directories, record)
{
    connect(&directories, &DirectoryList::pathChanged, this, &DirListMembers::Change);
    connect(&directories, &QTreeWidget::itemClicked, this, &DirListMembers::Click);
    connect(&directories, &QTreeWidget::itemDoubleClicked, this, &WindowedMembers::DblClick);
}

DirectoryList &DirListMembers::directories() const
{
    return static_cast<DirectoryList &>(*widget());
}

QString DirListMembers::path() const
{
    return directories().path();
}

void DirListMembers::setPath(const QString &path)
{
    openNamed(*this, directories(), path);
}

int DirListMembers::listIndex() const
{
    return directories().currentIndex();
}

int DirListMembers::listCount() const
{
    return directories().subdirectoryCount();
}

int DirListMembers::firstIndex() const
{
    return directories().firstIndex();
}

void DirListMembers::select(int index)
{
    directories().setCurrentItem(directories().itemAt(index));
}

QString DirListMembers::item(int index) const
{
    const QTreeWidgetItem *at = directories().itemAt(index);
    return at ? DirectoryList::pathOf(*at) : QString();
}

FileListMembers::FileListMembers(FileList &files, const ControlRecord &record)
    : IndexedListMembers(files, record)
{
    connect(&files, &FileList::pathChanged, this, &FileListMembers::PathChange);
    connect(&files, &FileList::patternChanged, this, &FileListMembers::PatternChange);
    connect(&files, &QAbstractItemView::clicked, this, &FileListMembers::Click);
    connect(&files, &QAbstractItemView::doubleClicked, this, &WindowedMembers::DblClick);
}

FileList &FileListMembers::files() const
{
    return static_cast<FileList &>(*widget());
}

QString FileListMembers::path() const
{
    return files().path();
}

void FileListMembers::setPath(const QString &path)
{
    openNamed(*this, files(), path);
}

QString FileListMembers::pattern() const
{
    return files().pattern();
}

void FileListMembers::setPattern(const QString &pattern)
{
    files().setPattern(pattern);
}

QString FileListMembers::fileName() const
{
    const int row = files().currentRow();
    return row < 0 ? QString() : files().files().value(row);
}

void FileListMembers::setFileName(const QString &name)
{
    // Everything is checked before anything changes: a refused name leaves the directory and the pattern.
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const QString file = name.mid(slash + 1);
    QString directory = files().path();
    if (slash >= 0) {
        const QString named = name.left(slash + 1);
        const std::optional<QString> found = directoryNamed(named, directory);
        if (!found)
            return refuse(status::pathNotFound, noDirectory(named));
        directory = *found;
    }
    const bool isPattern = file.contains(QLatin1Char('*')) || file.contains(QLatin1Char('?'));
    // In the directory shown, a file it lists; in another, one it will list once it is open.
    const bool shown = slash < 0 ? files().files().contains(file)
                                 : QFileInfo(QDir(directory).filePath(file)).isFile()
            && !file.startsWith(QLatin1Char('.')) && files().matches(file);
    if (!isPattern && !file.isEmpty() && !shown)
        return refuse(status::fileNotFound,
                      QStringLiteral("the list shows no file %1 in %2").arg(file, directory));
    if (slash >= 0)
        files().open(directory, Reading::Now);
    if (isPattern)
        return files().setPattern(file);
    files().setCurrentRow(file.isEmpty() ? -1 : static_cast<int>(files().files().indexOf(file)));
}

int FileListMembers::listIndex() const
{
    return files().currentRow();
}

int FileListMembers::listCount() const
{
    return static_cast<int>(files().files().size());
}

void FileListMembers::select(int index)
{
    files().setCurrentRow(index);
}

QString FileListMembers::item(int index) const
{
    return files().files().value(index);
}

} // namespace qv::builtin
