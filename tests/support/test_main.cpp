#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>

namespace rollkin::test {
int ReplayGestures(int argc, char** argv);
}

int main(int argc, char** argv) {
    // Widget tests never need a display: they run on Qt's offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's settings file goes to a folder of the run's own, never the user's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--replay-gestures") == 0)
        return rollkin::test::ReplayGestures(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
