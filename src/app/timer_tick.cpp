// The 30 ms tick that drives the whole player: its steps in their order.

#include "app/player_window.h"
#include "skin/skin_setup.h"
#include "transport/editor_exchange.h"
#include "transport/face_pass.h"
#include "transport/keyboard.h"
#include "transport/panel_exchange.h"
#include "transport/remote_control.h"
#include "transport/speed.h"
#include "transport/tick_steps.h"
#include "video/full_screen.h"
#include "video/geometry.h"

namespace rq {

void PlayerWindow::timer_tick() {
    if (shut_down_) return;
    tick.tick_phase += 1;
    if (tick.tick_phase >= tick.tick_divider) tick.tick_phase = 0;
    if (tick.tick_done_first == 0) {
        first_tick_work();
    } else if (tick.background_changed) {
        tick.background_changed = 0;
        load_skin_sheet(skin, files_folder, settings.background_name);
    }
    poll_keyboard(*this);
    if (tick.busy == 1 || tick.tick_phase != 0) return;
    main_tick();
}

void PlayerWindow::main_tick() {
    read_full_screen_input(*this);
    take_wheel_step(*this);
    apply_toggle_request(*this);
    apply_speed_step(*this);
    apply_remote_seek(*this);
    poll_position(*this);
    if (tick.fullscreen == 1 && geometry.panel_shown == 1) exchange_with_panel(*this);
    exchange_with_editor(*this);
    count_down(*this);
    if (tick.fullscreen == 0 || geometry.panel_shown == 1)
        face_pass(*this);
    else
        full_screen_pass(*this);
    apply_video_snap(*this);
    if (tick.quit_requested == 1) shutdown();
}

}  // namespace rq
