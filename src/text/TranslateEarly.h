#pragma once

#include <QString>

class QTranslator;

namespace rollkin {

// A text in the catalogue's language (null: as written), for the work done before the
// application exists and so before any catalogue can be installed.
QString TranslateEarly(const QTranslator* catalogue, const char* context, const char* text);

}  // namespace rollkin
