#include "app/Terminal.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <string>

namespace rollkin {

namespace {

// The locale's character set; the program may not have set its locale yet.
QByteArray Charset() {
    static const QByteArray charset = [] {
        if (std::setlocale(LC_CTYPE, nullptr) == std::string("C")) std::setlocale(LC_CTYPE, "");
        return QByteArray(nl_langinfo(CODESET));
    }();
    return charset;
}

bool IsUtf8(const QByteArray& charset) {
    return charset.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
           charset.compare("UTF8", Qt::CaseInsensitive) == 0;
}

// All of `in` through iconv; a byte it cannot take is passed over as `bad`.
QByteArray Convert(const char* to, const char* from, const QByteArray& in, char bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return in;
    QByteArray out;
    char buffer[256];
    char* src = const_cast<char*>(in.constData());
    size_t left = static_cast<size_t>(in.size());
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        const size_t done = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<qsizetype>(dst - buffer));
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {  // unconvertible or cut short
            out.append(bad);
            ++src;
            --left;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

bool TerminalIsUtf8() {
    return IsUtf8(Charset());
}

QByteArray ToTerminal(const QString& text) {
    const QByteArray charset = Charset();
    if (IsUtf8(charset)) return text.toUtf8();
    return Convert((charset + "//TRANSLIT").constData(), "UTF-8", text.toUtf8(), '?');
}

QString FromTerminal(const char* bytes) {
    const QByteArray charset = Charset();
    if (IsUtf8(charset)) return QString::fromUtf8(bytes);
    return QString::fromUtf8(Convert("UTF-8", charset.constData(), QByteArray(bytes), '?'));
}

}  // namespace rollkin
