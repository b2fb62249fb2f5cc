#pragma once
// What the video window and the two full-screen windows do with the mouse
// and their scroll bars, the cells the tick reads from them, and the
// caption line painted on the caption strip.

#include <string_view>

#include "platform/popup_windows.h"

namespace rq {

class Player;

// Kind 0 the wheel cell, 1 the middle-click cell, 2 the click cell, each
// read and cleared; other kinds 0.
int overlay_poll(OverlayWindow& w, int kind);
// Kind 0 sets the click mode; kind 1 puts the hidden scroll bar at x = value.
void overlay_set(OverlayWindow& w, int kind, int value);

// Mouse and scroll bar of the full-screen windows.
void overlay_left_down(FullScreenInput& w);
void overlay_left_down(CaptionOverlay& w);
void overlay_left_double_click(OverlayWindow& w);
void overlay_right_down(OverlayWindow& w);
void overlay_middle_down(OverlayWindow& w);
void overlay_scrolled(OverlayWindow& w, ScrollAction action);

// +1 for up (line, page or top), -1 for down, 0 for the rest.
int scroll_step(ScrollAction action);

// The video window was moved to `at`: near or past the left or top edge a
// coordinate reads as 0 and the move counts as snapped; the window stays
// where it is (the tick places it again).
void video_window_moved(VideoWindow& w, Point at);
// Kind 0 x, 1 y, 4 the snapped cell (read and cleared); others 0.
int video_poll(VideoWindow& w, int kind);

// Where a caption of `length` half-width cells starts on a strip, every
// cell half as wide as the strip's text is high (height - 4).
int caption_x(int length, int width, int height);
// The width of UTF-8 text in half-width cells: what its length in bytes
// was in code page 932 (ASCII and half-width katakana one, the rest two).
int caption_length(std::string_view utf8);
// Paints timed-text line `index` on the caption strip, `width` x `height`.
void caption_draw(Player& p, int index, int width, int height);

}  // namespace rq
