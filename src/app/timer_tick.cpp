// The 30 ms tick that drives the whole player: its steps in their order.

#include "app/player_lifecycle.h"
#include "skin/skin_setup.h"
#include "transport/editor_exchange.h"
#include "transport/face_pass.h"
#include "transport/keyboard.h"
#include "transport/panel_exchange.h"
#include "transport/remote_control.h"
#include "transport/speed.h"
#include "transport/tick_steps.h"
#include "video/full_screen.h"
#include "video/layout.h"

namespace rq {

void PlayerLifecycle::timer_tick() {
    if (shut_down_) return;
    player_.tick.tick_phase += 1;
    if (player_.tick.tick_phase >= player_.tick.tick_divider) player_.tick.tick_phase = 0;
    if (player_.tick.tick_done_first == 0) {
        first_tick_work();
    } else if (player_.tick.background_changed) {
        player_.tick.background_changed = 0;
        load_skin_sheet(player_.skin, player_.files_folder, player_.settings.background_name);
    }
    poll_keyboard(player_);
    if (player_.tick.busy == 1 || player_.tick.tick_phase != 0) return;
    main_tick();
}

void PlayerLifecycle::main_tick() {
    read_full_screen_input(player_);
    take_wheel_step(player_);
    apply_toggle_request(player_);
    apply_speed_step(player_);
    apply_remote_seek(player_);
    poll_position(player_);
    if (player_.tick.fullscreen == 1 && player_.geometry.panel_shown == 1)
        exchange_with_panel(player_);
    exchange_with_editor(player_);
    count_down(player_);
    if (player_.tick.fullscreen == 0 || player_.geometry.panel_shown == 1)
        face_pass(player_);
    else
        full_screen_pass(player_);
    apply_video_snap(player_);
    if (player_.tick.quit_requested == 1) shutdown();
}

}  // namespace rq
