// Key events of the whole application reach the key state by virtual key.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "qt/key_filter.h"
#include "support/qt_app.h"

namespace rq {
namespace {

TEST(KeyFilter, MapsKeysWhateverTheyType) {
    struct Case {
        int qt_key;
        quint32 scan_code;
        int expected;
    } cases[] = {
        {Qt::Key_N, 0, 'N'},
        {Qt::Key_Return, 0, vk::kReturn},
        {Qt::Key_Enter, 0, vk::kReturn},
        {Qt::Key_Alt, 0, vk::kMenu},
        {Qt::Key_Space, 0, vk::kSpace},
        {Qt::Key_Left, 0, vk::kLeft},
        {Qt::Key_Comma, 0, vk::kOemComma},
        {Qt::Key_Less, 59, vk::kOemComma},  // Shift+comma on the X11 comma key
        {Qt::Key_Greater, 0, vk::kOemPeriod},
        {Qt::Key_Question, 61, vk::kOem2},
        {Qt::Key_BraceLeft, 0, vk::kOem4},
        {Qt::Key_BracketRight, 0, vk::kOem6},
        {Qt::Key_Bar, 94, vk::kOem102},
        {Qt::Key_Backslash, 97, vk::kOem102},  // the Japanese board's key left of right Shift
        {Qt::Key_Backslash, 51, vk::kOem5},
        {Qt::Key_Meta, 64, vk::kMenu},  // Alt pressed while Shift is down types Meta
        {Qt::Key_Meta, 108, vk::kMenu},
        {Qt::Key_Shift, 62, vk::kShift},
        {Qt::Key_BracketLeft, 34, vk::kOem4},
        {Qt::Key_Period, 60, vk::kOemPeriod},
        {Qt::Key_Z, 52, 'Z'},
        {Qt::Key_Right, 114, vk::kRight},
        {Qt::Key_F5, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyFilter::virtual_key(c.qt_key, c.scan_code), c.expected) << c.qt_key;
}

TEST(KeyFilter, FeedsTheKeyStateFromAnyWidget) {
    KeyState keys;
    KeyFilter filter(keys);
    qApp->installEventFilter(&filter);
    QWidget somewhere;

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&somewhere, &press);
    EXPECT_EQ(keys.query(vk::kSpace), KeyState::kHeld | KeyState::kPressedSinceQuery);

    // An auto-repeated release is not the key going up.
    QKeyEvent repeat_release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&somewhere, &repeat_release);
    EXPECT_EQ(keys.query(vk::kSpace), KeyState::kHeld);

    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&somewhere, &release);
    EXPECT_EQ(keys.query(vk::kSpace), 0);

    QKeyEvent hold(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier);
    QApplication::sendEvent(&somewhere, &hold);
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &deactivate);
    EXPECT_EQ(keys.query('M'), KeyState::kPressedSinceQuery);
    EXPECT_EQ(keys.query('M'), 0);
    qApp->removeEventFilter(&filter);
}

}  // namespace
}  // namespace rq
