// What is read from a media file without the device: the ID3 version 1 tag
// in its last 128 bytes and the first MPEG audio header in its first 1024.

#include <algorithm>
#include <array>

#include "fuzz_check.h"
#include "media/media_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    const std::string_view in = rq::fuzz::bytes(data, size);

    // As the opening reads a file: the tag when there are 128 bytes.
    if (in.size() >= rq::kTagSize) {
        if (auto tag = rq::parse_id3v1(in.substr(in.size() - rq::kTagSize))) {
            for (const std::string* field : {&tag->title, &tag->artist})
                check(field->size() <= 30 && field->find('\0') == std::string::npos,
                      "a tag field is at most 30 bytes, up to its NUL");
        }
    }
    // Any length of field.
    const std::string trimmed = rq::trim_tag_field(in);
    check(in.substr(0, trimmed.size()) == trimmed, "a trimmed field is the field's start");

    if (auto info = rq::find_mpeg_audio_header(in.substr(0, rq::kHeaderScanSize))) {
        constexpr std::array<int, 7> khz{0, 16, 22, 24, 32, 44, 48};
        check(std::find(khz.begin(), khz.end(), info->sample_khz) != khz.end(),
              "a sample rate of the tables");
        check(info->bitrate_kbps >= 0 && info->bitrate_kbps <= 448, "a bit rate of the tables");
    } else {
        // No header means no 0xFF followed by a byte with its high bits set.
        const std::string_view head = in.substr(0, rq::kHeaderScanSize);
        for (size_t i = 0; i + 4 <= head.size(); ++i)
            check(!(uint8_t(head[i]) == 0xFF && (uint8_t(head[i + 1]) & 0xF0) == 0xF0),
                  "every header is found");
    }
    return 0;
}
