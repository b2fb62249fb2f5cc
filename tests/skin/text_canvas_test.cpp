#include <gtest/gtest.h>

#include "skin/text_canvas.h"
#include "support/skin_fixture.h"

namespace rq::test {
namespace {

const Bgr kWhite{255, 255, 255}, kBlack{0, 0, 0};

struct Canvas {
    explicit Canvas(bool top_down = false) { EXPECT_TRUE(load(c, solid_bmp(kWhite, top_down))); }
    SkinSurface c;
};

TEST(MeasureTextEnd, Rows) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> dark;  // pixels (x, y) in black
        int row;
        int expected;
    };
    const Case cases[] = {
        {"blank row", {}, 30, 1},
        // Changes at (0, 30), x 300 and x 299 of row 31.
        {"text ending at 300", {{300, 31}, {250, 31}, {10, 31}}, 30, 298},
        {"two-pixel stroke", {{300, 31}, {299, 31}}, 30, 297},
        // The row itself only counts at column 0.
        {"row r is not searched", {{300, 30}}, 30, 1},
        {"dark start of row r", {{0, 30}, {300, 31}}, 30, 298},
        {"dark start of row r alone", {{0, 30}}, 30, 1},
        {"end at the right edge", {{639, 31}}, 30, 635},
        {"end near the right edge", {{637, 31}}, 30, 635},
        {"end at 7", {{7, 31}}, 30, 5},
        {"end at 2", {{2, 31}}, 30, 1},
        {"last row has no row below", {}, 399, 1},
        {"row outside", {}, -1, 1},
    };
    for (bool top_down : {false, true})
        for (const Case& c : cases) {
            Canvas k(top_down);
            for (auto [x, y] : c.dark)
                set_pixel(k.c, x, y, kBlack);
            EXPECT_EQ(measure_text_end(k.c, c.row), c.expected) << c.what << " " << top_down;
        }
    SkinSurface empty;
    EXPECT_EQ(measure_text_end(empty, 30), 1);
}

TEST(CanvasStrips, ClearingCopiesTheBlankRows) {
    Canvas k;
    for (int y = 20; y < 100; ++y)
        set_pixel(k.c, 5 + y, y, kBlack);
    clear_canvas_strip(k.c, 40);
    for (int y = 40; y < 60; ++y)
        EXPECT_EQ(pixel(k.c, 5 + y, y), kWhite) << y;
    EXPECT_EQ(pixel(k.c, 5 + 39, 39), kBlack);
    EXPECT_EQ(pixel(k.c, 5 + 60, 60), kBlack);
    set_pixel(k.c, 638, 398, kBlack);
    clear_canvas_strip(k.c, 390);  // runs off the bottom: only the rows that are there
    EXPECT_EQ(pixel(k.c, 638, 398), kWhite);
    clear_canvas_strip(k.c, 0);  // the blank rows themselves stay as they are
    EXPECT_EQ(pixel(k.c, 5, 5), kWhite);
}

// Draws only the one-pixel bar that ends every line, at x + the text's
// length, over the line's rows.
class BarRenderer : public TextRenderer {
  public:
    void draw_text_line(SkinSurface& s, const std::string& text, int x, int y,
                        int height) override {
        calls.push_back({text, x, y, height});
        for (int r = y; r < y + height; ++r)
            set_pixel(s, x + int(text.size()), r, kBlack);
    }
    struct Call {
        std::string text;
        int x, y, height;
    };
    std::vector<Call> calls;
};

TEST(CanvasStrips, RenderClearsDrawsAndMeasures) {
    SkinSurfaces skin;
    ASSERT_TRUE(load(skin.text_canvas, solid_bmp(kWhite)));
    BarRenderer bars;
    // A bar ending at x 100: the end is 98, the file line's width 94.
    EXPECT_EQ(render_canvas_strip(skin.text_canvas, bars, kFileStrip, std::string(100, 'x')), 94);
    EXPECT_EQ(render_canvas_strip(skin.text_canvas, bars, kTitleStrip, std::string(50, 'x')), 44);
    EXPECT_EQ(render_canvas_strip(skin.text_canvas, bars, kTimedTextStrip, std::string(30, 'x')),
              26);
    EXPECT_EQ(render_canvas_strip(skin.text_canvas, bars, kTitleFieldStrip, std::string(30, 'x')),
              26);
    ASSERT_EQ(bars.calls.size(), 4u);
    EXPECT_EQ(bars.calls[0].y, 24);
    EXPECT_EQ(bars.calls[0].height, 12);
    EXPECT_EQ(bars.calls[2].y, 64);
    EXPECT_EQ(bars.calls[2].height, 10);
    EXPECT_EQ(bars.calls[3].y, 84);
    // A shorter line replaces the longer one.
    EXPECT_EQ(render_canvas_strip(skin.text_canvas, bars, kFileStrip, std::string(20, 'x')), 14);
}

TEST(CanvasStrips, FieldFit) {
    EXPECT_EQ(fit_to_field(100, kDisplayFieldWidth).margin, 22);
    EXPECT_EQ(fit_to_field(100, kDisplayFieldWidth).width, 100);
    EXPECT_EQ(fit_to_field(144, kDisplayFieldWidth).margin, 0);
    EXPECT_EQ(fit_to_field(300, kTitleFieldWidth).width, 234);
    EXPECT_EQ(fit_to_field(233, kTitleFieldWidth).margin, 0);
}

TEST(CanvasStrips, LineTexts) {
    EXPECT_EQ(file_line_text("clip.mpg", 3725), " clip.mpg  <1:02:05> |");
    EXPECT_EQ(file_line_text("a", 59), " a  <0:00:59> |");
    EXPECT_EQ(title_line_text("Song", "Band"), " Song \xEF\xBC\x9A Band  |");
    EXPECT_EQ(timed_text_line("hello"), "hello |");
}

}  // namespace
}  // namespace rq::test
