#include "playlist/index_marks.h"

#include <algorithm>

#include "core/player.h"
#include "platform/mci_channel.h"

namespace rq {

namespace {

int mark_time(const Player& p, int row) {
    return parse_int(p.stores.index_marks.text(row));
}

void neighbours(Player& p) {
    IndexMarkState& m = p.marks;
    const int n = p.stores.index_marks.count();
    m.index_count_before = std::clamp(m.index_count_before, 0, n);
    const int k = m.index_count_before;
    if (n == 0) {
        m.previous_mark_time = 0;
        m.next_mark_time = p.device.length_ms + 1;
    } else if (k < n) {
        m.previous_mark_time = k > 0 ? mark_time(p, k - 1) : 0;
        m.next_mark_time = mark_time(p, k);
    } else {
        m.previous_mark_time = mark_time(p, n - 1);
        m.next_mark_time = p.device.length_ms + 1;
    }
}

}  // namespace

void index_mark_step(Player& p, MarkOp op) {
    switch (op) {
        case MarkOp::Neighbours:
            neighbours(p);
            break;
        default:
            // Adding, deleting and moving between marks come with the keypad.
            break;
    }
}

}  // namespace rq
