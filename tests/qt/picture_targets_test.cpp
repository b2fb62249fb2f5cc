// Picture targets under the offscreen platform: frames handed over from
// another thread are painted at the destination, black around them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <memory>
#include <thread>
#include <vector>
#include "support/qt_app.h"

#include "qt/picture_targets.h"

namespace rq {
namespace {

// A w x h frame of one colour, in the engine's layout (B, G, R, unused),
// with a stride wider than the row and garbage in the unused bytes.
std::vector<uint8_t> solid_frame(int w, int h, int stride, QRgb colour) {
    std::vector<uint8_t> px(static_cast<size_t>(stride) * h, 0x33);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &px[static_cast<size_t>(y) * stride + 4 * x];
            p[0] = static_cast<uint8_t>(qBlue(colour));
            p[1] = static_cast<uint8_t>(qGreen(colour));
            p[2] = static_cast<uint8_t>(qRed(colour));
            p[3] = 0x00;
        }
    return px;
}

// Presents from a thread of its own, as the render thread does.
void present_from_thread(PictureTargets& targets, int handle, bool minimized, int w, int h,
                         QRgb colour, Rect dest) {
    const int stride = w * 4 + 64;
    std::vector<uint8_t> px = solid_frame(w, h, stride, colour);
    std::thread([&] {
        targets.present_frame(handle, minimized, px.data(), w, h, stride, dest);
    }).join();
}

void process_events() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

class PictureTargetsTest : public ::testing::Test {
  protected:
    static QRgb pixel(QWidget& w, int x, int y) {
        return w.grab().toImage().pixel(x, y) | 0xFF000000u;
    }

