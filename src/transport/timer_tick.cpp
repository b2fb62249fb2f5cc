// The 30 ms tick that drives the whole player.

#include "app/player_window.h"

namespace rq {

void PlayerWindow::timer_tick() {
    if (shut_down_) return;
    tick.tick_phase += 1;
    if (tick.tick_phase >= tick.tick_divider) tick.tick_phase = 0;
    if (tick.tick_done_first == 0) first_tick_work();

    if (tick.busy == 1 || tick.tick_phase != 0) return;

    if (tick.quit_requested == 1) shutdown();
}

}  // namespace rq
