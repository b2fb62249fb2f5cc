#pragma once
// Draws the skin sheet: both faces in both looks and every sprite, from
// the rectangles of the sprite table.

#include <QImage>

namespace rq::art {

// A 640 x 400 sheet, RGB32.
QImage draw_sheet();

// The white text canvas with its corner mark.
QImage draw_text_canvas();

// The window icon, 64 x 64, with transparency.
QImage draw_icon();

}  // namespace rq::art
