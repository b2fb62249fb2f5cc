#include "media/media_info.h"

#include <array>

namespace rq {

namespace {

// kbit/s by [index][column]: Layer I, II, III.
constexpr std::array<std::array<int, 3>, 16> kMpeg1Rates{{{0, 0, 0},
                                                          {32, 32, 32},
                                                          {64, 48, 40},
                                                          {96, 56, 48},
                                                          {128, 64, 56},
                                                          {160, 80, 64},
                                                          {192, 96, 80},
                                                          {224, 112, 96},
                                                          {256, 128, 112},
                                                          {288, 160, 128},
                                                          {320, 192, 160},
                                                          {352, 224, 192},
                                                          {384, 256, 224},
                                                          {416, 320, 256},
                                                          {448, 384, 320},
                                                          {0, 0, 0}}};
constexpr std::array<std::array<int, 3>, 16> kMpeg2Rates{{{0, 0, 0},
                                                          {32, 8, 8},
                                                          {48, 16, 16},
                                                          {56, 24, 24},
                                                          {64, 32, 32},
                                                          {80, 40, 40},
                                                          {96, 48, 48},
                                                          {112, 56, 56},
                                                          {128, 64, 64},
                                                          {144, 80, 80},
                                                          {160, 96, 96},
                                                          {176, 112, 112},
                                                          {192, 128, 128},
                                                          {224, 144, 144},
                                                          {256, 160, 160},
                                                          {0, 0, 0}}};

constexpr std::array<int, 4> kMpeg1Khz{44, 48, 32, 0};
constexpr std::array<int, 4> kMpeg2Khz{22, 24, 16, 0};

}  // namespace

std::string trim_tag_field(std::string_view field) {
    if (field.empty()) return {};
    const char pad = field.back();
    size_t end = field.size();
    while (end > 0 && (field[end - 1] == pad || field[end - 1] == '\n'))
        --end;
    std::string_view text = field.substr(0, end);
    return std::string(text.substr(0, text.find('\0')));
}

std::optional<Id3Tag> parse_id3v1(std::string_view last) {
    if (last.size() < kTagSize || last.substr(0, 3) != "TAG") return std::nullopt;
    return Id3Tag{trim_tag_field(last.substr(3, 30)), trim_tag_field(last.substr(33, 30))};
}

int mpeg_bitrate_kbps(bool mpeg1, int layer, int index) {
    if (layer < 1 || layer > 3 || index < 0 || index > 15) return 0;
    const size_t column = static_cast<size_t>(3 - layer);
    return (mpeg1 ? kMpeg1Rates : kMpeg2Rates)[static_cast<size_t>(index)][column];
}

std::optional<MpegAudioInfo> find_mpeg_audio_header(std::string_view bytes) {
    for (size_t i = 0; i + 4 <= bytes.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        if (b0 != 0xFF || (b1 & 0xF0) != 0xF0) continue;
        const auto b2 = static_cast<unsigned char>(bytes[i + 2]);
        const bool mpeg1 = (b1 & 0x08) != 0;
        const int layer = (b1 >> 1) & 0x03;
        MpegAudioInfo info;
        info.bitrate_kbps = mpeg_bitrate_kbps(mpeg1, layer, b2 >> 4);
        info.sample_khz = (mpeg1 ? kMpeg1Khz : kMpeg2Khz)[(b2 >> 2) & 0x03];
        return info;
    }
    return std::nullopt;
}

}  // namespace rq
