#include "transport/keyboard.h"

#include "core/player.h"

namespace rq {

int poll_keyboard(Player& p) {
    // The keys are polled once the keyboard commands are in; until then no
    // key is a search key.
    p.transport.key_flags = 0;
    return 0;
}

}  // namespace rq
