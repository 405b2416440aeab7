#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace rollkin {

// Replaces the file at `path` with `bytes`, whole or not at all: a crash or a full disk leaves
// the file that was there. No byte is readable by others before it is in place; then the file
// gets `mode`, when given, or the mode the old one had. Returns the reason it could not, empty
// when it was written.
QString WriteWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions mode = {});

// Moves the file to the first name free beside it (path.bad, path.bad.1...), readable by its
// owner alone. Neither a file nor a link already there is replaced or written through. Returns
// the new name, empty when it could not be moved.
QString MoveAside(const QString& path);
// Writes `bytes` to a new file at the first name free beside `path`, as MoveAside names it.
bool KeepAside(const QString& path, const QByteArray& bytes);

}  // namespace rollkin
