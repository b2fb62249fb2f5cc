#pragma once
// Counters and flags of the 30 ms timer tick, and what the face keeps
// between its passes.

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "skin/blit_list.h"

namespace rq {

struct TickState {
    int tick_phase = 0;            // timer ticks since the last main tick
    int tick_divider = 5;          // 0: every tick is a main tick; 5: every fifth
    bool tick_done_first = false;  // 1 once the start-up work has run
    bool quit_requested = false;   // 1: shut down on the next main tick
    bool busy = false;             // 1 while a file opens or files are added
    bool fullscreen = false;
    bool window_active = true;        // the main window is active and not minimised
    bool background_changed = false;  // 1: reload SkinSheet on the next tick
};

// The face's own pacing and looks, kept between face passes.
struct FaceState {
    // Face passes since the last paced step; paced steps run at 5 or more,
    // so they come once per 150 ms at either tick rate.
    int pace_count = 0;

    // The badge: dragged off its home with the mouse, it falls off the face
    // and is gone for good (settings.badge_gone).
    bool badge_drag = false;  // 1 while the left button drags it
    Point badge_offset;       // pixels from home
    int badge_falling = 0;    // 0 resting, else the step of its fall, 1..20

    bool counter_shows_zoom = false;  // 1: a click switched the counter field to the zoom value
    // Bias of the seek knob faded over the title field: 5 while the pointer
    // is over the field, else falling by 7 a pass to -255 (invisible).
    int seek_knob_bias = -255;

    // What the title field's staged strip was made from: the canvas bytes,
    // their margin and the surfaces' loads. While they stay, the staged
    // strip is shown as it stands.
    std::vector<uint8_t> staged_title;
    int staged_title_margin = -1;
    int staged_sheet_loads = -1;
    int staged_face_loads = -1;

    // This pass's blits; they run only when the face would change.
    BlitList blits;
    bool drawn = false;  // 1: this pass's blits ran

    // The visible 407 x 93 bytes as last presented: an unchanged face is
    // not presented again.
    std::vector<uint8_t> presented;
};

}  // namespace rq
