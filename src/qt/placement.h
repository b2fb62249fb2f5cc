#pragma once
// A WindowPlacement carried out on a Qt top-level window.

#include <QWidget>

#include "platform/window_host.h"

namespace rq {

// Moves, sizes, orders and shows `w` as `p` says. A window of no width or
// height cannot be shown on this window system: it is hidden instead.
void apply_placement(QWidget& w, const WindowPlacement& p);

}  // namespace rq
