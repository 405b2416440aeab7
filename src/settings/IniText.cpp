#include "settings/IniText.h"

#include <QStringList>
#include <algorithm>
#include <iterator>
#include <utility>

namespace rollkin {

namespace {

const QString General = QStringLiteral("General");

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The characters a value writes as a backslash and a letter, and the letter: read back alike.
constexpr std::pair<char16_t, char16_t> Escapes[] = {
    {u'"', u'"'}, {u'\\', u'\\'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

// The escape pair whose character (or, with `letter`, whose letter) is c; null when none.
const std::pair<char16_t, char16_t>* EscapeOf(QChar c, bool letter) {
    const auto* found = std::find_if(std::begin(Escapes), std::end(Escapes), [&](const auto& e) {
        return (letter ? e.second : e.first) == c.unicode();
    });
    return found != std::end(Escapes) ? found : nullptr;
}

// A half of a surrogate pair alone cannot be written as UTF-8.
QChar Character(int code) {
    return QChar::isSurrogate(static_cast<char32_t>(code)) ? QChar(QChar::ReplacementCharacter)
                                                           : QChar(static_cast<char16_t>(code));
}

// In a key, such a half becomes the replacement character too; a pair written as two %UXXXX
// stays a pair.
QString PairedOnly(QString key) {
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        if (c.isHighSurrogate() && i + 1 < key.size() && key.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            key[i] = QChar(QChar::ReplacementCharacter);
        }
    }
    return key;
}

// %XX and %UXXXX stand for a character, a backslash for the group separator; repeated or outer
// separators go.
QString UnescapeKey(const QString& raw) {
    QString key;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char('/')) {
            if (!key.isEmpty() && !key.endsWith(QLatin1Char('/'))) key += QLatin1Char('/');
            continue;
        }
        const int digits =
            c == QLatin1Char('%') && i + 1 < raw.size() && raw.at(i + 1) == QLatin1Char('U') ? 4
                                                                                             : 2;
        const qsizetype from = i + 1 + (digits == 4 ? 1 : 0);
        int code = 0;
        bool ok = c == QLatin1Char('%') && from + digits <= raw.size();
        for (int d = 0; ok && d < digits; ++d) {
            const int h = HexDigit(raw.at(from + d));
            ok = h >= 0;
            code = code * 16 + h;
        }
        if (!ok) {
            key += c;
            continue;
        }
        key += QChar(static_cast<char16_t>(code));
        i = from + digits - 1;
    }
    // An escaped slash separates as well.
    return PairedOnly(key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')));
}

QString EscapeKey(const QString& key) {
    QString raw;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/')
            raw += QLatin1Char('\\');
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                 u == '_' || u == '-' || u == '.' || u == '~')
            raw += c;
        else if (u < 0x100)
            raw += QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
        else
            raw += QStringLiteral("%U%1").arg(u, 4, 16, QLatin1Char('0')).toUpper();
    }
    return raw;
}

// A value: items parted by commas outside quotes, each quoted or not, with C's backslash escapes;
// an unquoted item loses its outer blanks. More than one item is a list.
QVariant ParseValue(const QString& text) {
    QStringList items;
    QString item;
    bool quoted = false, anyQuotes = false;
    qsizetype kept = 0;  // an unquoted item ends here: its blanks go, escaped ones stay
    const auto endItem = [&] {
        if (!anyQuotes) item.truncate(kept);
        if (item.startsWith(QLatin1String("@@"))) item.remove(0, 1);
        items << item;
        item.clear();
        anyQuotes = false;
        kept = 0;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            if (!quoted && !anyQuotes) item.truncate(kept);
            quoted = !quoted;
            anyQuotes = true;
        } else if (c == QLatin1Char(',') && !quoted) {
            endItem();
        } else if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar e = text.at(++i);
            if (const auto* escape = EscapeOf(e, true)) {
                item += QChar(escape->first);
            } else if (e == QLatin1Char('0')) {
                item += QChar(0);
            } else if (e == QLatin1Char('x')) {
                int code = 0, n = 0;
                for (; n < 4 && i + 1 < text.size() && HexDigit(text.at(i + 1)) >= 0; ++n)
                    code = code * 16 + HexDigit(text.at(++i));
                item += n ? Character(code) : QChar(u'x');
            } else {
                item += e;
            }
            kept = item.size();
        } else if (quoted || !c.isSpace() || !item.isEmpty()) {
            item += c;
            if (quoted || !c.isSpace()) kept = item.size();
        }
    }
    endItem();
    if (items.size() > 1) return items;
    return items.value(0);
}

