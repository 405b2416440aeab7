#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstring>
#include <memory>

#include "app/SingleStrip.h"
#include "platform/DisplayCheck.h"

namespace rollkin::test {
namespace {

bool Answers(const char*) {
    return true;
}
bool Silent(const char*) {
    return false;
}

TEST(DisplayChoice, UsesX11WheneverItAnswers) {
    EXPECT_EQ(ChooseDisplay({nullptr, ":0", nullptr, Answers}).platform, "xcb");
    // A Wayland session with XWayland: still X11.
    EXPECT_EQ(ChooseDisplay({"", ":1", "wayland-0", Answers}).platform, "xcb");
}

TEST(DisplayChoice, RespectsTheUsersPlatform) {
    const DisplayChoice c = ChooseDisplay({"offscreen", nullptr, nullptr, Silent});
    EXPECT_EQ(c.platform, "offscreen");
    EXPECT_TRUE(c.error.empty());
    EXPECT_EQ(ChooseDisplay({"wayland", nullptr, "wayland-0", Silent}).platform, "wayland");
}

TEST(DisplayChoice, NoUsableDisplayIsOneClearLine) {
    for (const DisplayEnvironment& env : {
             DisplayEnvironment{nullptr, nullptr, nullptr, Answers},
             DisplayEnvironment{nullptr, "", "", Answers},
             DisplayEnvironment{nullptr, ":9", nullptr, Silent},
             DisplayEnvironment{nullptr, nullptr, "wayland-0", Answers},
             DisplayEnvironment{"xcb", nullptr, nullptr, Answers},
             DisplayEnvironment{"xcb", ":9", nullptr, Silent},
         }) {
        const DisplayChoice c = ChooseDisplay(env);
        EXPECT_TRUE(c.platform.empty());
        ASSERT_FALSE(c.error.empty());
        EXPECT_EQ(c.error.find('\n'), std::string::npos);
        EXPECT_EQ(c.error.rfind("dicerollkin: ", 0), 0u) << c.error;
    }
    EXPECT_NE(ChooseDisplay({nullptr, nullptr, nullptr, Answers}).error.find("DISPLAY is not set"),
              std::string::npos);
    EXPECT_NE(ChooseDisplay({nullptr, ":9", nullptr, Silent}).error.find("\":9\""),
              std::string::npos);
}

TEST(DisplayChoice, AnUnreachableServerIsNoDisplay) {
    EXPECT_FALSE(CanConnectX11(":98765"));
}

// A socket at `name` as a crash leaves it: there, refusing connections.
void DeadSocket(const QString& name) {
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, QFile::encodeName(name).constData(),
                 sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// A run that crashed leaves its socket behind: the next start neither waits on it nor fails to
// listen, and a start after that hands over to it.
TEST(SingleStrip, ASocketLeftByACrashIsTakenOver) {
    QTemporaryDir dir;
    const QString name = dir.filePath("strip");
    // A regular file in the socket's place is the user's: left there, and said.
    QFile(name).open(QIODevice::WriteOnly);
    SingleStrip blocked(name);
    EXPECT_FALSE(blocked.HandOver() || blocked.Listen());
    EXPECT_TRUE(QFileInfo(name).isFile());
    EXPECT_TRUE(blocked.Problem().contains("is not Dice Rollkin's socket"))
        << blocked.Problem().toStdString();
    QFile::remove(name);
    DeadSocket(name);
    SingleStrip first(name);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(first.HandOver());
    EXPECT_LT(clock.elapsed(), 100);
    ASSERT_TRUE(first.Listen());
    EXPECT_EQ(QFile::permissions(name) & 0x0fff, QFile::ReadUser | QFile::WriteUser);
    QSignalSpy asked(&first, &SingleStrip::ComeForwardAsked);
    bool handedOver = false;
    const std::unique_ptr<QThread> second(
        QThread::create([&] { handedOver = SingleStrip(name).HandOver(); }));
    second->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->isFinished(); }, 5000));
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(asked.count(), 1);
    // In a folder others may enter, another user could pose as the strip: not used.
    QFile::setPermissions(dir.path(),
                          QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);
    EXPECT_FALSE(SingleStrip(name).HandOver());
    EXPECT_FALSE(SingleStrip(dir.filePath("other")).Listen());
}

}  // namespace
}  // namespace rollkin::test
