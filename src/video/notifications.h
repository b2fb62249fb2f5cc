#pragma once
// What the main window does with the notices of its child windows.

#include "platform/popup_windows.h"

namespace rq {

class Player;

// Carries out a notice, then parks the focus on the hidden scroll bar.
void notify(Player& p, int code);

}  // namespace rq
