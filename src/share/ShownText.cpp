#include "share/ShownText.h"

#include <QChar>
#include <algorithm>

namespace rollkin {

namespace {

// Characters that would break the line or turn the text around: shown as escapes.
bool Hidden(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

QString ShownText(QStringView text, int limit) {
    // A word joiner after '<' and '&': invisible, and no tag or entity can start there, so that a
    // label or a message that guesses the format keeps the text plain.
    const QString joiner(QChar(0x2060));
    const QString ellipsis = QStringLiteral("…");
    QString shown;
    qsizetype fits = -1;  // where a cut goes: the last piece that leaves room for the ellipsis
    for (qsizetype i = 0; i < text.size() && shown.size() <= limit;) {
        char32_t c = text.at(i).unicode();
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1)), length = 2;
        QString piece = text.mid(i, length).toString();
        if (Hidden(c) || QChar::isSurrogate(c)) {
            piece = c < 0x100
                        ? QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QChar(u'0'))
                        : QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QChar(u'0'));
        } else if (c == u'<' || c == u'&') {
            piece += joiner;
        }
        i += length;
        if (shown.size() + piece.size() <= limit - ellipsis.size())
            fits = shown.size() + piece.size();
        shown += piece;
    }
    if (shown.size() <= limit) return shown;
    return shown.left(std::max<qsizetype>(fits, 0)) + ellipsis;
}

}  // namespace rollkin
