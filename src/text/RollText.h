#pragma once

#include <QString>

#include "state/Roll.h"

class QTranslator;

namespace rollkin {

// A roll's error in one line, "a number or a dice term is expected at column 5", and the words
// its line uses, in the catalogue's language; with no catalogue, in the language of the
// translators installed in the application (English when there are none).
QString RollErrorText(const RollError& error, const QTranslator* catalogue = nullptr);
RollWords RollWordsText(const QTranslator* catalogue = nullptr);

// A roll's plain line as a screen reader says it: a dropped die in words, "11, dropped", in place
// of the marks that strike it through in text.
QString SpokenLine(const QString& plain);

}  // namespace rollkin
