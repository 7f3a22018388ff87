#include "runtime/modules/write_access.h"
#include "runtime/modules/module_problems.h"

#include <QFile>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace qv
{

namespace
{
// A user private group: named as its one user, with no one else in it.
bool isPrivateGroupOf(gid_t gid, uid_t uid)
{
    const passwd *user = getpwuid(uid);
    const group *owners = getgrgid(gid);
    return user && owners && qstrcmp(user->pw_name, owners->gr_name) == 0
        && (!owners->gr_mem || !owners->gr_mem[0]
            || (qstrcmp(owners->gr_mem[0], user->pw_name) == 0 && !owners->gr_mem[1]));
}
} // namespace

Outcome<> checkOnlyOwnerWrites(const QString &path)
{
    struct stat status {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {}; // what cannot be looked at is not loaded either, and says why elsewhere
    const bool others = (status.st_mode & S_IWOTH) != 0;
    const bool group = (status.st_mode & S_IWGRP) != 0 && !isPrivateGroupOf(status.st_gid, status.st_uid);
    if (!others && !group)
        return {};
    return failure(status::fail,
                   problems::writableByOthers(path, status.st_mode & 07777, S_ISDIR(status.st_mode)));
}

} // namespace qv
