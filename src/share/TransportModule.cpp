#include "share/TransportModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace rollkin {

QStringList TransportModule::Folders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(ROLLKIN_MODULE_FROM_PROGRAM))),
            QStringLiteral(ROLLKIN_MODULE_DIR)};
}

TransportModule::Loaded TransportModule::New(const QStringList& folders) {
    const QString file = QStringLiteral(ROLLKIN_NETWORK_MODULE);
    QString reason =
        tr("%1 is in none of the folders %2").arg(file, folders.join(QStringLiteral(", ")));
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path)) continue;
        QLibrary module(path);
        using Factory = WebhookTransport* (*)();
        if (const auto make = reinterpret_cast<Factory>(module.resolve("rollkin_new_transport")))
            return {std::unique_ptr<WebhookTransport>(make()), {}, {}};
        reason = ShownText(module.errorString());
        break;
    }
    return {nullptr, tr("the network module could not be loaded (%1)").arg(reason),
            tr("The network module could not be loaded (%1): posting is switched off. Throws go "
               "on.")
                .arg(reason)};
}

}  // namespace rollkin
