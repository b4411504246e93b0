#pragma once

#include <QFile>
#include <QString>

// Files that come from outside (the settings file, the pictures) are used
// only when the path names a regular file. A named pipe, a socket or a
// device in their place would otherwise block the game in open() or read()
// for ever, or be replaced by a save; here it is simply a file that cannot
// be opened.
namespace RegularOnly {

/* Opens `path` read-only into `file` (not yet open). False, with `file`
   closed, when the path is missing, unreadable or not a regular file. Never
   blocks. On Unix the file is opened from its
   descriptor, so `file` keeps no name: callers name the path themselves in
   messages. */
bool openForReading(QFile &file, const QString &path);

/* Whether `path` cannot be written as a regular file without opening it:
   it is, through any links, a pipe, a socket, a device or a folder, or a
   loop of links. A missing file, or a link to one, can. */
bool cannotHoldFile(const QString &path);

} // namespace RegularOnly
