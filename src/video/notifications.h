#pragma once
// What the child windows tell the main window, by code.

namespace rq {

class Player;

enum class Notice : int {
    TogglePanel = 1,      // a full-screen window asks for the control panel (any unknown code too)
    LeaveFullScreen = 5,  // a right click in full screen
    EditorClosed = 20,    // the playlist editor was closed
    EditorFocus = 21,     // the editor gives the keyboard back
};

// Carries out a notice, then parks the focus on the hidden scroll bar.
void notify(Player& p, int code);

}  // namespace rq
