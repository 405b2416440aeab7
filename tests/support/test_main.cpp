#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

namespace rollkin::test {
int ReplayGestures(int argc, char** argv);
}

namespace {

// Each test starts with no settings file: what one test keeps never reaches the next.
class FreshConfig final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { dir_.reset(); }
    std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace

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
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshConfig);
    return RUN_ALL_TESTS();
}
