#pragma once
// The members of the file-system lists: the drive chosen, the directory shown, the files listed and which
// of them match; each list's items read by index as the other lists' are.

#include "runtime/builtin/list_members.h"

class QComboBox;

namespace qv::builtin
{

class DirectoryList;
class FileList;

class DriveListMembers final : public IndexedListMembers
{
    Q_OBJECT
    // The volume chosen, as the list shows it: its root path, and its name in brackets when it has one. A
    // path on a mounted volume chooses that volume.
    Q_PROPERTY(QString Drive READ drive WRITE setDrive STORED false)
public:
    DriveListMembers(QComboBox &drives, const ControlRecord &record);
    QString drive() const;
    void setDrive(const QString &drive);
    int listIndex() const override;
    int listCount() const override;

signals:
    void Change();

protected:
    void select(int index) override;
    QString item(int index) const override;

private:
    QComboBox &drives() const;
};

class DirListMembers final : public IndexedListMembers
{
    Q_OBJECT
    // The directory shown; a relative path is taken from it.
    Q_PROPERTY(QString Path READ path WRITE setPath STORED false)
public:
    DirListMembers(DirectoryList &directories, const ControlRecord &record);
    QString path() const;
    void setPath(const QString &path);
    int listIndex() const override;
    int listCount() const override;

signals:
    // The directory shown is another one.
    void Change();
    void Click();

protected:
    int firstIndex() const override;
    void select(int index) override;
    QString item(int index) const override;

private:
    DirectoryList &directories() const;
};

class FileListMembers final : public IndexedListMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Path READ path WRITE setPath STORED false)
    // Wildcards separated by semicolons: "*.txt;*.md".
    Q_PROPERTY(QString Pattern READ pattern WRITE setPattern STORED true)
    // The file chosen, by its name. Written, a name with a directory opens that directory first, and a name
    // with wildcards is a new pattern.
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName STORED false)
public:
    FileListMembers(FileList &files, const ControlRecord &record);
    QString path() const;
    void setPath(const QString &path);
    QString pattern() const;
    void setPattern(const QString &pattern);
    QString fileName() const;
    void setFileName(const QString &name);
    int listIndex() const override;
    int listCount() const override;

signals:
    void PathChange();
    void PatternChange();
    void Click();

protected:
    void select(int index) override;
    QString item(int index) const override;

private:
    FileList &files() const;
};

} // namespace qv::builtin
