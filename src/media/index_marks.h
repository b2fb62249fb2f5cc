#pragma once
// The index marks of the open file: positions in milliseconds the user
// bookmarked, and the cursor that follows playback between them.

namespace rq {

class Player;

// The operations of index_mark_step, by their numbers.
enum class MarkOp : int {
    Locate = 0,      // count the marks before the position
    Add = 1,         // a mark at the position
    Delete = 2,      // the mark before the cursor
    NextBy = 3,      // forward by the typed number (or to it, right button)
    PreviousBy = 4,  // back by the typed number (or to it, right button)
    Neighbours = 5,  // the mark times on both sides of the cursor
    Next = 6,
    Previous = 7,
};

void index_mark_step(Player& p, MarkOp op);

}  // namespace rq
