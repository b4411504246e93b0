#pragma once

#include <QFile>
#include <QString>

// Opens files that come from outside (the settings file, the pictures) only
// when the path names a regular file. A named pipe, a socket or a device in
// their place would otherwise block the game in open() or read() for ever;
// here it is simply a file that cannot be opened.
namespace RegularFile {

/* Opens `path` read-only into `file` (not yet open). False, with `file`
   closed, when the path is missing, unreadable or not a regular file. Never
   blocks. On Unix the file is opened from its descriptor, so `file` keeps
   no name: callers name the path themselves in messages. */
bool openForReading(QFile &file, const QString &path);

/* Whether `path` exists as something other than a regular file (a pipe, a
   socket, a device, a folder), without opening it. */
bool existsButNotRegular(const QString &path);

} // namespace RegularFile
