#include "runtime/builtin/directory_reader.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv
{

namespace
{
enum class Kind { Directory, File, Other };

Kind kindOf(int directory, const dirent &entry)
{
    if (entry.d_type == DT_DIR)
        return Kind::Directory;
    if (entry.d_type == DT_REG)
        return Kind::File;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return Kind::Other;
    // A link counts as what it points to; a broken one, or an entry gone since, as neither.
    struct stat status {
    };
    if (::fstatat(directory, entry.d_name, &status, 0) != 0)
        return Kind::Other;
    if (S_ISDIR(status.st_mode))
        return Kind::Directory;
    return S_ISREG(status.st_mode) ? Kind::File : Kind::Other;
}

// Every visible entry of the kind, sorted as the classic lists sort, without regard to case. A read error
// ends the list with what was read before it.
QStringList readNames(int descriptor, DirectoryReader::Entries entries, const std::stop_token &stop)
{
    QStringList names;
    DIR *dir = ::fdopendir(descriptor);
    if (!dir) {
        ::close(descriptor);
        return names;
    }
    const Kind wanted = entries == DirectoryReader::Entries::Files ? Kind::File : Kind::Directory;
    while (!stop.stop_requested()) {
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        // Hidden names, "." and ".." among them, are not listed.
        if (entry->d_name[0] == '.')
            continue;
        if (kindOf(::dirfd(dir), *entry) == wanted)
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}
} // namespace

DirectoryReader::DirectoryReader(int directory, Entries entries, Delivery deliver, QObject &owner)
    : QObject(&owner)
    , deliver_(std::move(deliver))
{
    if (directory < 0)
        return;
    worker_ = std::jthread([this, directory, entries](std::stop_token stop) {
        QStringList names = readNames(directory, entries, stop);
        if (stop.stop_requested())
            return;
        names_ = std::move(names);
        // Runs on this object's thread; destroying this object first discards it.
        QMetaObject::invokeMethod(
            this, [this] { deliverOnce(); }, Qt::QueuedConnection);
    });
}

void DirectoryReader::deliverOnce()
{
    if (delivered_ || !names_)
        return;
    delivered_ = true;
    deliver_(*names_);
}

void DirectoryReader::finish()
{
    if (worker_.joinable())
        worker_.join();
    deliverOnce();
}

DirectoryReader::~DirectoryReader()
{
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

int DirectoryReader::openDirectory(const QString &path)
{
    if (path.isEmpty())
        return -1;
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace qv
