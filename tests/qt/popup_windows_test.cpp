// The Qt forms of the popup windows under the offscreen platform: mouse,
// wheel and keys become cells and notices, a notice may end the window it
// came from, the panel's controls reach its mailbox (and only the user's
// actions do), and the caption is painted where it was asked.
#include "qt/child_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <vector>

#include "panels/control_panel.h"
#include "support/qt_app.h"

namespace rq {
namespace {

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button) {
    QMouseEvent e(type, QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), button, button,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void wheel(QWidget* w, int dy) {
    QWheelEvent e(QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, dy),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

TEST(QtOverlay, MouseWheelAndKeysBecomeCellsAndNotices) {
    PictureTargets targets;
    QtFullScreenInput input(targets);
    std::vector<int> notices;
    input.notify = [&](int code) { notices.push_back(code); };
    input.create();
    QWidget* w = input.popup.widget();
    ASSERT_NE(input.handle(), 0);

    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_EQ(notices, std::vector<int>{1});  // click mode 0: the click, not the double click
    input.mailbox.overlay_click_mode = 1;
    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(input.mailbox.overlay_click, 1);
    mouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonPress, Qt::MiddleButton);
    EXPECT_EQ(input.mailbox.overlay_middle, 1);
    EXPECT_EQ(notices, (std::vector<int>{1, 1}));

    wheel(w, -120);
    EXPECT_EQ(input.mailbox.overlay_wheel, -1);
    input.move_scroll_bar(1025);
    auto* bar = w->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(1025, 0, 20, 40));
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(bar, &up);
    EXPECT_EQ(input.mailbox.overlay_wheel, 1);
    EXPECT_EQ(bar->value(), 1);

    // A right click leaves full screen, which ends this very window.
    input.notify = [&](int code) {
        notices.push_back(code);
        input.destroy();
    };
    mouse(w, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(notices.back(), 5);
    EXPECT_FALSE(input.exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtPanel, ControlsReachTheMailboxAndShownValuesDoNot) {
    QtControlPanel panel;
    panel.create();
    panel_set(panel, 3, 1024);
    panel_set(panel, 0, 20040);
    QWidget* w = panel.popup.widget();
    const QList<QScrollBar*> sliders = w->findChildren<QScrollBar*>();
    ASSERT_EQ(sliders.size(), 2);
    QScrollBar* seek = sliders[0]->geometry().x() == 10 ? sliders[0] : sliders[1];
    QScrollBar* volume = seek == sliders[0] ? sliders[1] : sliders[0];
    EXPECT_EQ(seek->geometry(), QRect(10, 45, 824, 12));
    EXPECT_EQ(volume->geometry(), QRect(849, 45, 150, 12));

    // The tick moves the sliders: no event may come of it.
    panel_set(panel, 1, 10020);
    panel_set(panel, 2, 100);
    EXPECT_EQ(seek->value(), 1024);
    EXPECT_EQ(volume->value(), 808);
    EXPECT_EQ(panel_poll(panel, 0), 0);
    EXPECT_EQ(panel_poll(panel, 2), 0);

    panel.seek_slider = 2046;
    panel.show_values();
    seek->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(seek->value(), 2048);
    EXPECT_EQ(panel_poll(panel, 0), 1);
    EXPECT_EQ(panel_poll(panel, 1), 20040);
    volume->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(panel_poll(panel, 2), 2);
    EXPECT_EQ(panel_poll(panel, 3), 255);

    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == "NEXT") b->click();
    EXPECT_EQ(panel_poll(panel, 4), 3);
    EXPECT_EQ(panel_poll(panel, 5), 2);
    w->findChild<QCheckBox*>()->click();
    EXPECT_EQ(panel.caption, 1);
    panel_set_caption(panel, 0);
    EXPECT_FALSE(w->findChild<QCheckBox*>()->isChecked());
    panel.destroy();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtCaption, PaintsWhiteTextFromItsStartAndShowsOnlyWithAShape) {
    QtCaptionOverlay caption;
    caption.create();
    caption.place({0, -20, 400, 320, ZOrder::TopMost, true, false});
    EXPECT_FALSE(caption.visible());  // no shape yet
    caption.set_region({{0, 290, 400, 1}, {0, 291, 400, 1}});
    EXPECT_TRUE(caption.visible());
    caption.caption_move({0, 284, 400, 36});
    caption.draw_caption("MMMM", 100, 400, 36, 32);
    QImage shot = caption.strip()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(400, 36));
    int left = -1, right = -1, top = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200) {
                if (left < 0 || x < left) left = x;
                if (x > right) right = x;
                if (top < 0 || y < top) top = y;
            } else {
                ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x << "," << y;
            }
        }
    // Four half-width cells of 16 pixels from x 100, below the 3-pixel margin.
    EXPECT_GE(left, 100);
    EXPECT_LE(left, 104);
    EXPECT_GT(right, 140);
    EXPECT_LE(right, 164);
    EXPECT_GE(top, 3);
    EXPECT_EQ(shot.pixel(50, 20) & 0xFFFFFFu, 0u);
    caption.destroy();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace rq
