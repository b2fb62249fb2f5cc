#pragma once
// What the tick exchanges with the full-screen control panel.

namespace rq {

class Player;

// Timer tick step, in full screen with the panel shown: the panel's sliders
// and buttons drive the device, and the device's position moves the panel.
void exchange_with_panel(Player& p);

}  // namespace rq
