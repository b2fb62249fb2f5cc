#pragma once
// Asynchronous key state by virtual-key code: the held bit and the
// pressed-since-the-last-query bit of every key. Fed by the window layer's
// application-wide event filter; queried by the keyboard poll.

#include <array>
#include <cstdint>

namespace rq {

// Virtual-key codes of the keys the player polls.
namespace vk {
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kA = 0x41;  // letters are their upper-case ASCII codes
inline constexpr int kOemComma = 0xBC;
inline constexpr int kOemPeriod = 0xBE;
inline constexpr int kOem2 = 0xBF;  // slash
inline constexpr int kOem4 = 0xDB;  // [
inline constexpr int kOem5 = 0xDC;  // backslash
inline constexpr int kOem6 = 0xDD;  // ]
inline constexpr int kOem102 = 0xE2;
constexpr int letter(char c) {
    return c;
}
}  // namespace vk

class KeyState {
  public:
    static constexpr int16_t kHeld = static_cast<int16_t>(0x8000);
    static constexpr int16_t kPressedSinceQuery = 0x0001;

    void press(int vk_code);
    void release(int vk_code);
    // Forgets every held key (focus left the application).
    void release_all();

    // The held bit, and the pressed-since-the-last-query bit, which the
    // query clears.
    int16_t query(int vk_code);

  private:
    struct Key {
        bool held = false;
        bool pressed = false;
    };
    std::array<Key, 256> keys_{};
};

}  // namespace rq
