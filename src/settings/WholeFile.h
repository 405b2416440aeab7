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

}  // namespace rollkin
