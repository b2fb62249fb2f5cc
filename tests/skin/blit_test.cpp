#include <gtest/gtest.h>

#include <vector>

#include "support/skin_fixture.h"

namespace rq::test {
namespace {

const Bgr kGrey{9, 9, 9};

// FaceBuffer grey; SkinSheet position-coded in the given storage order.
struct Skin {
    explicit Skin(bool sheet_top_down = false, bool face_top_down = false) {
        EXPECT_TRUE(load(s.face_buffer, solid_bmp(kGrey, face_top_down)));
        EXPECT_TRUE(load(s.skin_sheet, make_bmp(sheet_top_down, coded)));
    }
    // Number of FaceBuffer pixels that are no longer grey.
    int changed() const {
        int n = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 640; ++x)
                n += !(pixel(s.face_buffer, x, y) == kGrey);
        return n;
    }
    SkinSurfaces s;
};

TEST(Blit, CopyFromEitherStorageOrderIntoEither) {
    for (bool sheet_td : {false, true})
        for (bool face_td : {false, true}) {
            Skin k(sheet_td, face_td);
            blit_copy(k.s, SurfaceId::SkinSheet, 100, 50, 412, 30, 23, 11);
            EXPECT_EQ(k.changed(), 23 * 11);
            for (int y = 0; y < 11; ++y)
                for (int x = 0; x < 23; ++x)
                    ASSERT_EQ(pixel(k.s.face_buffer, 100 + x, 50 + y), coded(412 + x, 30 + y))
                        << x << "," << y << " sheet_td " << sheet_td << " face_td " << face_td;
        }
}

TEST(Blit, Clipping) {
    struct Case {
        const char* what;
        int dx, dy, sx, sy, w, h;
        int first_dx, first_dy, first_sx, first_sy;  // where the kept part starts
        int kept_w, kept_h;
    };
    const Case cases[] = {
        {"left edge", -10, 5, 100, 10, 23, 11, 0, 5, 110, 10, 13, 11},
        {"right edge", 630, 5, 100, 10, 23, 11, 630, 5, 100, 10, 10, 11},
        {"top edge", 5, -4, 100, 10, 23, 11, 5, 0, 100, 14, 23, 7},
        {"bottom edge", 5, 395, 100, 10, 23, 11, 5, 395, 100, 10, 23, 5},
        {"corner", -3, -2, 100, 10, 23, 11, 0, 0, 103, 12, 20, 9},
        {"source past its right", 5, 5, 630, 10, 23, 11, 5, 5, 630, 10, 10, 11},
        {"source past its bottom", 5, 5, 100, 395, 23, 11, 5, 5, 100, 395, 23, 5},
        {"source before its left", 5, 5, -4, 10, 23, 11, 9, 5, 0, 10, 19, 11},
        {"source above its top", 5, 5, 100, -3, 23, 11, 5, 8, 100, 0, 23, 8},
    };
    for (const Case& c : cases) {
        Skin k;
        blit_copy(k.s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, c.h);
        EXPECT_EQ(k.changed(), c.kept_w * c.kept_h) << c.what;
        EXPECT_EQ(pixel(k.s.face_buffer, c.first_dx, c.first_dy), coded(c.first_sx, c.first_sy))
            << c.what;
        const int lx = c.first_dx + c.kept_w - 1, ly = c.first_dy + c.kept_h - 1;
        EXPECT_EQ(pixel(k.s.face_buffer, lx, ly),
                  coded(c.first_sx + c.kept_w - 1, c.first_sy + c.kept_h - 1))
            << c.what;
    }
}

TEST(Blit, NothingWhollyOutsideOrEmpty) {
    struct Case {
        int dx, dy, sx, sy, w, h;
    };
    const Case cases[] = {
        {640, 0, 0, 0, 10, 10},       {-10, 0, 0, 0, 10, 10}, {0, 400, 0, 0, 10, 10},
        {0, -10, 0, 0, 10, 10},       {0, 0, 640, 0, 10, 10}, {0, 0, 0, 400, 10, 10},
        {0, 0, 0, 0, 0, 10},          {0, 0, 0, 0, 10, -1},   {INT32_MIN, 0, 0, 0, 10, 10},
        {0, 0, INT32_MAX, 0, 10, 10},
    };
    for (const Case& c : cases) {
        Skin k;
        blit_key_white(k.s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, c.h);
        blit_fade(k.s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, c.h, 0);
        EXPECT_EQ(k.changed(), 0) << c.dx << "," << c.dy;
    }
    // Sizes far beyond the sheet are cut to it.
    Skin huge;
    blit_copy(huge.s, SurfaceId::SkinSheet, 5, 5, 5, 5, INT32_MAX, INT32_MAX);
    EXPECT_EQ(huge.changed(), 635 * 395);
    // An empty source or destination draws nothing and reads nothing.
    Skin k;
    k.s.text_canvas.release();
    blit_copy(k.s, SurfaceId::TextCanvas, 0, 0, 0, 0, 640, 400);
    EXPECT_EQ(k.changed(), 0);
    k.s.face_buffer.release();
    blit_copy(k.s, SurfaceId::SkinSheet, 0, 0, 0, 0, 640, 400);
    EXPECT_FALSE(k.s.face_buffer.loaded());
}

TEST(Blit, KeyedCopies) {
    SkinSurfaces s;
    const Bgr pure_white{255, 255, 255}, near_white{254, 255, 255}, black{0, 0, 0},
        near_black{0, 0, 1};
    const Bgr row[4] = {pure_white, near_white, black, near_black};
    ASSERT_TRUE(load(s.skin_sheet, make_bmp(false, [&](int x, int) { return row[x % 4]; })));
    struct Case {
        const char* what;
        void (*blit)(SkinSurfaces&, SurfaceId, int, int, int, int, int, int);
        bool kept[4];  // does the destination keep its colour under each source pixel
    };
    const Case cases[] = {
        {"white key", blit_key_white, {true, false, false, false}},
        {"black key", blit_key_black, {false, false, true, false}},
        {"copy", blit_copy, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(load(s.face_buffer, solid_bmp(kGrey)));
        c.blit(s, SurfaceId::SkinSheet, 0, 0, 0, 0, 4, 1);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixel(s.face_buffer, x, 0), c.kept[x] ? kGrey : row[x]) << c.what << " " << x;
    }
}

// Whole rows of any width and phase, against the rules a pixel at a time:
// pure key pixels, pixels with one or two key bytes, and the rest.
TEST(Blit, KeyedAndFadedRowsMatchThePixelRules) {
    uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 24;
    };
    auto byte = [&]() -> uint8_t {
        const uint32_t r = next();
        return r < 100 ? 0xFF : r < 200 ? 0x00 : uint8_t(next());
    };
    std::vector<Bgr> sheet(640 * 400);
    for (Bgr& c : sheet) {
        const uint32_t kind = next() % 4;
        c = kind == 0 ? Bgr{255, 255, 255} : kind == 1 ? Bgr{0, 0, 0} : Bgr{byte(), byte(), byte()};
    }
    auto at = [&](int x, int y) { return sheet[size_t(y) * 640 + size_t(x)]; };
    SkinSurfaces s;
    ASSERT_TRUE(load(s.skin_sheet, make_bmp(false, at)));
    struct Case {
        int sx, sy, w, dx, dy;
    };
    const Case cases[] = {{0, 0, 640, 0, 0},     {5, 7, 1, 9, 1},     {3, 2, 2, 1, 3},
                          {17, 9, 3, 40, 5},     {100, 50, 37, 2, 9}, {1, 1, 141, 60, 127},
                          {400, 3, 239, 401, 30}};
    for (const Case& c : cases)
        for (int kind = 0; kind < 3; ++kind) {
            const int bias = int(next()) * 4 - 511;
            ASSERT_TRUE(load(s.face_buffer,
                             make_bmp(false, [&](int x, int y) { return at(639 - x, 399 - y); })));
            if (kind == 0) blit_key_white(s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, 4);
            if (kind == 1) blit_key_black(s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, 4);
            if (kind == 2) blit_fade(s, SurfaceId::SkinSheet, c.dx, c.dy, c.sx, c.sy, c.w, 4, bias);
            for (int y = 0; y < 4; ++y)
                for (int x = -1; x <= c.w && c.dx + x < 640; ++x) {
                    if (c.dx + x < 0) continue;
                    const Bgr before = at(639 - (c.dx + x), 399 - (c.dy + y));
                    Bgr want = before;
                    if (x >= 0 && x < c.w) {
                        const Bgr src = at(c.sx + x, c.sy + y);
                        if (kind == 0 && !(src == Bgr{255, 255, 255})) want = src;
                        if (kind == 1 && !(src == Bgr{0, 0, 0})) want = src;
                        if (kind == 2)
                            want = {fade_byte(before.b, src.b, bias),
                                    fade_byte(before.g, src.g, bias),
                                    fade_byte(before.r, src.r, bias)};
                    }
                    ASSERT_EQ(pixel(s.face_buffer, c.dx + x, c.dy + y), want)
                        << "kind " << kind << " width " << c.w << " at " << x << "," << y;
                }
        }
}

