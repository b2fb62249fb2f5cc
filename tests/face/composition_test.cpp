// The composed face, read back against the sheet: counters and the zoom
// value, the time readout, the speed display, the keypad's blinking
// number, the badge's fall, and the display line's scroll over whole
// cycles.

#include <string>
#include <vector>

#include "skin/text_canvas.h"
#include "support/face_clicks.h"
#include "support/face_test.h"

namespace rq::test {
namespace {

using FaceComposition = FaceTest;

SpriteRect counter_digit(int d) {
    return cell(SpriteId::CounterDigits, d);
}
SpriteRect time_digit(int d) {
    return cell(SpriteId::TimeDigits, d);
}

TEST_F(FaceComposition, CounterShowsEntriesAndTheCurrentOne) {
    pw().playlist.entry_count = 7;
    pw().playlist.current_entry = 2;
    compose();
    const SpriteRect expected[7] = {counter_digit(0), counter_digit(0),
                                    counter_digit(7), sprite(SpriteId::CounterSeparator).rect,
                                    counter_digit(0), counter_digit(0),
                                    counter_digit(3)};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(shows({kCounterX[size_t(i)], kCounterY}, expected[i])) << "place " << i;
}

// The zoom value shows for its count of paced steps, the last one
// included, and the entry counters come back on the pass after.
TEST_F(FaceComposition, ZoomValueShowsThroughItsLastPacedStep) {
    pw().stores.path_list.insert_at(-1, "/media/a.mp3");
    pw().playlist.entry_count = 1;
    pw().geometry.zoom_percent = 150;
    pw().geometry.zoom_display_ticks = 2;
    const FacePoint label = face_place(SpriteId::ZoomLabel);
    for (int left : {1, 0}) {
        compose();
        EXPECT_EQ(pw().geometry.zoom_display_ticks, left);
        EXPECT_TRUE(shows(label, lit(sprite(SpriteId::ZoomLabel).rect))) << left;
        EXPECT_TRUE(shows({kCounterX[4], kCounterY}, counter_digit(1))) << left;
    }
    compose();
    EXPECT_TRUE(plain(face_rect(SpriteId::ZoomLabel)));
    EXPECT_TRUE(shows({kCounterX[6], kCounterY}, counter_digit(1)));
    EXPECT_TRUE(shows({kCounterX[3], kCounterY}, sprite(SpriteId::CounterSeparator).rect));
}

TEST_F(FaceComposition, TimeReadoutInEachMode) {
    const SpriteRect h = sprite(SpriteId::TimeHoursMark).rect;
    const SpriteRect m = sprite(SpriteId::TimeMinutesMark).rect;
    const SpriteRect s = sprite(SpriteId::TimeSecondsMark).rect;
    struct Case {
        int mode;
        int length_ms;
        SpriteRect cells[8];  // i = 7 .. 0
        bool minus;
    };
    // Stopped, the position reads 0.
    const Case cases[] = {
        {2,
         3725000,
         {time_digit(1), h, time_digit(0), time_digit(2), m, time_digit(0), time_digit(5), s},
         true},
        {1,
         3725000,
         {time_digit(0), h, time_digit(0), time_digit(0), m, time_digit(0), time_digit(0), s},
         false},
        // Past the end the remaining time stays at zero.
        {2,
         -5000,
         {time_digit(0), h, time_digit(0), time_digit(0), m, time_digit(0), time_digit(0), s},
         true},
    };
    for (const Case& c : cases) {
        pw().settings.time_display_mode = c.mode;
        pw().device.length_ms = c.length_ms;
        compose();
        for (int i = 7; i >= 0; --i)
            EXPECT_TRUE(shows({time_digit_x(i), kTimeY}, c.cells[7 - i]))
                << "mode " << c.mode << " place " << i;
        const SpriteRect minus_place{kTimeMinus.x, kTimeMinus.y, 6, 13};
        EXPECT_EQ(shows(kTimeMinus, sprite(SpriteId::TimeMinus).rect), c.minus);
        EXPECT_EQ(plain(minus_place), !c.minus);
    }
}

TEST_F(FaceComposition, SpeedBarsAndLamps) {
    pw().device.stopped = 0;
    const SpriteRect fwd = sprite(SpriteId::SpeedBarForward).rect;
    const SpriteRect rev = sprite(SpriteId::SpeedBarReverse).rect;
    const SpriteRect rev_lamp = sprite(SpriteId::ReverseLamp).rect;
    const SpriteRect stop_lamp = sprite(SpriteId::StopLamp).rect;

    pw().device.speed_index = 4;
    compose();
    EXPECT_TRUE(shows({362, 6}, lit({362, 6, 12, 2})));
    EXPECT_TRUE(plain({374, 6, fwd.x + fwd.w - 374, 2}));
    EXPECT_TRUE(plain(rev));
    EXPECT_TRUE(plain(rev_lamp));
    EXPECT_TRUE(plain(stop_lamp));

    pw().device.speed_index = -4;
    compose();
    EXPECT_TRUE(shows({327, 6}, lit({327, 6, 12, 2})));
    EXPECT_TRUE(plain({rev.x, 6, 327 - rev.x, 2}));
    EXPECT_TRUE(plain(fwd));
    EXPECT_TRUE(shows({340, 4}, lit(rev_lamp)));
    EXPECT_TRUE(shows({356, 4}, lit(stop_lamp)));
}

TEST_F(FaceComposition, TypedKeypadNumberBlinks) {
    pw().settings.keypad_mode = 1;
    pw().transport.keypad_number = 123;
    pw().transport.keypad_number_ticks = 70;
    const SpriteRect hundreds_ground{kKeypadNumberX[0] + kKeypadSheetOffset, kKeypadNumberY, 7, 15};
    for (int pass = 0; pass < 40; ++pass) {
        compose();
        const int left = pw().transport.keypad_number_ticks;
        ASSERT_EQ(left, 69 - pass);
        const bool hidden = left % 15 >= 9;
        EXPECT_EQ(shows({kKeypadNumberX[0], kKeypadNumberY}, cell(SpriteId::KeypadDigitsLit, 1)),
                  !hidden)
            << left;
        EXPECT_EQ(shows({kKeypadNumberX[0], kKeypadNumberY}, hundreds_ground), hidden) << left;
        if (!hidden) {
            EXPECT_TRUE(
                shows({kKeypadNumberX[1], kKeypadNumberY}, cell(SpriteId::KeypadDigitsLit, 2)));
            EXPECT_TRUE(
                shows({kKeypadNumberX[2], kKeypadNumberY}, cell(SpriteId::KeypadDigitsLit, 3)));
        }
    }
}

// A clicked key shows pressed on the pass that carries out its release,
// and then no more.
TEST_F(FaceComposition, ClickedKeypadKeyShowsPressedForOnePass) {
    pw().settings.keypad_mode = 1;
    const SpriteRect five = keypad_key(5)->rect;
    const SpriteRect pressed = lit({five.x + kKeypadSheetOffset, five.y, five.w, five.h});
    click(pw(), {five.x + 2, five.y + 2});
    compose();
    EXPECT_TRUE(shows({five.x, five.y}, pressed));
    EXPECT_EQ(pw().input.keypad_key, -1);
    compose();
    EXPECT_TRUE(shows({five.x, five.y}, {five.x + kKeypadSheetOffset, five.y, five.w, five.h}));
}

TEST_F(FaceComposition, ReleasedBadgeFallsFasterUntilGone) {
    FaceState& f = pw().face;
    f.badge_offset = {10, 2};
    f.badge_falling = 1;
    const SpriteRect badge = sprite(SpriteId::Badge).rect;
    // The badge's middle is opaque: it shows where the badge is drawn.
    const SpriteRect middle{badge.x + 30, badge.y + 10, 10, 8};
    std::vector<int> drops;
    int y = 2;
    while (pw().settings.badge_gone == 0) {
        ASSERT_LT(drops.size(), 30u);
        compose();
        EXPECT_TRUE(shows({kBadgeHome.x + 10 + 30, kBadgeHome.y + y + 10}, middle)) << y;
        drops.push_back(f.badge_offset.y - y);
        y = f.badge_offset.y;
    }
    // Steps 1 on of the fall table, its last step repeating, until the top
    // passed 84 rows below home.
    EXPECT_EQ(drops, (std::vector<int>{0, 1, 0, 1, 0, 1, 1,  0,  1,  1, 1,
                                       2, 2, 2, 3, 5, 8, 10, 15, 15, 15}));
    EXPECT_GT(y, 84);
    EXPECT_LE(y - 15, 84);
    compose();
    EXPECT_TRUE(plain({kBadgeHome.x, kBadgeHome.y, badge.w, badge.h}));
}

// One column of the display field: the text column it shows, or -1.
std::vector<int> field_columns(int s, int width) {
    std::vector<int> columns(kScrollFieldWidth, -1);
    const ScrollView view = scroll_view(s, width);
    for (int i = 0; i < view.count; ++i)
        for (int k = 0; k < view.pieces[i].width; ++k) {
            EXPECT_EQ(columns[size_t(view.pieces[i].field_x + k)], -1) << "overlap at s " << s;
            columns[size_t(view.pieces[i].field_x + k)] = view.pieces[i].text_x + k;
        }
    return columns;
}

TEST(DisplayScroll, ShortAndLongTitlesScrollRoundWithAGap) {
    for (int width : {100, 402}) {
        // After an open the line enters from the right.
        int s = -141;
        std::vector<int> before = field_columns(s, width);
        EXPECT_EQ(before, std::vector<int>(141, -1));
        int wraps = 0;
        for (int step = 0; step < 2 * (width + 200) / 4; ++step) {
            const int next = wrap_scroll(s + 4, width);
            const std::vector<int> after = field_columns(next, width);
            if (next == s + 4) {
                // The field moves 4 columns left; new columns come in at the right.
                for (int x = 0; x + 4 < 141; ++x)
                    ASSERT_EQ(after[size_t(x)], before[size_t(x + 4)]) << width << " s " << next;
            } else {
                // At the line's end it starts over at -50, where the text
                // after the gap stood, within the 4 pixels of one step.
                ++wraps;
                EXPECT_EQ(next, -50);
                EXPECT_EQ(after[50], 0);
                const int restart = width - s + 50;
                EXPECT_LE(restart - 4, 50);
                EXPECT_GE(restart, 50);
            }
            // A gap of 50 blank columns lies between the line's end and its
            // start wherever both show.
            for (int x = 0; x + 1 < 141; ++x)
                if (after[size_t(x)] == width - 1 && x + 51 < 141) {
                    for (int g = 1; g <= 50; ++g)
                        EXPECT_EQ(after[size_t(x + g)], -1);
                    EXPECT_EQ(after[size_t(x + 51)], 0);
                }
            before = after;
            s = next;
        }
        EXPECT_GE(wraps, 2) << width;
    }
}

// The title field in its own mode shows the line it has now, whatever it
// showed before.
TEST_F(FaceComposition, TitleFieldFollowsItsLine) {
    auto show_line = [](rq::Player& pw, RecordingText& text, const std::string& line) {
        pw.settings.title_field_mode = 1;
        pw.settings.badge_gone = 1;
        pw.media.title_field_width =
            render_canvas_strip(pw.skin.text_canvas, text, kTitleFieldStrip, line);
        compose_face(pw);
    };
    auto field = [](const rq::Player& pw) {
        std::string bytes;
        for (int y = kTitleField.y; y < kTitleField.y + kTitleField.h; ++y)
            bytes.append(
                reinterpret_cast<const char*>(pw.skin.face_buffer.row(y)) + kTitleField.x * 3,
                size_t(kTitleField.w) * 3);
        return bytes;
    };
    Player fresh;
    fresh.start();
    // Two lines as wide as each other, so they stand at the same margin.
    show_line(*fresh.pw, fresh.text, "Two line of a title |");
    show_line(pw(), p.text, "One line of a title |");
    const std::string first = field(pw());
    show_line(pw(), p.text, "Two line of a title |");
    EXPECT_NE(field(pw()), first);
    EXPECT_EQ(field(pw()), field(*fresh.pw));
}

TEST_F(FaceComposition, UnchangedFaceIsNotPresentedAgain) {
    p.main_ticks(20);  // the shuttle's dot has faded out
    const int presents = p.host.presents;
    p.main_ticks(5);
    EXPECT_EQ(p.host.presents, presents);
    EXPECT_EQ(pw().face.drawn, 0);  // not even drawn
    pw().settings.shuffle = 1;
    p.main_ticks(1);
    EXPECT_EQ(p.host.presents, presents + 1);
}

}  // namespace
}  // namespace rq::test
