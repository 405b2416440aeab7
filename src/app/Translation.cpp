#include "app/Translation.h"

#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <cstring>

namespace rollkin {

namespace {

// Where qt_add_translations embeds the compiled catalogues, and their names' common part.
constexpr auto CatalogueDir = ":/i18n";
constexpr auto CataloguePrefix = "dicerollkin_";

bool IsCLocale(const char* name) {
    return std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
           std::strncmp(name, "C.", 2) == 0;
}

// "en", "en_GB.UTF-8", "en@shaw": English, whatever the country.
bool IsEnglish(const char* name) {
    return std::strncmp(name, "en", 2) == 0 && std::strchr("_.@", name[2]) != nullptr;
}

}  // namespace

bool LoadCatalogue(QTranslator& translator, const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        const QLocale::Language l = QLocale(language).language();
        if (l == QLocale::C || l == QLocale::English) return false;
        // "pt-BR" is looked for as dicerollkin_pt_BR, then dicerollkin_pt.
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (translator.load(QLatin1String(CataloguePrefix) + language, QLatin1String(CatalogueDir)))
            return true;
    }
    return false;
}

bool MayHaveCatalogue(const char* lcAll, const char* lcMessages, const char* lang,
                      const char* language) {
    const char* messages = "";
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') {
            messages = value;
            break;
        }
    }
    // As in gettext, LANGUAGE does not override the C locale: a C program speaks English.
    if (*messages == '\0' || IsCLocale(messages)) return false;
    // English with no list of preferences needs no look at Qt's idea of the system locale.
    return (language != nullptr && *language != '\0') || !IsEnglish(messages);
}

bool LoadDesktopCatalogue(QTranslator& translator) {
    return MayHaveCatalogue(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                            std::getenv("LANGUAGE")) &&
           LoadCatalogue(translator, QLocale::system());
}

}  // namespace rollkin
