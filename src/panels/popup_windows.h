#pragma once
// The popup windows owned by the main window. Their mailboxes live here;
// the tick reads them once per main tick.

#include "app/settings.h"

namespace rq {

// Carries the picture while not in full screen.
class VideoWindow {
  public:
    Point video_pos;        // window position, saved at shutdown
    int video_snapped = 0;  // read-and-clear: re-apply the video geometry
    bool has_window = false;

    void destroy_window() { has_window = false; }
};

// Mailbox shared in form by the two full-screen windows.
struct OverlayMailbox {
    int overlay_wheel = 0;   // read-and-clear: +1 / -1
    int overlay_middle = 0;  // read-and-clear: middle click
    int overlay_click = 0;   // read-and-clear: left click in play/pause mode
    int overlay_click_mode = 0;
};

// Covers the screen in full screen and takes the mouse there.
class FullScreenInput {
  public:
    OverlayMailbox mailbox;
    bool has_window = false;
};

// The caption strip of full screen.
class CaptionOverlay {
  public:
    OverlayMailbox mailbox;
    bool has_window = false;
};

}  // namespace rq
