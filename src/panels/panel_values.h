#pragma once
// The settings the full-screen control panel keeps while it is shown.

namespace rq {

class Player;

// Hands the panel the caption flag.
void panel_set_caption(Player& p);

// In full screen: the panel's scan-line and mask values back into the
// settings.
void read_panel_values(Player& p);

}  // namespace rq
