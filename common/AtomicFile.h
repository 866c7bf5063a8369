#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes the bytes as the file at `path`, all or nothing: beside it under a
// name of its own, synced, then moved into place, so an old file stays whole
// until the new one is complete and a link of that name is replaced, never
// followed. Without `replace`, anything already of that name stays and the
// write fails with EEXIST. A missing folder is made. Returns 0 or errno.
int writeFileAtomically(const QString &path, const QByteArray &bytes, bool replace);

// True when anything, even a dangling link, has that name.
bool nameTaken(const QString &path);

} // namespace platform
