#pragma once
// What the player knows about the file that is open.

#include <array>
#include <string>

#include "app/settings.h"

namespace rq {

struct MediaState {
    std::string current_path;       // full path of the current entry
    std::string current_extension;  // with its dot, lower case
    long long current_file_size = 0;
    int audio_info_valid = 0;                 // 1 for ".mp3" and ".rmp"
    std::array<int, 3> bitrate_digits{};      // kbit/s: hundreds, tens, units
    std::array<int, 2> sample_rate_digits{};  // kHz: tens, units
    Point dest_origin{0, 0};
    Size native_size{320, 240};
    int title_scroll = 0;
};

}  // namespace rq