TEST(Blit, FadeSteps) {
    EXPECT_EQ(fade_byte(0, 200, 0), 100);
    EXPECT_EQ(fade_byte(100, 200, 0), 150);
    EXPECT_EQ(fade_byte(150, 200, 0), 175);
    EXPECT_EQ(fade_byte(200, 0, 0), 100);       // downwards alike
    EXPECT_EQ(fade_byte(100, 150, -100), 100);  // a gap of 50 never closes
    EXPECT_EQ(fade_byte(150, 100, -100), 150);
    EXPECT_EQ(fade_byte(0, 200, -100), 50);
    EXPECT_EQ(fade_byte(0, 10, 100), 10);  // never past the source
    EXPECT_EQ(fade_byte(10, 0, 100), 0);
    EXPECT_EQ(fade_byte(77, 77, 300), 77);
    EXPECT_EQ(fade_byte(0, 255, INT32_MAX / 2), 255);

    // Through the blit, byte by byte, until it settles.
    SkinSurfaces s;
    ASSERT_TRUE(load(s.face_buffer, solid_bmp({0, 100, 150})));
    ASSERT_TRUE(load(s.skin_sheet, solid_bmp({200, 150, 100}, true)));
    const Bgr bias0[] = {{100, 125, 125}, {150, 137, 112}, {175, 143, 106}};
    for (const Bgr& want : bias0) {
        blit_fade(s, SurfaceId::SkinSheet, 3, 3, 0, 0, 1, 1, 0);
        EXPECT_EQ(pixel(s.face_buffer, 3, 3), want);
    }
    ASSERT_TRUE(load(s.face_buffer, solid_bmp({0, 100, 150})));
    blit_fade(s, SurfaceId::SkinSheet, 3, 3, 0, 0, 1, 1, -100);
    EXPECT_EQ(pixel(s.face_buffer, 3, 3), (Bgr{50, 100, 150}));
    for (int i = 0; i < 20; ++i)
        blit_fade(s, SurfaceId::SkinSheet, 3, 3, 0, 0, 1, 1, -100);
    // 0 -> 200 stops 101 short of the source; 50-wide gaps never move.
    EXPECT_EQ(pixel(s.face_buffer, 3, 3), (Bgr{99, 100, 150}));
    EXPECT_EQ(pixel(s.face_buffer, 4, 3), (Bgr{0, 100, 150}));
}

TEST(Blit, FaceBufferCopiesWithinItself) {
    Skin k;
    blit_copy(k.s, SurfaceId::SkinSheet, 58, 300, 0, 0, 236, 17);
    blit_copy(k.s, SurfaceId::FaceBuffer, 58, 0, 58, 300, 236, 17);
    EXPECT_EQ(pixel(k.s.face_buffer, 58, 0), coded(0, 0));
    EXPECT_EQ(pixel(k.s.face_buffer, 293, 16), coded(235, 16));
    // Overlapping rows shift without smearing.
    blit_copy(k.s, SurfaceId::FaceBuffer, 59, 0, 58, 0, 236, 1);
    EXPECT_EQ(pixel(k.s.face_buffer, 59, 0), coded(0, 0));
    EXPECT_EQ(pixel(k.s.face_buffer, 60, 0), coded(1, 0));
}

}  // namespace
}  // namespace rq::test
