// The file-system lists: drives, directories and files, each read once when the window loads, as the
// classic controls are until they are refreshed or a program opens another directory. The directory and file
// lists open the current directory at the load and fill in when its names arrive.

#include "runtime/builtin/file_system.h"
#include "runtime/builtin/makers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringListModel>
#include <QStyle>
#include <algorithm>
#include <iterator>

namespace qv::builtin
{

namespace
{
// The directories from the root down to `directory`, in that order.
QStringList pathFromRoot(const QString &directory)
{
    QStringList chain { directory };
    for (QString parent = QFileInfo(directory).path(); parent != chain.front();
         parent = QFileInfo(parent).path())
        chain.prepend(parent);
    return chain;
}
// The folder icons, read once for the application: the style decodes them from image files each time it is
// asked, which cost more than the rest of the list. They go with the application.
class FolderIcons final : public QObject
{
public:
    explicit FolderIcons(const QStyle &style)
        : QObject(qApp)
        , open(style.standardIcon(QStyle::SP_DirOpenIcon))
        , closed(style.standardIcon(QStyle::SP_DirClosedIcon))
    {
    }
    const QIcon open;
    const QIcon closed;

    static const FolderIcons &of(const QStyle &style)
    {
        static QPointer<FolderIcons> icons;
        if (!icons)
            icons = new FolderIcons(style);
        return *icons;
    }
};

constexpr int pathRole = Qt::UserRole;

// A pattern's wildcards as the classic lists read them: separated by semicolons, blanks around each left out.
// No wildcard at all lists every file.
QStringList wildcardsOf(const QString &pattern)
{
    QStringList wildcards;
    for (const QString &wildcard : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!wildcard.trimmed().isEmpty())
            wildcards.append(wildcard.trimmed());
    }
    return wildcards;
}

// Whether all of `name` matches `wildcard`: * for any run of characters, ? for any one, the others without
// regard to case. After a mismatch, the last * takes one character more.
bool matchesWildcard(QStringView name, QStringView wildcard)
{
    qsizetype n = 0;
    qsizetype w = 0;
    qsizetype star = -1;
    qsizetype starTook = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && wildcard[w] == QLatin1Char('*')) {
            star = w++;
            starTook = n;
        } else if (w < wildcard.size()
                   && (wildcard[w] == QLatin1Char('?')
                       || wildcard[w].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++w;
        } else if (star >= 0) {
            w = star + 1;
            n = ++starTook;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == QLatin1Char('*'))
        ++w;
    return w == wildcard.size();
}

// A name without an extension is matched as if it ended in a dot, so that "*.*" lists every file and "*."
// those without an extension.
bool matchesAny(const QString &name, const QStringList &wildcards)
{
    if (wildcards.isEmpty())
        return true;
    const QString dotted = name.contains(QLatin1Char('.')) ? name : name + QLatin1Char('.');
    return std::any_of(wildcards.begin(), wildcards.end(), [&](const QString &wildcard) {
        return matchesWildcard(name, wildcard) || matchesWildcard(dotted, wildcard);
    });
}
} // namespace

bool ShownDirectory::change(const QString &directory)
{
    delete reader_;
    const bool changed = directory != path_;
    path_ = directory;
    return changed;
}

void ShownDirectory::read(DirectoryReader::Entries entries, DirectoryReader::Delivery deliver, QObject &owner,
                          Reading reading)
{
    reader_ = new DirectoryReader(DirectoryReader::openDirectory(path_), entries, std::move(deliver), owner);
    if (reading == Reading::Now)
        reader_->finish();
}

void ShownDirectory::finishReading()
{
    if (reader_)
        reader_->finish();
}

DirectoryList::DirectoryList(QWidget &container)
    : QTreeWidget(&container)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    // A double click opens the directory, once the click is done with the item it rebuilds the tree over.
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        QMetaObject::invokeMethod(
            this, [this, path = pathOf(*item)] { open(path, Reading::Now); }, Qt::QueuedConnection);
    });
}

QString DirectoryList::pathOf(const QTreeWidgetItem &item)
{
    return item.data(0, pathRole).toString();
}

