#pragma once
// Text reaches a surface through this interface, so the player needs no
// font machinery; the Qt side implements it.

#include <string>

namespace rq {

class SkinSurface;

class TextRenderer {
  public:
    virtual ~TextRenderer() = default;
    // Renders one line of UTF-8 text, black on an opaque white box, its top
    // left corner at x, y and `height` pixels high. An empty surface is left
    // alone.
    virtual void draw_text_line(SkinSurface& surface, const std::string& text, int x, int y,
                                int height) = 0;
};

}  // namespace rq
