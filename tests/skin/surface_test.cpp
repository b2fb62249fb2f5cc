#include <gtest/gtest.h>

#include "skin/builtin_resources.h"
#include "support/skin_fixture.h"
#include "support/temp_dir.h"

namespace rq::test {
namespace {

void put32(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}
void put16(std::string& b, size_t at, uint16_t v) {
    b[at] = char(v);
    b[at + 1] = char(v >> 8);
}

TEST(SkinSurface, BottomUpAndTopDownFilesReadTheSameImage) {
    for (bool top_down : {false, true}) {
        SkinSurface s;
        ASSERT_TRUE(load(s, make_bmp(top_down, coded))) << top_down;
        EXPECT_EQ(s.bottom_up(), !top_down);
        EXPECT_EQ(s.width(), 640);
        EXPECT_EQ(s.height(), 400);
        EXPECT_EQ(s.pitch, 640);
        EXPECT_EQ(s.image_size(), 640 * 3 * 400);
        for (auto [x, y] : {std::pair{0, 0}, {639, 0}, {0, 399}, {321, 123}, {639, 399}})
            EXPECT_EQ(pixel(s, x, y), coded(x, y)) << x << "," << y << " top_down " << top_down;
        // Row 0 of a bottom-up picture is the last stored row.
        const uint8_t* expected = top_down ? s.bits : s.bits + 399 * 640 * 3;
        EXPECT_EQ(s.top_row(), expected);
    }
}

TEST(SkinSurface, ImageSizeZeroIsTakenAsTheWholePicture) {
    std::string bmp = make_bmp(false, coded);
    put32(bmp, 34, 0);
    SkinSurface s;
    ASSERT_TRUE(load(s, bmp));
    EXPECT_EQ(s.image_size(), 640 * 3 * 400);
    EXPECT_EQ(pixel(s, 5, 399), coded(5, 399));
}

TEST(SkinSurface, RefusesEveryHeaderThatDoesNotMatchItsData) {
    const std::string good = make_bmp(false, coded);
    struct Case {
        const char* what;
        std::function<void(std::string&)> spoil;
    };
    const Case cases[] = {
        {"not BM",
         [](std::string& b) {
             b[0] = 'M';
             b[1] = 'B';
         }},
        {"shorter than the headers", [](std::string& b) { b.resize(53); }},
        {"empty", [](std::string& b) { b.clear(); }},
        {"pixel data cut short", [](std::string& b) { b.resize(b.size() - 1); }},
        {"only the headers", [](std::string& b) { b.resize(54); }},
        {"image size larger than the data",
         [](std::string& b) {
             put32(b, 34, 640 * 3 * 400 + 4096);
             b.resize(b.size() - 1);
         }},
        {"image size smaller than the picture", [](std::string& b) { put32(b, 34, 1000); }},
        {"offset past the end", [](std::string& b) { put32(b, 10, uint32_t(b.size())); }},
        {"offset inside the header", [](std::string& b) { put32(b, 10, 20); }},
        {"offset huge", [](std::string& b) { put32(b, 10, 0xFFFFFFF0u); }},
        {"negative width", [](std::string& b) { put32(b, 18, uint32_t(-640)); }},
        {"huge width", [](std::string& b) { put32(b, 18, 0x7FFFFFFF); }},
        {"wider than the sheet", [](std::string& b) { put32(b, 18, 641); }},
        {"taller than the sheet", [](std::string& b) { put32(b, 22, 401); }},
        {"smallest height", [](std::string& b) { put32(b, 22, 0x80000000u); }},
        {"height zero", [](std::string& b) { put32(b, 22, 0); }},
        {"8-bit", [](std::string& b) { put16(b, 28, 8); }},
        {"32-bit", [](std::string& b) { put16(b, 28, 32); }},
        {"compressed", [](std::string& b) { put32(b, 30, 1); }},
        {"bit fields", [](std::string& b) { put32(b, 30, 3); }},
        {"two planes", [](std::string& b) { put16(b, 26, 2); }},
        {"info header too small", [](std::string& b) { put32(b, 14, 12); }},
        {"info header too large", [](std::string& b) { put32(b, 14, 0xFFFFFF00u); }},
    };
    for (const Case& c : cases) {
        std::string bmp = good;
        c.spoil(bmp);
        // A copy of exactly the bytes, so the sanitizer sees any read past them.
        std::vector<uint8_t> exact(bmp.begin(), bmp.end());
        SkinSurface s;
        EXPECT_EQ(s.load_from_memory(exact.data(), exact.size()), 0) << c.what;
        EXPECT_FALSE(s.loaded()) << c.what;
        EXPECT_EQ(s.top_row(), nullptr) << c.what;
        EXPECT_EQ(s.image_size(), 0) << c.what;
    }
}

TEST(SkinSurface, SmallerPicturesAreRefusedAsBackgrounds) {
    SkinSurface s;
    EXPECT_FALSE(load(s, make_bmp(false, coded, 320, 200)));
    EXPECT_FALSE(load(s, make_bmp(false, coded, 640, 399)));
}

TEST(SkinSurface, ExtraBytesAfterThePixelsAreHarmless) {
    std::string bmp = make_bmp(true, coded);
    put32(bmp, 34, 640 * 3 * 400 + 2);  // some writers count padding
    bmp += std::string(2, '\0');
    SkinSurface s;
    EXPECT_TRUE(load(s, bmp));
}

TEST(SkinSurface, LoadingReplacesAndFailureEmpties) {
    TempDir dir;
    write_bytes(dir / "a.bmp", solid_bmp({1, 2, 3}));
    write_bytes(dir / "b.bmp", solid_bmp({4, 5, 6}, true));
    write_bytes(dir / "bad.bmp", "BM not really");
    SkinSurface s;
    ASSERT_EQ(s.load_from_file(dir / "a.bmp"), 1);
    EXPECT_EQ(pixel(s, 10, 10), (Bgr{1, 2, 3}));
    ASSERT_EQ(s.load_from_file(dir / "b.bmp"), 1);
    EXPECT_EQ(pixel(s, 10, 10), (Bgr{4, 5, 6}));
    EXPECT_EQ(s.load_from_file(dir / "bad.bmp"), 0);
    EXPECT_FALSE(s.loaded());
    EXPECT_EQ(s.load_from_file(dir / "missing.bmp"), 0);
    EXPECT_EQ(s.load_from_file(dir.path()), 0);  // a folder
    s.release();
    s.release();
    EXPECT_FALSE(s.loaded());
}

TEST(SkinSurface, BuiltInPictures) {
    SkinSurface sheet, canvas, none;
    ASSERT_EQ(sheet.load_from_resource(kSkinSheetResource), 1);
    ASSERT_EQ(canvas.load_from_resource(kTextCanvasResource), 1);
    EXPECT_EQ(none.load_from_resource(130), 0);
    EXPECT_EQ(none.load_from_resource(kIconResource), 0);  // a PNG, not a surface
    EXPECT_EQ(builtin_resource(kIconResource).substr(1, 3), "PNG");
    // The canvas is white but for a black mark in its bottom-right corner.
    int black = 0, other = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 640; ++x) {
            Bgr c = pixel(canvas, x, y);
            if (c == Bgr{255, 255, 255}) continue;
            if (c == Bgr{0, 0, 0} && x >= 600 && y >= 380)
                ++black;
            else
                ++other;
        }
    EXPECT_GT(black, 0);
    EXPECT_EQ(other, 0);
}

}  // namespace
}  // namespace rq::test
