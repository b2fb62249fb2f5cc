#pragma once
// Scroll bar actions as the player names them, and the hidden up/down
// scroll bars that hold the focus so wheel turns and the Up and Down keys
// reach a window.

#include <QScrollBar>

#include "platform/popup_windows.h"

namespace rq {

// A QAbstractSlider::SliderAction; a drag of the thumb (or a wheel turn)
// is a Thumb at the slider's position.
ScrollAction scroll_action(int action);

// The action of a hidden scroll bar kept at 1 in 0..2: a thumb move reads
// by the side it went to. Resets the bar for the next one.
ScrollAction take_hidden_bar_action(QScrollBar& bar, int action);

// A hidden scroll bar at x, 0, 20 x 40, range 0..2 at 1.
void place_hidden_bar(QScrollBar& bar, int x);

}  // namespace rq
