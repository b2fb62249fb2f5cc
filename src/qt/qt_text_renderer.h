#pragma once
// Text lines drawn with Qt straight into a surface's own bytes.

#include <QFont>

#include "skin/text_renderer.h"

namespace rq {

// The font of a text line: a Japanese proportional gothic (IPA P Gothic
// where installed) whose lines are at most `height` pixels high, drawn
// without smoothing so the face can key on black and white.
QFont text_line_font(int height);

class QtTextRenderer : public TextRenderer {
  public:
    void draw_text_line(SkinSurface& surface, const std::string& text, int x, int y,
                        int height) override;
};

}  // namespace rq
