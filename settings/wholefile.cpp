#include "wholefile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace WholeFile {

namespace {

// The file a save replaces: the end of a chain of links, as an editor would.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// Opens a fresh file beside `target`, never one that already exists, and
// names it in `tempPath`; -1 when the folder takes no new file.
int createBeside(const QByteArray &target, QByteArray &tempPath)
{
    for (int attempt = 0; attempt < 64; ++attempt) {
        tempPath = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        int fd;
        do
            fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Every byte, or false: a short write (a full disk, a file-size limit) is
// a failure, not the end of the data.
bool writeAll(int fd, const QByteArray &contents)
{
    const char *next = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

// Writes, syncs and closes the new file; the descriptor is closed in every case.
bool fill(int fd, const QByteArray &contents, const struct stat *old)
{
    // The replacement keeps the access rights the user gave the old file,
    // where the file system keeps any (a FAT stick refuses, and that is no
    // reason to lose the settings).
    if (old)
        (void)::fchmod(fd, old->st_mode & 07777);
    const bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

bool replace(const QString &path, const QByteArray &contents)
{
    const QByteArray target = QFile::encodeName(finalPath(path));
    struct stat old
    {
    };
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    if (!exists && errno != ENOENT)
        return false;
    QByteArray tempPath;
    const int fd = createBeside(target, tempPath);
    if (fd < 0)
        return false;
    if (fill(fd, contents, exists ? &old : nullptr) && ::rename(tempPath.constData(), target.constData()) == 0)
        return true;
    ::unlink(tempPath.constData());
    return false;
}

#else

bool replace(const QString &path, const QByteArray &contents)
{
    const QString target = finalPath(path);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return false;
    QSaveFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit();
}

#endif

} // namespace WholeFile
