#include "app/player_window.h"

#include <unistd.h>

#include <fstream>

#include "platform/path_util.h"
#include "skin/skin_setup.h"

namespace rq {

PlayerWindow::PlayerWindow(PlayerEnv env)
    : mci(env.mci),
      host(env.host),
      volume(env.volume),
      keys(env.keys),
      args(std::move(env.args)),
      program_path(std::move(env.program_path)),
      // The children's windows come later, on demand; the objects exist now.
      full_screen_input(std::make_unique<FullScreenInput>()),
      video_window(std::make_unique<VideoWindow>()),
      caption_overlay(std::make_unique<CaptionOverlay>()),
      control_panel(std::make_unique<ControlPanel>()),
      playlist_editor(std::make_unique<PlaylistEditor>()) {}

PlayerWindow::~PlayerWindow() {
    send("close movie");
}

int PlayerWindow::on_create() {
    timer_running = host.start_timer(kTimerPeriodMs);
    return timer_running ? 0 : -1;
}

void PlayerWindow::on_destroy() {
    if (timer_running) host.kill_timer();
    timer_running = false;
}

void PlayerWindow::init_dialog() {
    host.set_icon();
    host.accept_drops();
    program_folder = folder_of(program_path);
    if (program_folder.empty()) program_folder = "./";

    if (std::ifstream(settings_path()).is_open())
        load_settings();
    else
        save_settings();

    host.place({settings.main_window_pos.x, settings.main_window_pos.y, main_window_width(),
                kMainWindowHeight, ZOrder::Top, true, true});
}

void PlayerWindow::enter_last_folder() {
    const std::string& folder = settings.current_folder;
    // An empty or relative folder names nothing to enter.
    if (folder.empty() || folder.front() != '/') return;
    enter_prefixes(folder);
}

void PlayerWindow::first_tick_work() {
    tick.tick_done_first = 1;
    tick.quit_requested = 0;
    build_skin_surfaces(skin, program_folder, settings.background_name);
    host.place({settings.main_window_pos.x, settings.main_window_pos.y, main_window_width(),
                kMainWindowHeight, ZOrder::NotTopMost, true, true});
    host.set_title(kWindowTitle);
    host.present_face();
    enter_last_folder();
}

}  // namespace rq
