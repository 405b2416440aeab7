#include "state/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace rollkin {

QString WriteWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions mode) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    if (mode) out.setPermissions(mode);
    // A write cut short shows only at the flush: Qt's commit() would put the truncated file in
    // place of the old one.
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString error = out.errorString();
        out.cancelWriting();  // the temporary file goes with `out`
        return error;
    }
    if (!out.commit()) return out.errorString();
    if (mode) QFile::setPermissions(path, mode);  // a file that was there keeps its own mode
    return {};
}

}  // namespace rollkin
