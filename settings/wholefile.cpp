#include "wholefile.h"

#include "regularonly.h"

#include <QSaveFile>

namespace WholeFile {

bool replace(const QString &path, const QByteArray &contents)
{
    // QSaveFile follows a chain of links to the file at its end by itself,
    // but it would rename its new file over a pipe or a device, and over the
    // first link of a loop, which then becomes a regular file.
    if (RegularOnly::cannotHoldFile(path))
        return false;
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here rather than in
    // the flush inside commit(), which would not tell; commit() then syncs,
    // and renames only when every byte was written. The new file takes the
    // old one's access rights.
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(contents) == contents.size()
           && file.commit();
}

} // namespace WholeFile
