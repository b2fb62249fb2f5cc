#include "platform/key_state.h"

#include <cstddef>

namespace rq {

void KeyState::press(int vk_code) {
    if (vk_code < 0 || vk_code > 255) return;
    keys_[static_cast<std::size_t>(vk_code)] = {true, true};
}

void KeyState::release(int vk_code) {
    if (vk_code < 0 || vk_code > 255) return;
    keys_[static_cast<std::size_t>(vk_code)].held = false;
}

void KeyState::release_all() {
    for (Key& k : keys_)
        k.held = false;
}

int16_t KeyState::query(int vk_code) {
    if (vk_code < 0 || vk_code > 255) return 0;
    Key& k = keys_[static_cast<std::size_t>(vk_code)];
    int16_t r = static_cast<int16_t>((k.held ? kHeld : 0) | (k.pressed ? kPressedSinceQuery : 0));
    k.pressed = false;
    return r;
}

}  // namespace rq
