#pragma once
// Full screen: the input window over the screen, the caption strip and the
// panel that slides in.

namespace rq {

class Player;

// Timer tick step: wheel turns and clicks the full-screen windows left in
// their request cells become speed and toggle requests.
void read_full_screen_input(Player& p);

// After a toggle in full screen: the panel across the bottom of the screen,
// or the caption strip over it.
void place_full_screen_popups(Player& p);

// The caption strip's height on a screen `screen_height` pixels high.
int caption_strip_height(int screen_height);

// Destroys the caption overlay when it exists, else creates and shapes it.
void toggle_caption_overlay(Player& p);

// Into full screen (the FULL button, Enter with Alt) and back (a right
// click in full screen, Enter with Alt).
void enter_full_screen(Player& p);
void leave_full_screen(Player& p);

// Shows or hides the control panel in full screen.
void toggle_panel(Player& p);

}  // namespace rq
