#pragma once
// A 3 x 5 pixel font for the sheet's tiny labels and lamps, so they stay
// sharp at the sizes the face gives them.

#include <QColor>
#include <QImage>
#include <string_view>

namespace rq::art {

// Draws `text` with its top-left corner at x, y; 4 pixels per character.
// Unknown characters leave a gap.
void pixel_text(QImage& image, int x, int y, std::string_view text, QColor colour);

// The same with the 5 x 7 font (logo and badge): 6 pixels per character.
void pixel_text_large(QImage& image, int x, int y, std::string_view text, QColor colour);

// Width in pixels of `text` as pixel_text draws it (no trailing gap).
int pixel_text_width(std::string_view text);
int pixel_text_large_width(std::string_view text);

}  // namespace rq::art
