#pragma once

#include <QByteArray>
#include <QString>

namespace rollkin {

// Text to and from the terminal in the locale's character set (LC_ALL, LC_CTYPE or LANG), which
// Qt's own conversions take to be UTF-8 everywhere. A character the set lacks is written as the
// nearest it has ("„" as '"'), or '?'.
QByteArray ToTerminal(const QString& text);
QString FromTerminal(const char* bytes);
// Whether that character set is UTF-8, so that UTF-8 text goes to the terminal as it is.
bool TerminalIsUtf8();

}  // namespace rollkin
