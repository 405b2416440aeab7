#include "settings/SettingsKeeper.h"

#include <QStringList>
#include <algorithm>

#include "settings/SavedRollsModel.h"
#include "settings/SettingsFile.h"

namespace rollkin {

SettingsKeeper::SettingsKeeper(SavedRollsModel& saved) : saved_(saved) {}

SettingsKeeper::~SettingsKeeper() = default;

void SettingsKeeper::Open() {
    file_ = std::make_unique<SettingsFile>(SettingsFile::DefaultPath());
    opened_ = static_cast<int>(file_->Open());
    file_->WriteInBackground([this](bool ok) { Written(ok); });
    saved_.Set(file_->Rolls());
    remember_ = file_->Remembered();
}

QString SettingsKeeper::OpenedMessage() const {
    const QString path = file_->Path();
    switch (static_cast<SettingsFile::Opened>(opened_)) {
        case SettingsFile::Opened::MovedAside:
            return tr("The settings file %1 could not be read. It has been moved to %2, and Dice "
                      "Rollkin starts with its default settings.")
                .arg(path, file_->MovedTo());
        case SettingsFile::Opened::Unreadable:
            return tr("The settings file %1 could not be read, nor moved aside. Dice Rollkin "
                      "starts with its default settings and leaves the file as it is.")
                .arg(path);
        case SettingsFile::Opened::NotAFile:
            return tr("The settings file %1 is not a regular file. Dice Rollkin starts with its "
                      "default settings and leaves it as it is.")
                .arg(path);
        case SettingsFile::Opened::FolderUnreadable:
            return tr("The folder of the settings file %1 cannot be read. Dice Rollkin starts "
                      "with its default settings and leaves the folder as it is.")
                .arg(path);
        case SettingsFile::Opened::Missing:
        case SettingsFile::Opened::Read:
            break;
    }
    const std::vector<int>& ignored = file_->IgnoredLines();
    if (ignored.empty()) return {};
    QStringList lines;
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < std::min(ignored.size(), Listed); ++i)
        lines << QString::number(ignored[i]);
    if (ignored.size() > Listed) lines << QStringLiteral("...");
    return tr("Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; "
              "everything else in it is kept. The file stays as it is until a setting changes; "
              "then it is first copied whole beside itself, to a name ending in .bad.")
        .arg(path, lines.join(QStringLiteral(", ")));
}

std::optional<QPoint> SettingsKeeper::TakeRemembered() {
    if (!remember_) return std::nullopt;
    file_->ReadSettings(state_);
    if (!state_.FreePosition) return std::nullopt;
    return file_->Position();
}

void SettingsKeeper::KeepSettings() {
    if (remember_) file_->KeepSettings(state_, place_ ? place_() : QPoint());
}

void SettingsKeeper::Remember(bool remember) {
    remember_ = remember;
    if (!file_) return;  // not opened yet: nothing to write into
    if (remember)
        file_->KeepSettings(state_, place_ ? place_() : QPoint());
    else
        file_->ForgetSettings();
}

void SettingsKeeper::KeepSavedRolls() {
    // The rolls just read, or just taken back from the file, are nothing to write.
    if (!file_ || file_->Rolls() == saved_.Rolls()) return;
    file_->SetRolls(saved_.Rolls());
    // A roll kept beyond the strip's room takes a place that came free.
    saved_.Set(file_->Rolls());
}

bool SettingsKeeper::GlobalKeys() const {
    return file_ && file_->GlobalKeys();
}

void SettingsKeeper::SetGlobalKeys(bool on) {
    if (file_) file_->SetGlobalKeys(on);
}

void SettingsKeeper::SettleSettings() {
    if (file_) file_->Settle();
}

QVariantMap SettingsKeeper::Group(const QString& name) const {
    return file_ ? file_->Group(name) : QVariantMap();
}

void SettingsKeeper::KeepGroup(const QString& name, const QVariantMap& values) {
    if (file_) file_->SetGroup(name, values);
}

void SettingsKeeper::Written(bool ok) {
    if (!ok && !writeFailing_) {
        emit Notice(tr("The settings file %1 could not be written. Dice Rollkin goes on and "
                       "tries again at the next change.")
                        .arg(file_->Path()));
    }
    writeFailing_ = !ok;
}

}  // namespace rollkin
