#include "wholefile.h"

#include "regularfile.h"

#include <QFileInfo>
#include <QSaveFile>

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

bool replace(const QString &path, const QByteArray &contents)
{
    const QString target = finalPath(path);
    // QSaveFile would rename its new file over a pipe or a device as well.
    if (RegularFile::existsButNotRegular(target))
        return false;
    QSaveFile file(target);
    // Unbuffered, so that a write the disk refuses fails here rather than in
    // the flush inside commit(), which would not tell; commit() then syncs,
    // and renames only when every byte was written. The new file takes the
    // old one's access rights.
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(contents) == contents.size()
           && file.commit();
}

} // namespace WholeFile
