#pragma once
// What the tick and the opening of a file exchange with the full-screen
// control panel.

namespace rq {

class Player;

// Timer tick step, in full screen with the panel shown: the panel's sliders
// and buttons drive the device, and the device's position moves the panel.
void exchange_with_panel(Player& p);

// Hands the panel the caption flag.
void panel_set_caption(Player& p);

// In full screen: the panel's scan-line and mask values back into the
// settings.
void read_panel_values(Player& p);

}  // namespace rq
