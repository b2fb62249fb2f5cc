#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "qt/qt_text_renderer.h"
#include "skin/text_canvas.h"
#include "support/qt_app.h"
#include "support/skin_fixture.h"

namespace rq::test {
namespace {

const Bgr kWhite{255, 255, 255}, kBlack{0, 0, 0};

class TextRender : public ::testing::Test {
  protected:
    QtTextRenderer renderer;
};

TEST_F(TextRender, UsesAJapaneseGothic) {
    const QFontInfo info(text_line_font(12));
    EXPECT_TRUE(info.family().contains("IPA")) << info.family().toStdString();
    EXPECT_LE(QFontMetrics(text_line_font(12)).height(), 12);
}

TEST_F(TextRender, BlackOnWhiteInsideTheLineOnly) {
    for (bool top_down : {false, true}) {
        SkinSurface canvas;
        ASSERT_TRUE(load(canvas, make_bmp(top_down, [](int x, int y) {
                             return (x + y) % 2 ? Bgr{1, 2, 3} : Bgr{200, 100, 50};
                         })));
        renderer.draw_text_line(canvas, "再生 Play |", 10, 24, 12);
        int black = 0, white = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 640; ++x) {
                const Bgr c = pixel(canvas, x, y);
                const bool in_line = y >= 24 && y < 36 && x >= 10;
                if (c == kBlack) ++black;
                if (c == kWhite) ++white;
                if (!in_line) {
                    ASSERT_TRUE(c == ((x + y) % 2 ? Bgr{1, 2, 3} : Bgr{200, 100, 50}))
                        << x << "," << y << " top_down " << top_down;
                } else if (!(c == kBlack || c == kWhite)) {
                    ASSERT_EQ(c.b, (x + y) % 2 ? 1 : 200) << "untouched right of the text";
                }
            }
        EXPECT_GT(black, 40) << top_down;
        EXPECT_GT(white, black) << top_down;
        EXPECT_EQ(pixel(canvas, 10, 24), kWhite) << "opaque box from the corner";
    }
}

TEST_F(TextRender, StorageOrderDoesNotChangeThePicture) {
    SkinSurface up, down;
    ASSERT_TRUE(load(up, solid_bmp(kWhite, false)));
    ASSERT_TRUE(load(down, solid_bmp(kWhite, true)));
    for (SkinSurface* s : {&up, &down})
        renderer.draw_text_line(*s, "ファイル名.mpg  <0:03:25> |", 0, 44, 12);
    for (int y = 40; y < 60; ++y)
        ASSERT_EQ(0, std::memcmp(up.row(y), down.row(y), 640 * 3)) << y;
}

TEST_F(TextRender, MeasuresTheBarThatEndsTheLine) {
    SkinSurfaces skin;
    ASSERT_TRUE(load(skin.text_canvas, solid_bmp(kWhite)));
    const int narrow =
        render_canvas_strip(skin.text_canvas, renderer, kFileStrip, file_line_text("a.mp3", 65));
    // The rightmost dark pixel on the row below the measured one is the bar.
    int bar = -1;
    for (int x = 639; x >= 0 && bar < 0; --x)
        if (pixel(skin.text_canvas, x, kFileStrip.measure_row + 1) == kBlack) bar = x;
    ASSERT_GT(bar, 20);
    EXPECT_EQ(pixel(skin.text_canvas, bar - 1, kFileStrip.measure_row + 1), kWhite);
    EXPECT_EQ(narrow, bar - 2 - kFileStrip.end_trim);  // the end is one left of the bar's gap
    const int wide = render_canvas_strip(skin.text_canvas, renderer, kFileStrip,
                                         file_line_text("a much longer name.mp3", 65));
    EXPECT_GT(wide, narrow + 40);
    // The timed-text line is smaller and measured on its own row.
    const int timed =
        render_canvas_strip(skin.text_canvas, renderer, kTimedTextStrip, timed_text_line("字幕"));
    EXPECT_GT(timed, 10);
    EXPECT_LT(timed, narrow);
}

TEST_F(TextRender, EmptySurfaceIsLeftAlone) {
    SkinSurface empty;
    renderer.draw_text_line(empty, "x", 0, 0, 12);
    EXPECT_FALSE(empty.loaded());
}

}  // namespace
}  // namespace rq::test
