#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>

#include "share/ShareQueue.h"

namespace rollkin {

// The webhook's transport lives in a module of its own, loaded at the first post: only then do
// Qt's network module and the dozen libraries behind it come in, so a start that shares nothing
// does not load them.
class TransportModule {
    Q_DECLARE_TR_FUNCTIONS(TransportModule)

public:
    struct Loaded {
        std::unique_ptr<WebhookTransport> transport;
        QString error;    // why there is none, in a few words: a test post's answer
        QString message;  // and in a sentence, when posting stops for it
    };

    // Beside the program first (the build tree), then the installed private folder: found from
    // the program's folder, else where it was configured.
    static QStringList Folders();
    // A new transport from the first of the folders that holds the module. The module, once
    // loaded, stays: the transports' code lives there.
    static Loaded New(const QStringList& folders);
};

}  // namespace rollkin
