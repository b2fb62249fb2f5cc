#pragma once
// Requests that input handlers leave for the next main tick, and the state
// of the transport features built from timed seeks.

#include <array>

namespace rq {

// Codes of `pending_command`, run by the tick's command pass.
enum class Command : int {
    None = 0,
    Open = 1,         // open and start the current entry
    Play = 2,         // normal speed, resume
    Pause = 3,        // normal speed, pause
    Stop = 4,         // close the device
    Previous = 5,     // previous entry (or restart the file)
    Next = 6,         // next entry
    FastReverse = 7,  // speed level -2
    FastForward = 8,  // speed level +2
    NormalSpeed = 9,  // back to normal play after a held search button
    SmallerPicture = 10,
    LargerPicture = 11,
    FileRelease = 14,    // armed by FILE; the left-button release runs it
    ConfigRelease = 15,  // armed by CONFIG
    FullRelease = 16,    // armed by FULL
    EndOfFile = 66,      // position reached the length: wait for "stopped"
};

// A-B repeat, stepped by the left button: a point is taken on the main
// tick after its press.
enum class AbState : int {
    Off = 0,
    TakeA = 1,    // A is taken on the next main tick
    AHeld = 2,    // A is set; the next press asks for B
    TakeB = 3,    // B is taken on the next main tick
    Looping = 4,  // the position is held between A and B
};

// Indexes of `button_timers`: the face button each keeps lit.
namespace button {
inline constexpr int kPlay = 0;
inline constexpr int kStillToPause = 1;  // STILL pressed while playing
inline constexpr int kStill = 2;
inline constexpr int kStop = 3;
inline constexpr int kBack = 4;
inline constexpr int kNext = 5;
inline constexpr int kSearchBack = 6;     // REW; held, it searches back
inline constexpr int kSearchForward = 7;  // FF
inline constexpr int kSmaller = 10;
inline constexpr int kLarger = 11;
inline constexpr int kJog = 12;
inline constexpr int kShuttle = 13;
inline constexpr int kFile = 14;
inline constexpr int kConfig = 15;
inline constexpr int kFull = 16;
inline constexpr int kPower = 17;
}  // namespace button

struct AbPoint {
    int ms = 0;
    int frames = 0;
};

struct TransportState {
    Command pending_command = Command::None;
    int speed_step_request = 0;   // +1 / -1 for the next main tick
    int wheel_step = 0;           // +1 / -1 from wheel and scroll input
    bool toggle_request = false;  // 1: toggle play/pause on the next main tick
    int key_lock_ticks = 0;       // main ticks during which key commands are ignored
    int key_flags = 0;            // search keys held: 1 comma, 2 Right, 4 Left, 8 period
    int previous_key_flags = 0;
    bool slow_step = false;               // 1: one frame step instead of a timed jump
    int search_rate = 0;                  // wheel mode of this search: 0 seconds, 1 30 ms units
    bool right_search = false;            // 1: search started with the right button
    bool button_search = false;           // 1: a face search button is held this tick
    int dial_mode = 0;                    // 0 none, 1 jog, 2 shuttle
    std::array<int, 20> button_timers{};  // main ticks a face button stays lit
    AbState ab_state = AbState::Off;
    AbPoint ab_point_a, ab_point_b;
    int back_restart_ticks = 0;      // a back press within this many main ticks steps back
    int keypad_number = 0;           // 0..999
    int keypad_number_ticks = 0;     // keypad_number counts while this is above 1
    int direct_jump_key = 0;         // 12 back / 13 next: jump to entry keypad_number
    bool selection_pending = false;  // 1: the current entry changed while stopped
    int track_display_ticks = 0;
    int track_display_number = 0;  // 1-based
    bool stop_request = false;     // 1: stop_playback after the command pass
    int index_back_ticks = 0;      // a second previous-mark press within this goes back further
    int remote_seek_ms = -1;       // a remote control's seek target; -1 none

    // Jog dial: 12 sectors, the knob drawn at jog_knob.
    int jog_sector = 0;  // where the pointer is, from the mouse
    int jog_start_sector = 0;
    int jog_knob = 0;
    // Shuttle ring: 32 sectors, speed -9..9, the dot faded by shuttle_alpha.
    int shuttle_sector = 0;
    int shuttle_start_sector = 0;
    int shuttle_speed = 0;
    int shuttle_alpha = 0;  // -255 and below: not drawn

    int keep_awake_calls = 0;  // full-screen main ticks since the screen saver was last held off

    // 1: Enter and Alt were both held at the last keyboard poll, so holding
    // them toggles full screen once.
    int full_screen_keys_down = 0;
};

}  // namespace rq
