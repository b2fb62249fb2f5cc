// The face window under the offscreen platform: keys and the window
// manager's close never end the player.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "qt/face_window.h"
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
    face.attach(p.pw, [&] { p.life->timer_tick(); });
    p.life->init_dialog();
    ASSERT_TRUE(face.start_timer(30));
    QElapsedTimer waited;
    waited.start();
    while (p.pw->tick.tick_done_first == 0 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(p.pw->tick.tick_done_first, 1);
    face.kill_timer();
}

// Mouse events reach the player's handlers in face pixels; a drag on a part
// of the face that is no button moves the window, by hand where the window
// system cannot move it.
TEST(FaceWindow, MouseDrivesThePlayerAndDragsTheWindow) {
    FaceWindow face;
    test::Player p;
    face.attach(p.pw);
    p.life->init_dialog();
    face.place({100, 100, 406, 92, ZOrder::Top, true, true});
    const QPoint origin = face.pos();
    auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(origin + at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&face, &event);
        QApplication::processEvents();
    };
    const int mode = p.pw->settings.time_display_mode;
    // The time readout changes its mode and still moves the window (the
    // player's host here is the headless one; the face window moves as it
    // would as the host).
    mouse(QEvent::MouseButtonPress, {150, 60}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(p.pw->settings.time_display_mode, (mode + 1) % 3);
    EXPECT_EQ(p.pw->input.mouse_held, 1);
    EXPECT_EQ(p.host.system_moves, 1);
    face.start_system_move();
    mouse(QEvent::MouseMove, {180, 80}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(face.pos(), origin + QPoint(30, 20));
    mouse(QEvent::MouseButtonRelease, {180, 80}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(p.pw->input.mouse_held, 0);

    // The right button on the dial: keypad mode; the middle button: play or pause.
    mouse(QEvent::MouseButtonPress, {340, 30}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {340, 30}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(p.pw->settings.keypad_mode, 1);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_EQ(p.pw->transport.toggle_request, 1);
    QWheelEvent wheel(QPointF(200, 40), QPointF(origin + QPoint(200, 40)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&face, &wheel);
    EXPECT_EQ(p.pw->transport.wheel_step, -1);

    // A press whose release never came ends at the next move.
    mouse(QEvent::MouseButtonPress, {350, 80}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(p.pw->input.mouse_held, 1);
    mouse(QEvent::MouseMove, {350, 81}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(p.pw->input.mouse_held, 0);
}

}  // namespace
}  // namespace rq
