#pragma once
// Draws the skin sheet: both faces in both looks and every sprite, from
// the rectangles of the sprite table.

#include <QImage>

namespace rq::art {

// A 640 x 400 sheet, RGB32.
QImage draw_sheet();

// The white text canvas with its corner mark.
QImage draw_text_canvas();

// The icon, `size` pixels square, with transparency: the window's at 64,
// the desktop theme's at 16 to 256.
QImage draw_icon(int size = 64);

}  // namespace rq::art
