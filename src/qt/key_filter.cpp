#include "qt/key_filter.h"

#include <QEvent>
#include <QKeyEvent>

namespace rq {

int KeyFilter::virtual_key(int qt_key, quint32 native_scan_code) {
    // X11 keycodes of the punctuation keys, so that Shift+comma is still
    // the comma key whatever character it types, and of Shift and Alt,
    // which type Meta when pressed together.
    switch (native_scan_code) {
        case 50:
        case 62:
            return vk::kShift;
        case 64:
        case 108:
            return vk::kMenu;
        case 59:
            return vk::kOemComma;
        case 60:
            return vk::kOemPeriod;
        case 61:
            return vk::kOem2;
        case 34:
            return vk::kOem4;
        case 35:
            return vk::kOem6;
        case 94:  // the key left of Z on 102-key boards
        case 97:  // the key left of right Shift on Japanese boards
            return vk::kOem102;
        default:
            break;
    }
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return '0' + (qt_key - Qt::Key_0);
    switch (qt_key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::kReturn;
        case Qt::Key_Shift:
            return vk::kShift;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return vk::kMenu;
        case Qt::Key_Space:
            return vk::kSpace;
        case Qt::Key_Left:
            return vk::kLeft;
        case Qt::Key_Up:
            return vk::kUp;
        case Qt::Key_Right:
            return vk::kRight;
        case Qt::Key_Down:
            return vk::kDown;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return vk::kOemComma;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return vk::kOemPeriod;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return vk::kOem2;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return vk::kOem4;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return vk::kOem6;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return vk::kOem5;
        default:
            return -1;
    }
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            int code = virtual_key(key->key(), key->nativeScanCode());
            if (code >= 0) {
                if (event->type() == QEvent::KeyPress)
                    keys_.press(code);
                else if (!key->isAutoRepeat())
                    keys_.release(code);
            }
            break;
        }
        case QEvent::ApplicationDeactivate:
            keys_.release_all();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rq
