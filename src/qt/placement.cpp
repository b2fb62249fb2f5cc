#include "qt/placement.h"

namespace rq {

void apply_placement(QWidget& w, const WindowPlacement& p) {
    const bool topmost = w.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool was_visible = w.isVisible();
    // Changing a window's flags hides it; it is shown again below.
    if (p.z == ZOrder::TopMost && !topmost) w.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (p.z == ZOrder::NotTopMost && topmost) w.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    bool empty = false;
    if (p.move) {
        empty = p.w <= 0 || p.h <= 0;
        if (!empty)
            w.setGeometry(p.x, p.y, p.w, p.h);
        else
            w.move(p.x, p.y);
    }
    if (empty) {
        w.hide();
        return;
    }
    if (p.show) {
        if (!p.activate) w.setAttribute(Qt::WA_ShowWithoutActivating, true);
        w.show();
    } else if (was_visible && !w.isVisible()) {
        // Only the flag change hid it: a placement that does not show keeps
        // the window as it was.
        w.show();
    }
    if (p.z == ZOrder::Top || p.z == ZOrder::TopMost) w.raise();
    if (p.z == ZOrder::Bottom) w.lower();
    if (p.activate && p.show) w.activateWindow();
}

}  // namespace rq
