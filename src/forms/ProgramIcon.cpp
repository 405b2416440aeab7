#include "forms/ProgramIcon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace rollkin {

QIcon ProgramIcon() {
    // Once the application has its icon, every window shares those decoded images: decoding
    // them again would cost each new window about a millisecond and half a megabyte.
    if (QIcon shared = QGuiApplication::windowIcon(); !shared.isNull()) return shared;
    QIcon icon;
    for (int size : {ROLLKIN_ICON_SIZES}) {  // from CMakeLists.txt, which installs them too
        // The files are PNG: left to guess, the reader would first load every image format
        // plugin to ask it.
        QImageReader reader(QStringLiteral(":/icons/dicerollkin-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace rollkin
