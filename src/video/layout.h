#pragma once
// Where the windows stand and where the device draws the picture.

#include "platform/geometry.h"

namespace rq {

class Player;

inline constexpr int kTitleBarOffset = 20;   // full-screen windows start this far above the screen
inline constexpr int kInputExtraWidth = 50;  // room for the input window's hidden scroll bar
inline constexpr int kPanelHeight = 72;      // the control panel in full screen

// The picture's size in a windowed size mode: -1 none, 0 half, 1 native,
// 2 double, 3 the screen less two rows. The mode is kept within -1..3.
Size windowed_video_size(int& video_size_mode, Size native, Size screen);
// The zoom shown on the face for a windowed size mode.
int zoom_percent_for(int video_size_mode);

// The full-screen destination: fit mode 4 keeps the aspect ratio (the
// scale in single precision, as the picture has always been placed), 5
// stretches. A mode above 4 becomes 5, any other 4.
Rect full_screen_destination(Size native, Size screen, int& fullscreen_fit_mode);

// "window movie handle %d" and "put movie destination at %d %d %d %d".
void send_target(Player& p, int handle);
void send_destination(Player& p, const Rect& r);

// Places the video window (or the full-screen windows) for the current
// mode and tells the device where to draw.
void layout(Player& p);

// Tick step: the video window was moved to a snapped place; place it again.
void apply_video_snap(Player& p);

// Face pass step: back from being minimised with the face's buttons.
void restore_after_minimise(Player& p);

}  // namespace rq
