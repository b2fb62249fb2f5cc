// The desktop icon: one picture at every theme size, transparent around
// its rounded body.

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

#include <gtest/gtest.h>

#include "skin/art/face_art.h"

namespace rq {
namespace {

// Mean absolute difference per channel, 0..255, of two same-sized images.
double mean_difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

TEST(IconArt, EveryThemeSizeShowsTheSamePicture) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QGuiApplication app(argc, argv);
    const QImage large = art::draw_icon(256);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = art::draw_icon(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size << ": corner outside the rounded body";
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size << ": the disc";
        // The amber lamp sits above the disc's centre at every size.
        const QRgb lamp = icon.pixel(size / 2, size * 17 / 64);
        EXPECT_GT(qRed(lamp), 2 * qBlue(lamp)) << size;
        // Scaled down, the largest is the same picture, up to smoothing.
        const QImage shrunk =
            large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        EXPECT_LT(mean_difference(icon, shrunk), 12.0) << size;
    }
    // The window's icon is the 64-pixel one.
    EXPECT_EQ(art::draw_icon(), art::draw_icon(64));
}

}  // namespace
}  // namespace rq
