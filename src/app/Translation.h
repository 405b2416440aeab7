#pragma once

#include "text/TranslateEarly.h"

class QLocale;
class QTranslator;

namespace rollkin {

// Loads the program's catalogue for the locale's preferred user-interface languages into
// `translator`, trying them in order. The texts are written in English, so an English language
// ends the search with nothing loaded, as does a list with no language that has a catalogue.
bool LoadCatalogue(QTranslator& translator, const QLocale& locale);

// The catalogue of the desktop's language: the messages locale of LC_ALL, LC_MESSAGES or LANG
// (the first that is set), and LANGUAGE's list of preferences beside it as gettext reads them.
// The C and POSIX locales, like English, load nothing and cost start-up no more than a look at
// the environment.
bool LoadDesktopCatalogue(QTranslator& translator);
// Whether those variables (null or empty when unset) name a language other than English, so
// that Qt's list of the system's languages is worth asking for a catalogue.
bool MayHaveCatalogue(const char* lcAll, const char* lcMessages, const char* lang,
                      const char* language);

}  // namespace rollkin