bool NeedsQuotes(const QString& s) {
    if (s.isEmpty()) return false;
    if (s.front().isSpace() || s.back().isSpace()) return true;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == '"' || u == '\\' || u == ',' || u == ';' || u == '#' || u == '=')
            return true;
    }
    return false;
}

QString EscapeItem(QString s) {
    if (s.startsWith(QLatin1Char('@'))) s.prepend(QLatin1Char('@'));
    if (!NeedsQuotes(s)) return s;
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        if (const auto* escape = EscapeOf(c, false)) {
            out += QLatin1Char('\\');
            out += QChar(escape->second);
        } else if (c.unicode() < 0x20) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

}  // namespace

bool IniText::NotIni() const {
    return binary || static_cast<int>(ignored.size()) > understood;
}

QString IniValueText(const QVariant& v) {
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", "))
                                                : v.toString();
}

IniText ReadIni(QByteArrayView bytes) {
    IniText ini;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    ini.binary = bytes.contains('\0');
    QString section;
    int number = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) end = bytes.size();
        QString line = QString::fromUtf8(bytes.sliced(at, end - at)).trimmed();
        at = end + 1;
        ++number;
        const int first = number;
        // A value that ends in a lone backslash goes on on the next line.
        while (line.contains(QLatin1Char('=')) && line.endsWith(QLatin1Char('\\')) &&
               !line.endsWith(QLatin1String("\\\\")) && at < bytes.size()) {
            end = bytes.indexOf('\n', at);
            if (end < 0) end = bytes.size();
            line.chop(1);
            line += QString::fromUtf8(bytes.sliced(at, end - at)).trimmed();
            at = end + 1;
            ++number;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                ini.ignored.push_back(first);
                continue;
            }
            const QString raw = line.mid(1, line.size() - 2).trimmed();
            section = raw == General                     ? QString()
                      : raw == QLatin1String("%General") ? General
                                                         : UnescapeKey(raw);
            ++ini.understood;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = equals > 0 ? UnescapeKey(line.left(equals).trimmed()) : QString();
        if (key.isEmpty()) {
            ini.ignored.push_back(first);
            continue;
        }
        ini.values.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key,
                          ParseValue(line.mid(equals + 1)));
        ++ini.understood;
    }
    return ini;
}

QByteArray WriteIni(const QVariantMap& values) {
    QString text;
    QString section;  // the header written last
    bool first = true;
    // The keys without a group first, under [General], as QSettings puts them.
    for (const bool grouped : {false, true}) {
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
            if ((slash >= 0) != grouped) continue;
            const QString group = grouped ? it.key().left(slash) : General;
            // A group named General is not the keys without one.
            const QString header = !grouped           ? General
                                   : group == General ? QStringLiteral("%General")
                                                      : EscapeKey(group);
            if (first || header != section) {
                if (!first) text += QLatin1Char('\n');
                text += QLatin1Char('[') + header + QLatin1String("]\n");
                section = header;
                first = false;
            }
            QString value;
            if (it.value().typeId() == QMetaType::QStringList) {
                QStringList items;
                for (const QString& item : it.value().toStringList())
                    items << EscapeItem(item);
                value = items.join(QStringLiteral(", "));
            } else {
                value = EscapeItem(it.value().toString());
            }
            text += EscapeKey(grouped ? it.key().mid(slash + 1) : it.key()) + QLatin1Char('=') +
                    value + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

}  // namespace rollkin
