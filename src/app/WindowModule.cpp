#include "app/WindowModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

#include "app/Terminal.h"
#include "text/TranslateEarly.h"

namespace rollkin {

namespace {

// The program's own folder, from the kernel: no application object exists yet to ask.
std::string ProgramFolder() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string self(path, static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/'));
}

void Refuse(std::FILE* err, const QTranslator* catalogue, const QString& reason) {
    const QString line = TranslateEarly(catalogue, "WindowModule",
                                        QT_TRANSLATE_NOOP("WindowModule",
                                                          "dicerollkin: the window module could "
                                                          "not be loaded (%1)\n"))
                             .arg(reason);
    const QByteArray bytes = ToTerminal(line);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), err);
}

}  // namespace

ShowStrip LoadWindowModule(std::FILE* err, const QTranslator* catalogue) {
    const std::string program = ProgramFolder();
    const std::string folders[] = {program, program + '/' + ROLLKIN_MODULE_FROM_PROGRAM,
                                   ROLLKIN_MODULE_DIR};
    QStringList tried;
    for (const std::string& folder : folders) {
        const std::string path = folder + '/' + ROLLKIN_WINDOW_MODULE;
        tried << QString::fromStdString(folder);
        if (access(path.c_str(), F_OK) != 0) continue;
        // Bound at once, as the program is: a missing symbol is seen here, not mid-run.
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* entry = module != nullptr ? dlsym(module, "rollkin_show_strip") : nullptr;
        if (entry != nullptr) return reinterpret_cast<ShowStrip>(entry);
        const char* why = dlerror();
        Refuse(err, catalogue, QString::fromLocal8Bit(why != nullptr ? why : path.c_str()));
        return nullptr;
    }
    Refuse(err, catalogue,
           TranslateEarly(catalogue, "WindowModule",
                          QT_TRANSLATE_NOOP("WindowModule", "%1 is in none of the folders %2"))
               .arg(QStringLiteral(ROLLKIN_WINDOW_MODULE), tried.join(QStringLiteral(", "))));
    return nullptr;
}

}  // namespace rollkin
