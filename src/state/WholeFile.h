#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace rollkin {

// Replaces the file at `path` with `bytes`, whole or not at all: a crash or a full disk leaves
// the file that was there. `mode`, when given, is set before a byte is written. Returns the
// reason it could not, empty when it was written.
QString WriteWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions mode = {});

}  // namespace rollkin
