#pragma once
// What the main window does when it is moved, when its hidden scroll bar
// scrolls, and when the application gains or loses the activation.

#include "platform/geometry.h"
#include "platform/popup_windows.h"

namespace rq {

class Player;

// Keeps the position for the settings; near the left or top screen edge
// the window is put on the edge.
void main_window_moved(Player& p, Point at);

// Wheel turns and the Up and Down keys reach the hidden scroll bar: up
// asks for +1, down for -1 (the tick turns it into a speed step).
void main_window_scrolled(Player& p, ScrollAction action);

// The application became active (or inactive).
void application_activated(Player& p, bool active);

}  // namespace rq
