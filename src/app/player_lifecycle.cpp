#include "app/player_lifecycle.h"

#include <filesystem>

#include "media/device_ops.h"
#include "media/open_entry.h"
#include "platform/path_util.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"
#include "skin/skin_setup.h"
#include "video/layout.h"
#include "video/notifications.h"

namespace rq {

namespace {

// The face's outline: the strip, then the narrower rows of its feet.
const std::vector<Rect> kFaceRegion{
    {0, 0, 406, 88}, {22, 88, 362, 2}, {22, 90, 65, 3}, {319, 90, 65, 3}};

// The command line's entries. A file manager hands over several files as
// several arguments, and a name with blanks typed without quotes arrives
// split the same way: the arguments are an entry each only when each names
// an existing file, else they are joined with blanks into one. A relative
// name is taken in the folder the player was started from.
std::vector<std::string> command_line_entries(const std::vector<std::string>& args,
                                              const WorkingDirectory& cwd) {
    auto absolute = [&](const std::string& name) {
        return name.empty() || name.front() == '/' ? name : cwd.resolve(name);
    };
    std::vector<std::string> each;
    for (const std::string& a : args) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(absolute(a), error)) break;
        each.push_back(absolute(a));
    }
    if (args.size() > 1 && each.size() == args.size()) return each;
    std::string joined;
    for (const std::string& a : args)
        joined += " " + a;
    if (joined.empty()) return {};
    return {absolute(joined.substr(1))};
}

}  // namespace

PlayerLifecycle::PlayerLifecycle(PlayerEnv env) : player_(std::move(env)) {
    // The full-screen windows talk to the face by notice.
    auto notice = [this](int code) { notify(player_, code); };
    player_.windows().full_screen_input.notify = notice;
    player_.windows().caption_overlay.notify = notice;
}

PlayerLifecycle::~PlayerLifecycle() {
    player_.windows().full_screen_input.notify = nullptr;
    player_.windows().caption_overlay.notify = nullptr;
    player_.send("close movie");
    player_.env.screen_saver.release();
}

int PlayerLifecycle::on_create() {
    timer_running_ = player_.host().start_timer(kTimerPeriodMs);
    return timer_running_ ? 0 : -1;
}

void PlayerLifecycle::on_destroy() {
    if (timer_running_) player_.host().kill_timer();
    timer_running_ = false;
}

void PlayerLifecycle::init_dialog() {
    player_.host().set_icon();
    player_.host().accept_drops();
    player_.files_folder = player_.env.files.folder.empty() ? "./" : player_.env.files.folder;

    // Only a missing file is made: one that is there but cannot be read (a
    // FIFO, a file of another user) is neither read for ever nor replaced.
    std::error_code ec;
    namespace fs = std::filesystem;
    if (fs::status(player_.settings_path(), ec).type() != fs::file_type::not_found)
        load_settings();
    else
        save_settings();

    player_.host().place({player_.settings.main_window_pos.x, player_.settings.main_window_pos.y,
                          player_.main_window_width(), kMainWindowHeight, ZOrder::Top, true, true});
}

void PlayerLifecycle::enter_last_folder() {
    const std::string& folder = player_.settings.current_folder;
    // An empty or relative folder names nothing to enter.
    if (folder.empty() || folder.front() != '/') return;
    enter_prefixes(player_.env.cwd, folder);
}

void PlayerLifecycle::request_quit() {
    player_.tick.quit_requested = 1;
    if (player_.tick.tick_done_first == 0) quit_before_start_ = true;
}

void PlayerLifecycle::first_tick_work() {
    player_.tick.tick_done_first = 1;
    player_.tick.quit_requested = quit_before_start_ ? 1 : 0;
    player_.files_folder = player_.env.files.folder.empty() ? "./" : player_.env.files.folder;
    build_skin_surfaces(player_.skin, player_.files_folder, player_.settings.background_name);

    player_.host().place({player_.settings.main_window_pos.x, player_.settings.main_window_pos.y,
                          player_.main_window_width(), kMainWindowHeight, ZOrder::NotTopMost, true,
                          true});
    player_.host().set_title(kWindowTitle);
    player_.host().set_region(kFaceRegion);

    for (const std::string& entry : command_line_entries(player_.env.args, player_.env.cwd))
        player_.stores.path_list.insert_at(-1, entry);
    player_.playlist.entry_count = player_.stores.path_list.count();
    player_.playlist.current_entry = 0;
    if (player_.stores.path_list.empty()) {
        stop_playback(player_);
        read_default_playlist(player_);
    }

    VideoWindow& video = player_.windows().video_window;
    if (!video.exists()) video.create();
    video.video_pos = player_.settings.video_window_pos;
    video.place({video.video_pos.x, video.video_pos.y, player_.geometry.video_size.w,
                 player_.geometry.video_size.h, ZOrder::Unchanged, true, false});

    build_shuffle_order(player_);
    if (!player_.stores.path_list.empty()) {
        if (player_.settings.autoplay)
            open_current_entry(player_);
        else
            stop_playback(player_);
        layout(player_);
    }

    const uint32_t volume = player_.env.volume.get();
    player_.env.volume.set(volume);
    player_.input.volume_knob = volume_knob_for(volume);
    enter_last_folder();
    // The screen saver's low-power phase is the desktop's own business here.
    player_.host().present_face();
}

}  // namespace rq
