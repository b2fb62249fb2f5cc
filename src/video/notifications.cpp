#include "video/notifications.h"

#include "core/player.h"
#include "playlist/playlist_model.h"
#include "video/full_screen.h"

namespace rq {

void notify(Player& p, int code) {
    switch (static_cast<Notice>(code)) {
        case Notice::LeaveFullScreen:
            leave_full_screen(p);
            break;
        case Notice::EditorClosed:
            close_editor(p);
            break;
        case Notice::EditorFocus:
            break;
        case Notice::TogglePanel:
        default:
            toggle_panel(p);
            break;
    }
    p.host().focus_scroll_bar();
}

}  // namespace rq
