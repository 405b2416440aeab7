#include "settings/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>

namespace rollkin {

namespace {

// The names beside the file for what is put aside: .bad, .bad.1, .bad.2...
QString AsideName(const QString& path, int n) {
    return path + (n == 0 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n));
}
constexpr int AsideNames = 1000;

}  // namespace

QString MoveAside(const QString& path) {
    const QByteArray from = QFile::encodeName(path);
    for (int n = 0; n < AsideNames; ++n) {
        const QString to = AsideName(path, n);
        const QByteArray target = QFile::encodeName(to);
        int moved =
            ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
        // A file system without it: a hard link, which does not replace either, then the unlink.
        if (moved != 0 && errno == EINVAL) {
            moved = ::link(from.constData(), target.constData());
            if (moved == 0) ::unlink(from.constData());
        }
        if (moved == 0) {
            // It may hold a webhook's address.
            struct stat st {};
            if (::lstat(target.constData(), &st) == 0 && S_ISREG(st.st_mode))
                ::chmod(target.constData(), S_IRUSR | S_IWUSR);
            return to;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

bool KeepAside(const QString& path, const QByteArray& bytes) {
    for (int n = 0; n < AsideNames; ++n) {
        const QByteArray target = QFile::encodeName(AsideName(path, n));
        const int fd =
            ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote =
                ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) break;
            done += wrote;
        }
        const bool whole = done == bytes.size() && ::fsync(fd) == 0;
        ::close(fd);
        if (!whole) ::unlink(target.constData());
        return whole;
    }
    return false;
}

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
