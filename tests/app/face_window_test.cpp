// The face window under the offscreen platform: keys and the window
// manager's close never end the player.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "app/face_window.h"
#include "support/player_fixture.h"
#include "support/qt_app.h"

namespace rq {
namespace {

TEST(FaceWindow, EnterEscapeAndCloseDoNotEndTheRun) {
    FaceWindow face;
    face.place({10, 20, 406, 92, ZOrder::Top, true, true});
    EXPECT_TRUE(face.isVisible());
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&face, &press);
    }
    QCloseEvent close;
    QApplication::sendEvent(&face, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(face.isVisible());
    EXPECT_EQ(face.result(), -1);
    EXPECT_EQ(face.size(), QSize(406, 92));

    face.end_dialog(1);
    EXPECT_EQ(face.result(), 1);
    EXPECT_FALSE(face.isVisible());
}

TEST(FaceWindow, TimerDrivesTheTick) {
    FaceWindow face;
    test::Player p;
    face.attach(p.pw.get());
    p.pw->init_dialog();
    ASSERT_TRUE(face.start_timer(30));
    QElapsedTimer waited;
    waited.start();
    while (p.pw->tick.tick_done_first == 0 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(p.pw->tick.tick_done_first, 1);
    face.kill_timer();
}

}  // namespace
}  // namespace rq
