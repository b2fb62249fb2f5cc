#include "app/player_window.h"

#include <filesystem>

#include "media/device_ops.h"
#include "media/open_entry.h"
#include "platform/path_util.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"
#include "skin/skin_setup.h"
#include "video/geometry.h"
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

PlayerWindow::PlayerWindow(PlayerEnv env) : Player(std::move(env)) {
    // The full-screen windows talk to this window by notice.
    auto notice = [this](int code) { notify(*this, code); };
    windows().full_screen_input.notify = notice;
    windows().caption_overlay.notify = notice;
}

PlayerWindow::~PlayerWindow() {
    windows().full_screen_input.notify = nullptr;
    windows().caption_overlay.notify = nullptr;
    send("close movie");
    env.screen_saver.release();
}

int PlayerWindow::on_create() {
    timer_running_ = host().start_timer(kTimerPeriodMs);
    return timer_running_ ? 0 : -1;
}

void PlayerWindow::on_destroy() {
    if (timer_running_) host().kill_timer();
    timer_running_ = false;
}

void PlayerWindow::init_dialog() {
    host().set_icon();
    host().accept_drops();
    files_folder = env.files.folder.empty() ? "./" : env.files.folder;

    // Only a missing file is made: one that is there but cannot be read (a
    // FIFO, a file of another user) is neither read for ever nor replaced.
    std::error_code ec;
    namespace fs = std::filesystem;
    if (fs::status(settings_path(), ec).type() != fs::file_type::not_found)
        load_settings();
    else
        save_settings();

    host().place({settings.main_window_pos.x, settings.main_window_pos.y, main_window_width(),
                  kMainWindowHeight, ZOrder::Top, true, true});
}

void PlayerWindow::enter_last_folder() {
    const std::string& folder = settings.current_folder;
    // An empty or relative folder names nothing to enter.
    if (folder.empty() || folder.front() != '/') return;
    enter_prefixes(env.cwd, folder);
}

void PlayerWindow::request_quit() {
    tick.quit_requested = 1;
    if (tick.tick_done_first == 0) quit_before_start_ = true;
}

void PlayerWindow::first_tick_work() {
    tick.tick_done_first = 1;
    tick.quit_requested = quit_before_start_ ? 1 : 0;
    files_folder = env.files.folder.empty() ? "./" : env.files.folder;
    build_skin_surfaces(skin, files_folder, settings.background_name);

    host().place({settings.main_window_pos.x, settings.main_window_pos.y, main_window_width(),
                  kMainWindowHeight, ZOrder::NotTopMost, true, true});
    host().set_title(kWindowTitle);
    host().set_region(kFaceRegion);

    for (const std::string& entry : command_line_entries(env.args, env.cwd))
        stores.path_list.insert_at(-1, entry);
    playlist.entry_count = stores.path_list.count();
    playlist.current_entry = 0;
    if (stores.path_list.empty()) {
        stop_playback(*this);
        read_default_playlist(*this);
    }

    VideoWindow& video = windows().video_window;
    if (!video.exists()) video.create();
    video.video_pos = settings.video_window_pos;
    video.place({video.video_pos.x, video.video_pos.y, geometry.video_size.w, geometry.video_size.h,
                 ZOrder::Unchanged, true, false});

    build_shuffle_order(*this);
    if (!stores.path_list.empty()) {
        if (settings.autoplay)
            open_current_entry(*this);
        else
            stop_playback(*this);
        layout(*this);
    }

    const uint32_t volume = env.volume.get();
    env.volume.set(volume);
    input.volume_knob = volume_knob_for(volume);
    enter_last_folder();
    // The screen saver's low-power phase is the desktop's own business here.
    host().present_face();
}

}  // namespace rq
