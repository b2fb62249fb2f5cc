#pragma once
// The face composed into FaceBuffer from the sheet, in drawing order. Some
// steps also move the transport: held search buttons, the jog dial and
// shuttle ring, the speed preparation, the title's pace, the keypad's keys
// on the index marks, the badge's fall.

namespace rq {

class Player;

void compose_face(Player& p);

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

}  // namespace rq
