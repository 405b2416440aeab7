#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include "forms/ProgramIcon.h"

namespace rollkin::test {
namespace {

// Leaves the application without an icon, whatever the test set.
struct NoApplicationIcon {
    NoApplicationIcon() { QGuiApplication::setWindowIcon(QIcon()); }
    ~NoApplicationIcon() { QGuiApplication::setWindowIcon(QIcon()); }
};

TEST(ProgramIcon, DecodesEverySizeFromItsOwnImage) {
    NoApplicationIcon none;
    const QIcon icon = ProgramIcon();
    const QList<QSize> expected = {{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                   {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(icon.availableSizes(), expected);
    for (const QSize& size : expected) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        // Drawn, not a blank placeholder: some pixel is neither transparent nor like the corner.
        bool drawn = false;
        for (int y = 0; y < size.height() && !drawn; ++y) {
            for (int x = 0; x < size.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) != 0 && image.pixel(x, y) != image.pixel(0, 0);
        }
        EXPECT_TRUE(drawn) << size.width();
    }
}

TEST(ProgramIcon, SharesTheApplicationsIconOnceSet) {
    NoApplicationIcon none;
    QGuiApplication::setWindowIcon(ProgramIcon());
    EXPECT_EQ(ProgramIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
    EXPECT_EQ(ProgramIcon().availableSizes().size(), 8);
}

}  // namespace
}  // namespace rollkin::test
