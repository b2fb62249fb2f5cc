#pragma once
// What the tick exchanges with the playlist editor while it is open.

namespace rq {

class Player;

// Timer tick step: plays the entry the editor asked for, follows a resize,
// and takes the editor's current entry and count.
void exchange_with_editor(Player& p);

// Lays the editor's controls out for its window size.
void editor_layout(Player& p);

}  // namespace rq
