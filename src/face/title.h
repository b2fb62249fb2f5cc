#pragma once
// The display line, where the file's line or title scrolls or the current
// timed-text line stands, and the title field that can show the title or
// the timed text in the title bar's colour.

#include "face/control.h"

namespace rq {

// The display field's scroll rule. The field shows a text strip W pixels
// wide at scroll s: while s <= 0 the text enters from the right (its first
// s + 141 pixels at the field's right end); while s > 0 the field shows the
// text from column s, and once fewer than 141 pixels remain, a 50-pixel
// gap follows and the text starts again.
struct ScrollPiece {
    int text_x;   // first text column
    int field_x;  // where it lands in the field
    int width;    // columns, above 0
};
struct ScrollView {
    ScrollPiece pieces[2];
    int count = 0;
};
inline constexpr int kScrollFieldWidth = 141;
inline constexpr int kScrollGap = 50;
ScrollView scroll_view(int s, int text_width);
// Once the scroll reaches the text's end it goes back to -50, where the
// text that started again after the gap already stood.
int wrap_scroll(int s, int text_width);

struct Title {
    // A left press on the display line steps through its lines: the
    // file's, the title, the timed text.
    static void display_line_press(Player& p);
    // A right press on the title field switches its own line on and off.
    static void title_field_press(Player& p);
    // Where the pointer is: over the title field the seek knob shows.
    static void hover(Player& p, Point pt);

    // Face pass step: the title's paced scroll, the timed text's line on
    // the canvas, and whether the title field's strip is staged afresh.
    static void step(Player& p, FaceFrame& f);
    // After the drawing: a paced step counts the zoom display down.
    static void after_drawing(Player& p, const FaceFrame& f);
    static void draw(const Player& p, const FaceFrame& f, FaceCanvas& c);
};

}  // namespace rq
