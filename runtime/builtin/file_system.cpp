// The file-system lists: drives, directories and files, each read once when the window loads, as the
// classic controls are until they are refreshed. The directory and file lists open the current directory at
// the load and read it on a thread of their own (DirectoryReader), filling in when the names arrive.

#include "runtime/builtin/directory_reader.h"
#include "runtime/builtin/makers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPointer>
#include <QStorageInfo>
#include <QStringListModel>
#include <QStyle>
#include <QTreeWidget>

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

} // namespace

// The mounted volumes that can be read, the current directory's selected (the root's when it has none).
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

// The current directory's path from the root down, opened and the current one selected, then its
// subdirectories under it once they are read. A current directory that no longer exists shows nothing.
Outcome<QObject *> makeDirListBox(const ControlRecord &, const MakeSite &site)
{
    auto *tree = new QTreeWidget(&site.container);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    const QString current = QDir::currentPath();
    if (current.isEmpty())
        return tree;

    const FolderIcons &icons = FolderIcons::of(*tree->style());
    const QIcon &openFolder = icons.open;
    QTreeWidgetItem *here = nullptr;
    for (const QString &directory : pathFromRoot(current)) {
        here = here ? new QTreeWidgetItem(here, { QFileInfo(directory).fileName() })
                    : new QTreeWidgetItem(tree, { directory });
        here->setIcon(0, openFolder);
        here->setExpanded(true);
    }
    tree->setCurrentItem(here);

    const QIcon closedFolder = icons.closed;
    // The items belong to the tree, as the reader does: the reader never outlives `here`.
    new DirectoryReader(
        DirectoryReader::openCurrentDirectory(), DirectoryReader::Entries::Directories,
        [here, closedFolder](const QStringList &names) {
            for (const QString &name : names) {
                auto *subdirectory = new QTreeWidgetItem(here, { name });
                subdirectory->setIcon(0, closedFolder);
            }
        },
        *tree);
    return tree;
}

// The current directory's files, once they are read.
Outcome<QObject *> makeFileListBox(const ControlRecord &, const MakeSite &site)
{
    auto *view = new QListView(&site.container);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *files = new QStringListModel(view);
    view->setModel(files);
    new DirectoryReader(
        DirectoryReader::openCurrentDirectory(), DirectoryReader::Entries::Files,
        [files](const QStringList &names) { files->setStringList(names); }, *view);
    return view;
}

} // namespace qv::builtin
