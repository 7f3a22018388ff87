#pragma once
// The directory and file lists' widgets. Each shows one directory, read on a thread of its own
// (DirectoryReader) so that a huge or slow one never holds up the window; a program that asks what a list
// holds, or opens another directory, waits for the names instead.

#include "runtime/builtin/directory_reader.h"

#include <QListView>
#include <QPointer>
#include <QTreeWidget>

class QStringListModel;

namespace qv::builtin
{

// Whether a directory's names are waited for, or filled in when they arrive.
enum class Reading { InTheBackground, Now };

// What both lists keep of the directory they show: its path, and the reader of its names while it reads.
class ShownDirectory
{
public:
    QString path() const { return path_; }
    // Stops reading the directory shown before and takes `directory`; true when it is another one.
    bool change(const QString &directory);
    // Reads the directory's entries of one kind for `deliver`, on `owner`'s thread.
    void read(DirectoryReader::Entries entries, DirectoryReader::Delivery deliver, QObject &owner,
              Reading reading);
    void finishReading();

private:
    QString path_;
    QPointer<DirectoryReader> reader_;
};

// The path from the root down to the directory shown, opened, and its subdirectories under it. Indexes are
// the classic ones: 0 up for the subdirectories, -1 for the directory itself, -2 for its parent and so on up
// to the root.
class DirectoryList final : public QTreeWidget
{
    Q_OBJECT
public:
    explicit DirectoryList(QWidget &container);

    // The directory shown, absolute; empty when there is none.
    QString path() const { return shown_.path(); }
    // Shows `directory`, an absolute path; raises pathChanged when it is another one.
    void open(const QString &directory, Reading reading);
    // Waits for the subdirectories, if they are still being read.
    void finishReading();

    // The lowest index: minus the count of directories from the root down to the one shown.
    int firstIndex() const;
    int subdirectoryCount();
    // The item at an index from firstIndex() to subdirectoryCount() - 1, else null.
    QTreeWidgetItem *itemAt(int index);
    // The current item's index; -1 when it is the directory shown or there is none.
    int currentIndex();
    // The full path an item stands for.
    static QString pathOf(const QTreeWidgetItem &item);

signals:
    void pathChanged();

private:
    ShownDirectory shown_;
    QTreeWidgetItem *here_ = nullptr;
};

// The files of one directory whose names match its pattern: one or more wildcards ("*.txt;*.md").
class FileList final : public QListView
{
    Q_OBJECT
public:
    explicit FileList(QWidget &container);

    QString path() const { return shown_.path(); }
    // Lists `directory`'s files, an absolute path; raises pathChanged when it is another one.
    void open(const QString &directory, Reading reading);
    void finishReading();

    QString pattern() const { return pattern_; }
    // Raises patternChanged when it is another one.
    void setPattern(const QString &pattern);
    // Whether `name` is a file the pattern lets the list show.
    bool matches(const QString &name) const;

    // What it lists, in order; the files still being read are waited for.
    QStringList files();
    int currentRow();
    void setCurrentRow(int row);

signals:
    void pathChanged();
    void patternChanged();

private:
    void showMatching();

    ShownDirectory shown_;
    QString pattern_ = QStringLiteral("*.*");
    QStringList wildcards_; // the pattern's, each matching a whole name
    QStringList read_; // every file of the directory, as read
    QStringListModel *listed_;
};

} // namespace qv::builtin
