#pragma once

#include <cstdio>

class QTranslator;

// The strip's start, the window module's one entry (src/main.cpp): the display check, the
// application and the windows, until the strip is closed. `argc` and `argv` are the program's,
// `catalogue` the desktop's language (null: English). Returns the exit status.
extern "C" int rollkin_show_strip(int* argc, char** argv, QTranslator* catalogue);

namespace rollkin {

// The windows and every library behind them live in a module of their own, loaded only when the
// strip is to be shown: the command line's answers load Qt's core alone. The module is looked
// for beside the program (the build tree), then in the installed private folder, found from the
// program's folder, else where it was configured. Returns its entry, or null after one line on
// `err` saying why it could not be loaded.
using ShowStrip = decltype(&rollkin_show_strip);
ShowStrip LoadWindowModule(std::FILE* err, const QTranslator* catalogue);

}  // namespace rollkin
