// The settings file's reader under libFuzzer: any bytes are read as the file, first in memory
// (where AddressSanitizer catches a read past their end), then from a file as a start reads it.
// Whatever is read must be written back as text that reads the same, with no line passed over;
// what the strip is given stays within its bounds; nothing may crash.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "settings/IniText.h"
#include "settings/SettingsFile.h"

namespace {

[[noreturn]] void Fail(const char* what, const QString& key = {}) {
    std::fprintf(stderr, "%s %s\n", what, qPrintable(key));
    std::abort();
}

void RoundTrip(const rollkin::IniText& ini) {
    const QByteArray text = rollkin::WriteIni(ini.values);
    const rollkin::IniText again = rollkin::ReadIni(text);
    if (!again.ignored.empty() || again.NotIni()) Fail("a line written is passed over");
    if (again.values.keys() != ini.values.keys()) Fail("the keys differ after a write");
    for (auto it = ini.values.cbegin(); it != ini.values.cend(); ++it) {
        if (rollkin::IniValueText(again.values.value(it.key())) != rollkin::IniValueText(*it))
            Fail("a value differs after a write:", it.key());
    }
}

void FromFile(const QByteArray& bytes) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dicerollkin.conf"));
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) Fail("no scratch");
    out.close();
    rollkin::SettingsFile file(path);
    file.Open();
    rollkin::AppState s;
    rollkin::ResetSettings(s);
    file.ReadSettings(s);
    (void)file.Position();
    if (file.Rolls().size() > static_cast<std::size_t>(rollkin::MaxSavedRolls))
        Fail("more rolls than the strip holds");
    for (const rollkin::SavedRoll& r : file.Rolls()) {
        if (QString::fromStdString(r.name).size() > rollkin::MaxSavedRollName)
            Fail("a name longer than the strip shows");
    }
    if (s.RefreshSeconds < rollkin::MinRefreshSeconds ||
        s.RefreshSeconds > rollkin::MaxRefreshSeconds ||
        s.MultiplierRange < rollkin::MinMultiplierRange ||
        s.MultiplierRange > rollkin::MaxMultiplierRange)
        Fail("a setting outside its range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const rollkin::IniText ini = rollkin::ReadIni(bytes);
    if (!ini.NotIni()) RoundTrip(ini);
    FromFile(bytes.toByteArray());
    return 0;
}
