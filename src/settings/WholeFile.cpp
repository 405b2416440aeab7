#include "settings/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace rollkin {

QString WriteWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions mode) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    // The scratch copy beside the file is its owner's alone while it is written; the file gets
    // its mode (or the one Qt chose: the old file's, or the usual one) once it is in place.
    const QFileDevice::Permissions finalMode = mode ? mode : out.permissions();
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A write cut short shows only at the flush: Qt's commit() would put the truncated file in
    // place of the old one.
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString error = out.errorString();
        out.cancelWriting();  // the scratch copy goes with `out`
        return error;
    }
    if (!out.commit()) return out.errorString();
    QFile::setPermissions(path, finalMode);
    return {};
}

}  // namespace rollkin