    PictureTargets targets_;
};

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kGreen = 0xFF00FF00u;

TEST_F(PictureTargetsTest, PaintsTheFrameAtTheDestinationWithBlackAround) {
    QWidget window;
    window.resize(400, 300);
    const int handle = targets_.add(&window);
    ASSERT_NE(handle, kDefaultTarget);
    window.show();

    present_from_thread(targets_, handle, false, 200, 100, kRed, {50, 40, 200, 100});
    process_events();
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {
        {50, 40, kRed},     {249, 139, kRed}, {150, 90, kRed},
        {49, 40, kBlack},   {50, 39, kBlack}, {250, 90, kBlack},
        {150, 140, kBlack}, {0, 0, kBlack},   {399, 299, kBlack},
    };
    for (const auto& p : probes)
        EXPECT_EQ(pixel(window, p.x, p.y), p.colour) << p.x << "," << p.y;

    // A frame of another size than the destination is scaled into it.
    present_from_thread(targets_, handle, false, 10, 10, kGreen, {0, 0, 100, 50});
    process_events();
    EXPECT_EQ(pixel(window, 99, 49), kGreen);
    EXPECT_EQ(pixel(window, 100, 50), kBlack);

    // The view follows the window's size.
    window.resize(500, 400);
    process_events();
    EXPECT_EQ(targets_.view(handle)->size(), QSize(500, 400));

    targets_.clear(handle);
    process_events();
    EXPECT_EQ(pixel(window, 50, 20), kBlack);
}

TEST_F(PictureTargetsTest, DesktopTargetCoversTheScreenBelowEverything) {
    const int handle = targets_.desktop_target();
    EXPECT_NE(handle, kDefaultTarget);
    EXPECT_EQ(targets_.desktop_target(), handle);  // one desktop
    QWidget* desktop = targets_.view(handle)->parentWidget();
    ASSERT_NE(desktop, nullptr);
    EXPECT_TRUE(desktop->isVisible());
    EXPECT_TRUE(desktop->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    EXPECT_EQ(desktop->geometry(), QGuiApplication::primaryScreen()->geometry());

    present_from_thread(targets_, handle, false, 20, 10, kRed, {30, 40, 20, 10});
    process_events();
    EXPECT_EQ(pixel(*desktop, 30, 40), kRed);
    EXPECT_EQ(pixel(*desktop, 29, 40), kBlack);

    targets_.hide_desktop_target();
    EXPECT_FALSE(desktop->isVisible());
    EXPECT_EQ(targets_.desktop_target(), handle);
    EXPECT_TRUE(desktop->isVisible());
}

TEST_F(PictureTargetsTest, OnlyTheLatestFrameOfAHandleIsPainted) {
    QWidget window;
    window.resize(100, 100);
    const int handle = targets_.add(&window);
    window.show();
    present_from_thread(targets_, handle, false, 100, 100, kRed, {0, 0, 100, 100});
    present_from_thread(targets_, handle, false, 100, 100, kGreen, {0, 0, 100, 100});
    process_events();
    EXPECT_EQ(pixel(window, 10, 10), kGreen);
}

TEST_F(PictureTargetsTest, DefaultWindowAppearsWithItsFirstFrameAndGoesOnClear) {
    EXPECT_EQ(targets_.default_window(), nullptr);
    present_from_thread(targets_, kDefaultTarget, false, 160, 120, kRed, {0, 0, 160, 120});
    process_events();
    FrameView* w = targets_.default_window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isMinimized());
    EXPECT_EQ(w->size(), QSize(160, 120));

    present_from_thread(targets_, kDefaultTarget, true, 160, 120, kRed, {0, 0, 160, 120});
    process_events();
    EXPECT_TRUE(w->isMinimized());

    targets_.clear(kDefaultTarget);
    process_events();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(PictureTargetsTest, ClearDropsAFrameStillOnItsWay) {
    // The target moved away before the GUI thread got to the frame.
    present_from_thread(targets_, kDefaultTarget, false, 160, 120, kRed, {0, 0, 160, 120});
    targets_.clear(kDefaultTarget);
    process_events();
    EXPECT_EQ(targets_.default_window(), nullptr);
}

TEST_F(PictureTargetsTest, ClosedDefaultWindowStaysClosedUntilTheNextFile) {
    present_from_thread(targets_, kDefaultTarget, false, 64, 48, kRed, {0, 0, 64, 48});
    process_events();
    FrameView* w = targets_.default_window();
    ASSERT_NE(w, nullptr);
    w->close();
    present_from_thread(targets_, kDefaultTarget, false, 64, 48, kRed, {0, 0, 64, 48});
    process_events();
    EXPECT_FALSE(w->isVisible());

    targets_.clear(kDefaultTarget);
    present_from_thread(targets_, kDefaultTarget, false, 64, 48, kRed, {0, 0, 64, 48});
    process_events();
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PictureTargetsTest, FramesForGoneOrUnknownTargetsAreDropped) {
    int handle = 0;
    {
        QWidget window;
        handle = targets_.add(&window);
    }
    EXPECT_EQ(targets_.view(handle), nullptr);
    present_from_thread(targets_, handle, false, 8, 8, kRed, {0, 0, 8, 8});
    present_from_thread(targets_, 12345, false, 8, 8, kRed, {0, 0, 8, 8});
    process_events();  // nothing to paint into, and no crash

    QWidget other;
    const int removed = targets_.add(&other);
    targets_.remove(removed);
    EXPECT_EQ(targets_.view(removed), nullptr);
    EXPECT_TRUE(other.findChildren<FrameView*>().isEmpty());
    EXPECT_NE(targets_.add(&other), removed);  // handles are not reused
}

TEST_F(PictureTargetsTest, TheViewLetsTheMouseThroughAndLiesBelowOtherChildren) {
    QWidget window;
    auto* button = new QWidget(&window);
    const int handle = targets_.add(&window);
    FrameView* v = targets_.view(handle);
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(window.children().indexOf(v), 0);
    EXPECT_GT(window.children().indexOf(button), 0);
}

}  // namespace
}  // namespace rq
