#include "regularonly.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularOnly {

bool openForReading(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    // O_NONBLOCK so that opening a pipe without a writer returns at once;
    // the type is then checked on the descriptor itself, so a file swapped
    // for a pipe between a check and the open cannot slip through.
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    // Regular files never block; clear the flag so reads behave as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    if (!QFileInfo(path).isFile())
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

bool cannotHoldFile(const QString &path)
{
#ifdef Q_OS_UNIX
    // One stat() through the links tells both: the type at their end, and a
    // loop, which QFileInfo reports as a missing file.
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ELOOP;
    return !S_ISREG(st.st_mode);
#else
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
#endif
}

} // namespace RegularOnly
