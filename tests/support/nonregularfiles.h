#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Things that can stand where the game expects a regular file: a folder, a
// named pipe, a socket, links. Made for real, so that a blocking open would
// hang the test.
namespace NonRegularFiles {

enum class Kind { Folder, Fifo, Socket, LinkToFifo, DanglingLink, LinkLoop };

// Makes `kind` at `path`; a link's target goes beside it. False when the
// system refused, so that a test cannot pass on a thing never made.
[[nodiscard]] inline bool make(const QString &path, Kind kind)
{
    const QByteArray native = QFile::encodeName(path);
    const auto beside = [&path](const char *name) {
        return QFile::encodeName(QFileInfo(path).dir().filePath(QString::fromLatin1(name)));
    };
    switch (kind) {
    case Kind::Folder: return QDir().mkpath(path);
    case Kind::Fifo: return ::mkfifo(native.constData(), 0600) == 0;
    case Kind::Socket: {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (s < 0)
            return false;
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, native.constData(), sizeof addr.sun_path);
        const bool bound = ::bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
        ::close(s);
        return bound;
    }
    case Kind::LinkToFifo: {
        const QByteArray fifo = beside("fifo");
        return ::mkfifo(fifo.constData(), 0600) == 0 && ::symlink(fifo.constData(), native.constData()) == 0;
    }
    case Kind::DanglingLink: return ::symlink("nowhere", native.constData()) == 0;
    case Kind::LinkLoop: { // a link to "other", which links back
        const QByteArray other = beside("other");
        return ::symlink(other.constData(), native.constData()) == 0
               && ::symlink(native.constData(), other.constData()) == 0;
    }
    }
    return false;
}

// The file type seen through any link: 'd' folder, 'p' named pipe, 's'
// socket, '-' regular file, '?' anything else or nothing (a loop of links).
inline char typeOf(const QString &path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return '?';
    return S_ISDIR(st.st_mode)    ? 'd'
           : S_ISFIFO(st.st_mode) ? 'p'
           : S_ISSOCK(st.st_mode) ? 's'
           : S_ISREG(st.st_mode)  ? '-'
                                  : '?';
}

} // namespace NonRegularFiles
