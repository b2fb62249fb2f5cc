// The orderly end of a run.

#include "app/player_window.h"
#include "media/device_ops.h"
#include "playlist/list_file.h"

namespace rq {

void PlayerWindow::shutdown() {
    if (shut_down_) return;
    shut_down_ = true;
    stop_playback(*this);
    write_list_file(default_playlist_path(), stores.path_list);
    settings.video_window_pos = video_window->video_pos;
    save_settings();
    playlist.shuffle_order.clear();
    video_window->destroy_window();
    skin.face_buffer.release();
    skin.skin_sheet.release();
    skin.text_canvas.release();
    on_destroy();
    host.end_dialog(1);
}

}  // namespace rq
