#include <gtest/gtest.h>

#include <QPaintEvent>

#include "app/player_lifecycle.h"
#include "platform/sim_engine.h"
#include "qt/face_window.h"
#include "skin/skin_setup.h"
#include "support/headless_env.h"
#include "support/qt_app.h"
#include "support/skin_fixture.h"
#include "support/temp_dir.h"

namespace rq::test {
namespace {

class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST(FaceWindow, PaintsTheTopLeftOfFaceBuffer) {
    TempDir dir;
    SimEngine engine;
    VirtualWorkingDirectory cwd;
    MciChannel mci(engine, cwd);
    WaveOutVolume volume(&engine, {});
    HeadlessServices services;
    FaceWindow face;
    {
        PlayerLifecycle life(
            services.env(mci, volume, cwd, dir.path(), {}, nullptr, nullptr, &face));
        rq::Player& player = life.player();
        face.attach(&player);
        build_skin_surfaces(player.skin, dir.path(), "");
        ASSERT_TRUE(player.skin.face_buffer.bottom_up());
        set_pixel(player.skin.face_buffer, 0, 0, {0, 0, 255});
        set_pixel(player.skin.face_buffer, 406, 92, {0, 255, 0});
        set_pixel(player.skin.face_buffer, 100, 50, {255, 0, 0});

        face.setGeometry(0, 0, 407, 93);
        PaintCounter counter;
        face.installEventFilter(&counter);
        face.show();
        QApplication::processEvents();
        const int before = counter.paints;
        face.present_face();
        QApplication::processEvents();
        EXPECT_GT(counter.paints, before);

        const QImage shot = face.grab().toImage();
        EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
        EXPECT_EQ(shot.pixelColor(406, 92), QColor(0, 255, 0));
        EXPECT_EQ(shot.pixelColor(100, 50), QColor(0, 0, 255));
        // Elsewhere the built-in face.
        const Bgr c = pixel(player.skin.face_buffer, 300, 30);
        EXPECT_EQ(shot.pixelColor(300, 30), QColor(c.r, c.g, c.b));
        face.removeEventFilter(&counter);
        face.attach(nullptr);
    }
    // Without a player the window is black.
    const QImage blank = face.grab().toImage();
    EXPECT_EQ(blank.pixelColor(10, 10), QColor(0, 0, 0));
}

}  // namespace
}  // namespace rq::test
