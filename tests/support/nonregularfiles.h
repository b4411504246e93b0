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

// Makes `kind` at `path`; a link's target goes beside it.
inline void make(const QString &path, Kind kind)
{
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case Kind::Folder: QDir().mkpath(path); break;
    case Kind::Fifo: (void)::mkfifo(native.constData(), 0600); break;
    case Kind::Socket: {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, native.constData(), sizeof addr.sun_path);
        (void)::bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        ::close(s);
        break;
    }
    case Kind::LinkToFifo: {
        const QByteArray fifo = QFile::encodeName(QFileInfo(path).dir().filePath(QStringLiteral("fifo")));
        (void)::mkfifo(fifo.constData(), 0600);
        (void)::symlink(fifo.constData(), native.constData());
        break;
    }
    case Kind::DanglingLink: (void)::symlink("nowhere", native.constData()); break;
    case Kind::LinkLoop: { // a link to "other", which links back
        const QByteArray other = QFile::encodeName(QFileInfo(path).dir().filePath(QStringLiteral("other")));
        (void)::symlink(other.constData(), native.constData());
        (void)::symlink(native.constData(), other.constData());
        break;
    }
    }
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
