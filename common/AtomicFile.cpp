#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Creates a new, empty file of a name of its own in `folder`, for writing
// only; returns its descriptor, or -1 with errno set. The mode is what a new
// file gets (the umask applies).
int createScratchFile(const QByteArray &folder, const QByteArray &name, QByteArray &scratch)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        scratch = folder + "/." + name + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(scratch.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += n;
    }
    return true;
}

// How a system or a sandbox says it has no such call, or not for this file system.
bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EPERM || error == EOPNOTSUPP;
}

// Gives the scratch file a new name, failing with EEXIST where anything has
// it, in one step where the system can: a rename that refuses to replace, or
// a hard link, which refuses an existing name on every file system that has
// links (NFS too). Only without both is the name checked first.
int moveIntoNewName(const QByteArray &scratch, const QByteArray &target)
{
    if (::renameat2(AT_FDCWD, scratch.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
        == 0)
        return 0;
    if (!unsupported(errno))
        return errno;
    if (::link(scratch.constData(), target.constData()) == 0) {
        ::unlink(scratch.constData());
        return 0;
    }
    if (!unsupported(errno))
        return errno;
    struct stat there
    {
    };
    if (::lstat(target.constData(), &there) == 0)
        return EEXIST;
    return ::rename(scratch.constData(), target.constData()) == 0 ? 0 : errno;
}

// Makes the new name last through a crash. The file is in place whatever
// this says, so a failure here is not the user's concern.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

int writeFileAtomically(const QString &path, const QByteArray &bytes, bool replace)
{
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.path());
    const QByteArray target = QFile::encodeName(path);
    struct stat old
    {
    };
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && !replace)
        return EEXIST;
    const bool replacing = exists && S_ISREG(old.st_mode);
    if (replacing && ::access(target.constData(), W_OK) != 0)
        return errno; // a file made read-only stays as it is
    QByteArray scratch;
    int fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    if (fd < 0 && errno == ENOENT) {
        // The folder is missing: the reason is why it cannot be made.
        if (::mkdir(folder.constData(), 0777) != 0)
            return errno;
        fd = createScratchFile(folder, QFile::encodeName(info.fileName()), scratch);
    }
    if (fd < 0)
        return errno;
    int error = 0;
    // A sheet the user kept private stays private.
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && (!writeAll(fd, bytes) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0) {
        error = replace ? (::rename(scratch.constData(), target.constData()) == 0 ? 0 : errno)
                        : moveIntoNewName(scratch, target);
    }
    if (error != 0) {
        ::unlink(scratch.constData());
        return error;
    }
    syncFolder(folder);
    return 0;
}

bool nameTaken(const QString &path)
{
    struct stat there
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &there) == 0;
}

} // namespace platform
