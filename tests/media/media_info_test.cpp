// What the player reads from a file without the device: the ID3v1 tag and
// the first MPEG audio frame header.

#include "media/media_info.h"

#include <gtest/gtest.h>

#include <string>

namespace rq {
namespace {

std::string header(unsigned char b1, unsigned char b2) {
    return std::string{'\xFF', static_cast<char>(b1), static_cast<char>(b2), '\x44'};
}

TEST(MpegAudioHeader, BitRatesAndSampleRatesFromTheStandardTables) {
    struct Case {
        const char* name;
        unsigned char b1, b2;
        int kbps, khz;
    };
    const Case cases[] = {
        // b1: sync, version bit 3, layer bits 2..1; b2: rate index, sample index.
        {"MPEG-1 Layer I index 9", 0xFE, 0x90, 288, 44},
        {"MPEG-1 Layer II index 9", 0xFC, 0x94, 160, 48},
        {"MPEG-1 Layer III index 9", 0xFA, 0x98, 128, 32},
        {"MPEG-1 Layer III index 14", 0xFB, 0xE0, 320, 44},
        {"MPEG-2 Layer I index 9", 0xF6, 0x90, 144, 22},
        {"MPEG-2 Layer III index 9", 0xF2, 0x94, 80, 24},
        {"MPEG-2 Layer II index 1", 0xF4, 0x18, 8, 16},
        {"reserved layer", 0xF8, 0x90, 0, 44},
        {"free index 0 and reserved sample rate", 0xFA, 0x0C, 0, 0},
        {"bad index 15", 0xFA, 0xF0, 0, 44},
    };
    for (const Case& c : cases) {
        auto info = find_mpeg_audio_header(header(c.b1, c.b2));
        ASSERT_TRUE(info) << c.name;
        EXPECT_EQ(info->bitrate_kbps, c.kbps) << c.name;
        EXPECT_EQ(info->sample_khz, c.khz) << c.name;
    }
}

TEST(MpegAudioHeader, FirstSyncWinsAndOnlyReadBytesAreDecoded) {
    // A lone 0xFF and a 0xFF not followed by the four sync bits are passed.
    std::string bytes = "ID3\xFF\x10" + header(0xFE, 0x90) + header(0xFA, 0x98);
    EXPECT_EQ(find_mpeg_audio_header(bytes)->bitrate_kbps, 288);
    // A sync whose header runs past the bytes read is not decoded.
    std::string cut = std::string(1020, 'x') + "\xFF\xFB\x90";
    EXPECT_FALSE(find_mpeg_audio_header(cut));
    EXPECT_TRUE(find_mpeg_audio_header(cut + "\x44"));
    EXPECT_FALSE(find_mpeg_audio_header(""));
    EXPECT_FALSE(find_mpeg_audio_header("\xFF"));
}

std::string tag(std::string title, std::string artist) {
    title.resize(30, ' ');
    artist.resize(30, ' ');
    return "TAG" + title + artist + std::string(30, '\0') + "2001" + std::string(31, '\0');
}

TEST(Id3Tag, TitleAndArtistWithoutTheirPadding) {
    auto t = parse_id3v1(tag("Song", "Band"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->title, "Song");
    EXPECT_EQ(t->artist, "Band");
    EXPECT_FALSE(parse_id3v1("TAX" + tag("a", "b").substr(3)));
    EXPECT_FALSE(parse_id3v1(tag("a", "b").substr(0, 127)));

    struct Case {
        std::string field, text;
    };
    const Case cases[] = {
        {"Song" + std::string(26, ' '), "Song"},
        {std::string(30, ' '), ""},
        {"Song" + std::string(26, '\0'), "Song"},
        {"Two  words" + std::string(20, ' '), "Two  words"},
        {"Line\n" + std::string(25, ' '), "Line"},
        // The pad is whatever the last byte is.
        {"Dots" + std::string(26, '.'), "Dots"},
        {std::string("Cut\0here", 8) + std::string(22, ' '), "Cut"},
        {std::string(30, 'x'), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trim_tag_field(c.field), c.text) << c.field;
}

}  // namespace
}  // namespace rq
