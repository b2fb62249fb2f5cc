// The orderly end of a run.

#include <cerrno>
#include <cstdio>

#include "app/player_window.h"
#include "media/device_ops.h"
#include "platform/path_util.h"
#include "playlist/list_file.h"

namespace rq {

void PlayerWindow::save_files() {
    // Before the first tick the default list was never read: writing the
    // empty list would lose it.
    if (tick.tick_done_first) {
        const std::string list = default_playlist_path();
        const bool saved = write_list_file(list, stores.path_list);
        unsaved.note(list, saved, errno);
    }
    settings.video_window_pos = windows().video_window.video_pos;
    save_settings();
    for (const auto& [path, reason] : unsaved.reasons)
        std::fprintf(stderr, "rq810z: could not save %s: %s\n", path.c_str(),
                     file_error_text(reason).c_str());
}

void PlayerWindow::shutdown() {
    if (shut_down_) return;
    shut_down_ = true;
    stop_playback(*this);
    save_files();
    playlist.shuffle_order.clear();
    ChildWindows& w = windows();
    w.video_window.destroy();
    skin.face_buffer.release();
    skin.skin_sheet.release();
    skin.text_canvas.release();
    for (PopupWindow* child :
         {static_cast<PopupWindow*>(&w.editor), static_cast<PopupWindow*>(&w.control_panel),
          static_cast<PopupWindow*>(&w.caption_overlay),
          static_cast<PopupWindow*>(&w.full_screen_input)})
        child->destroy();
    w.desktop.hide();
    env.screen_saver.release();
    on_destroy();
    host().end_dialog(1);
}

}  // namespace rq
