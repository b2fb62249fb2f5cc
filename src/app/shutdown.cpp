// The orderly end of a run.

#include <cerrno>
#include <cstdio>

#include "app/player_lifecycle.h"
#include "media/device_ops.h"
#include "platform/path_util.h"
#include "playlist/list_file.h"

namespace rq {

void PlayerLifecycle::save_files() {
    // Before the first player_.tick the default list was never read: writing the
    // empty list would lose it.
    if (player_.tick.tick_done_first) {
        const std::string list = player_.default_playlist_path();
        const bool saved = write_list_file(list, player_.stores.path_list);
        player_.unsaved.note(list, saved, errno);
    }
    player_.settings.video_window_pos = player_.windows().video_window.video_pos;
    save_settings();
    for (const auto& [path, reason] : player_.unsaved.reasons)
        std::fprintf(stderr, "rq810z: could not save %s: %s\n", path.c_str(),
                     file_error_text(reason).c_str());
}

void PlayerLifecycle::shutdown() {
    if (shut_down_) return;
    shut_down_ = true;
    stop_playback(player_);
    save_files();
    player_.playlist.shuffle_order.clear();
    ChildWindows& w = player_.windows();
    w.video_window.destroy();
    player_.skin.face_buffer.release();
    player_.skin.skin_sheet.release();
    player_.skin.text_canvas.release();
    for (PopupWindow* child :
         {static_cast<PopupWindow*>(&w.editor), static_cast<PopupWindow*>(&w.control_panel),
          static_cast<PopupWindow*>(&w.caption_overlay),
          static_cast<PopupWindow*>(&w.full_screen_input)})
        child->destroy();
    w.desktop.hide();
    player_.env.screen_saver.release();
    on_destroy();
    player_.host().end_dialog(1);
}

}  // namespace rq
