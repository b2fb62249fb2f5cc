#pragma once
// What the player reads from a media file without the device: the ID3
// version 1 tag at its end and the first MPEG audio frame header.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rq {

inline constexpr size_t kTagSize = 128;
inline constexpr size_t kHeaderScanSize = 1024;

struct Id3Tag {
    std::string title;  // bytes as stored, trimmed
    std::string artist;
};

// The title and artist of a 128-byte ID3v1 tag ("TAG" first), or nullopt.
std::optional<Id3Tag> parse_id3v1(std::string_view last_bytes);

// A 30-byte tag field without its padding: the pad is the field's last
// byte; it and line feeds are cut from the end. The text ends at a NUL.
std::string trim_tag_field(std::string_view field);

struct MpegAudioInfo {
    int bitrate_kbps = 0;  // 0: reserved layer or free/bad index
    int sample_khz = 0;    // whole kHz, truncated; 0 for the reserved index
};

// Bit rate of the ISO/IEC 11172-3 (MPEG-1) and 13818-3 (MPEG-2) tables.
// `layer` as coded: 3 Layer I, 2 Layer II, 1 Layer III, 0 reserved.
int mpeg_bitrate_kbps(bool mpeg1, int layer, int index);

// The first frame header in `bytes`: a 0xFF followed by a byte whose high
// four bits are set, decoded only where all four header bytes were read.
std::optional<MpegAudioInfo> find_mpeg_audio_header(std::string_view bytes);

}  // namespace rq
