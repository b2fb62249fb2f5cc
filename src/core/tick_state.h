#pragma once
// Counters and flags of the 30 ms timer tick.

namespace rq {

struct TickState {
    int tick_phase = 0;       // timer ticks since the last main tick
    int tick_divider = 5;     // 0: every tick is a main tick; 5: every fifth
    int tick_done_first = 0;  // 1 once the start-up work has run
    int quit_requested = 0;   // 1: shut down on the next main tick
    int busy = 0;             // 1 while a file opens or files are added
    int fullscreen = 0;
    int window_active = 1;       // the main window is active and not minimised
    int background_changed = 0;  // 1: reload SkinSheet on the next tick
};

// The face's own pacing and looks, kept between face passes.
struct FaceState {
    // Face passes since the last paced step; paced steps run at 5 or more,
    // so they come once per 150 ms at either tick rate.
    int pace_count = 0;
};

}  // namespace rq
