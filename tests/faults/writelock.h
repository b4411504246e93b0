#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

#include <unistd.h>

// Makes a file or folder unwritable for this process, and writable again
// when it goes. Root ignores permission bits, so as root the file system's
// immutable attribute is set instead (ext2/3/4, xfs, btrfs); where that is
// refused too, `failure` says why and nothing was locked.
class WriteLock
{
public:
    explicit WriteLock(const QString &path)
        : m_path(path)
    {
        if (geteuid() != 0) {
            m_permissions = QFile::permissions(path);
            m_locked = QFile::setPermissions(
                path, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        } else {
            m_locked = chattr(QStringLiteral("+i"));
            m_immutable = m_locked;
        }
        if (!m_locked)
            failure = QStringLiteral("cannot make %1 unwritable as root (chattr +i refused: "
                                     "no CAP_LINUX_IMMUTABLE or no support in this file system)")
                          .arg(path);
    }

    ~WriteLock()
    {
        if (m_immutable)
            chattr(QStringLiteral("-i"));
        else if (m_locked)
            QFile::setPermissions(m_path, m_permissions);
    }

    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    bool locked() const { return m_locked; }
    QString failure;

private:
    bool chattr(const QString &flag) const
    {
        QProcess p;
        p.start(QStringLiteral("chattr"), {flag, m_path});
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString m_path;
    QFile::Permissions m_permissions;
    bool m_locked = false;
    bool m_immutable = false;
};
