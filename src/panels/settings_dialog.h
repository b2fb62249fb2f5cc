#pragma once
// The operation settings dialog (the CONFIG button).

namespace rq {

class Player;

// Shows the dialog over the face and applies what the user confirms.
void open_settings_dialog(Player& p);

}  // namespace rq
