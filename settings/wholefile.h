#pragma once

#include <QByteArray>
#include <QString>

// Replacing a small file so that a reader finds either the old contents or
// the new ones, never a mixture or an empty file: on a full disk, a spent
// quota or a file-size limit the old file stays as it was.
namespace WholeFile {

/* Writes `contents` to a new file beside `path` and renames it over `path`
   once every byte is written and synced. False, with `path` untouched and no
   new file left behind, when any step fails or when `path` cannot hold a
   regular file (a pipe, a socket, a device, a folder, a loop of links),
   which is never opened nor replaced. A chain of links is followed: the
   file at its end is the one replaced, and the links stay. Never blocks on
   a pipe. */
bool replace(const QString &path, const QByteArray &contents);

} // namespace WholeFile