void DirectoryList::open(const QString &directory, Reading reading)
{
    // The reader fills in items about to go: it goes first.
    const bool changed = shown_.change(directory);
    clear();
    here_ = nullptr;
    if (!directory.isEmpty()) {
        const FolderIcons &icons = FolderIcons::of(*style());
        for (const QString &step : pathFromRoot(directory)) {
            here_ = here_ ? new QTreeWidgetItem(here_, { QFileInfo(step).fileName() })
                          : new QTreeWidgetItem(this, { step });
            here_->setData(0, pathRole, step);
            here_->setIcon(0, icons.open);
            here_->setExpanded(true);
        }
        setCurrentItem(here_);
        // The items belong to the tree, as the reader does: the reader never outlives `here`.
        shown_.read(
            DirectoryReader::Entries::Directories,
            [here = here_, closedFolder = icons.closed, directory](const QStringList &names) {
                const QDir parent(directory);
                for (const QString &name : names) {
                    auto *subdirectory = new QTreeWidgetItem(here, { name });
                    subdirectory->setIcon(0, closedFolder);
                    subdirectory->setData(0, pathRole, parent.filePath(name));
                }
            },
            *this, reading);
    }
    if (changed)
        emit pathChanged();
}

void DirectoryList::finishReading()
{
    shown_.finishReading();
}

int DirectoryList::firstIndex() const
{
    int index = 0;
    for (const QTreeWidgetItem *up = here_; up; up = up->parent())
        --index;
    return index;
}

int DirectoryList::subdirectoryCount()
{
    finishReading();
    return here_ ? here_->childCount() : 0;
}

QTreeWidgetItem *DirectoryList::itemAt(int index)
{
    if (index >= 0)
        return index < subdirectoryCount() ? here_->child(index) : nullptr;
    QTreeWidgetItem *up = here_;
    for (; up && index < -1; ++index)
        up = up->parent();
    return up;
}

int DirectoryList::currentIndex()
{
    finishReading();
    QTreeWidgetItem *current = currentItem();
    if (!current || !here_)
        return -1;
    if (current->parent() == here_)
        return here_->indexOfChild(current);
    int index = -1;
    for (const QTreeWidgetItem *up = here_; up && up != current; up = up->parent())
        --index;
    return index < firstIndex() ? -1 : index;
}

FileList::FileList(QWidget &container)
    : QListView(&container)
    , wildcards_(wildcardsOf(pattern_))
    , listed_(new QStringListModel(this))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(listed_);
}

void FileList::open(const QString &directory, Reading reading)
{
    const bool changed = shown_.change(directory);
    read_.clear();
    showMatching();
    shown_.read(
        DirectoryReader::Entries::Files,
        [this](const QStringList &names) {
            read_ = names;
            showMatching();
        },
        *this, reading);
    if (changed)
        emit pathChanged();
}

void FileList::finishReading()
{
    shown_.finishReading();
}

void FileList::setPattern(const QString &pattern)
{
    const bool changed = pattern != pattern_;
    pattern_ = pattern;
    wildcards_ = wildcardsOf(pattern);
    showMatching();
    if (changed)
        emit patternChanged();
}

bool FileList::matches(const QString &name) const
{
    return matchesAny(name, wildcards_);
}

void FileList::showMatching()
{
    QStringList matching;
    matching.reserve(read_.size());
    std::copy_if(read_.begin(), read_.end(), std::back_inserter(matching),
                 [this](const QString &name) { return matches(name); });
    listed_->setStringList(matching);
}

QStringList FileList::files()
{
    finishReading();
    return listed_->stringList();
}

int FileList::currentRow()
{
    finishReading();
    return currentIndex().row();
}

void FileList::setCurrentRow(int row)
{
    finishReading();
    if (row < 0) {
        setCurrentIndex(QModelIndex());
        clearSelection();
        return;
    }
    setCurrentIndex(listed_->index(row));
}

// The mounted volumes that can be read, the current directory's selected (the root's when it has none).
// Each item holds its volume's root path.
Outcome<QObject *> makeDriveListBox(const ControlRecord &, const MakeSite &site)
{
    auto *drives = new QComboBox(&site.container);
    drives->setEditable(false);
    QStorageInfo current(QDir::currentPath());
    if (!current.isValid())
        current = QStorageInfo::root();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // A mounted single file (as containers mount their configuration) is not a volume to browse.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        const QString name = volume.name();
        drives->addItem(name.isEmpty() ? volume.rootPath()
                                       : QStringLiteral("%1 [%2]").arg(volume.rootPath(), name),
                        volume.rootPath());
    }
    drives->setCurrentIndex(drives->findData(current.rootPath()));
    return drives;
}

// The current directory; a current directory that no longer exists shows nothing.
Outcome<QObject *> makeDirListBox(const ControlRecord &, const MakeSite &site)
{
    auto *tree = new DirectoryList(site.container);
    tree->open(QDir::currentPath(), Reading::InTheBackground);
    return tree;
}

// The current directory's files, every one.
Outcome<QObject *> makeFileListBox(const ControlRecord &, const MakeSite &site)
{
    auto *files = new FileList(site.container);
    files->open(QDir::currentPath(), Reading::InTheBackground);
    return files;
}

} // namespace qv::builtin
