#include "text/TranslateEarly.h"

#include <QTranslator>

namespace rollkin {

QString TranslateEarly(const QTranslator* catalogue, const char* context, const char* text) {
    const QString translated =
        catalogue != nullptr ? catalogue->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace rollkin
