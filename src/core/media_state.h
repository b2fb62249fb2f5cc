#pragma once
// What the player knows about the file that is open.

#include <array>
#include <string>

#include "platform/geometry.h"

namespace rq {

struct MediaState {
    std::string current_path;                 // full path of the current entry
    std::string current_extension;            // with its dot, lower case
    std::string tag_title;                    // UTF-8, from the ID3 tag; "" without one
    std::string tag_artist;                   // UTF-8, from the ID3 tag
    long long current_file_size = 0;          // bytes; part of the index file names
    bool audio_info_valid = false;            // 1 for ".mp3" and ".rmp"
    std::array<int, 3> bitrate_digits{};      // kbit/s: hundreds, tens, units
    std::array<int, 2> sample_rate_digits{};  // kHz: tens, units
    Point dest_origin{0, 0};                  // picture origin as the device reported it
    Size native_size{320, 240};               // picture size before any placement
    // Text canvas lines of the open file, measured in pixels.
    int file_line_width = 0;       // strip 20: name and length
    int title_line_width = 0;      // strip 40: title and artist, or the file line
    int title_field_width = 0;     // strip 80: the same line, smaller, for the title field
    int title_scroll = 0;          // pixels; every open sets -141
    int title_scroll_started = 0;  // 0 until the first paced step after an open
};

}  // namespace rq
