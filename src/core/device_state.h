#pragma once
// State of the one playback device, alias "movie".

#include <array>

namespace rq {

struct DeviceState {
    bool stopped = false;         // 1: no file open on the device
    bool paused = false;          // 1: the open file is paused
    int position = 0;             // last position read, or the next seek target (current unit)
    int speed_index = 0;          // -9..9: negative rewinds, positive forwards, 0 normal play
    int prefer_milliseconds = 1;  // the user's time unit: 1 milliseconds, 0 frames
    int length_ms = 0;
    int length_frames = 0;  // equal to length_ms for a file without frames
};

// Step multipliers of the search levels, index 0..9.
inline constexpr std::array<int, 10> speed_table{0, 1, 2, 3, 5, 7, 10, 13, 16, 20};

}  // namespace rq
