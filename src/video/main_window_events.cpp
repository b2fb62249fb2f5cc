#include "video/main_window_events.h"

#include "core/player.h"
#include "panels/popup_input.h"
#include "platform/key_state.h"
#include "video/layout.h"

namespace rq {

void main_window_moved(Player& p, Point at) {
    const Point snapped{snap_coordinate(at.x), snap_coordinate(at.y)};
    p.settings.main_window_pos = snapped;
    if (snapped == at) return;
    const ZOrder z = p.settings.always_on_top == 1 ? ZOrder::TopMost : ZOrder::NotTopMost;
    p.host().place(
        {snapped.x, snapped.y, p.main_window_width(), kMainWindowHeight, z, true, false});
}

void main_window_scrolled(Player& p, ScrollAction action) {
    const int step = scroll_step(action);
    if (step != 0) p.transport.wheel_step = step;
}

void application_activated(Player& p, bool active) {
    // Reading a key forgets a press made while the player was away.
    (void)p.env.keys.query(vk::kDown);
    if (p.tick.busy == 0) {
        if (active) {
            p.tick.window_active = p.host().minimized() ? 0 : 1;
            if (p.geometry.minimised_by == 2 || p.geometry.minimised_by == 3)
                p.geometry.relayout_pending = 1;
        } else {
            p.tick.window_active = 0;
        }
        p.transport.wheel_step = 0;
    }
    p.transport.key_flags = 0;
}

}  // namespace rq
