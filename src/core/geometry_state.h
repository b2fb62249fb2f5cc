#pragma once
// Where the windows stand and how the picture is placed.

#include "platform/geometry.h"

namespace rq {

struct GeometryState {
    int width_term = 50;  // the main window is 356 + width_term + extra_width wide
    int extra_width = 0;
    int zoom_percent = 0;           // 0, 50, 100 or 200: the windowed picture size
    int zoom_display_ticks = 0;     // paced steps the zoom value stays on the face
    Size video_size{320, 240};      // the picture size given to the device
    Size screen_size;               // read on entering full screen and in desktop mode
    bool panel_shown = false;       // 1 while the control panel shows in full screen
    int minimised_by = 0;           // 0 no, 1 left button, 2 right button, 3 after its first layout
    bool relayout_pending = false;  // 1: the activation asked for a layout in state 3
    int overlay_settle = 0;         // main ticks until the caption strip is placed after entering
    bool cursor_hidden = false;     // 1 while full screen holds one hide of the cursor
};

}  // namespace rq
