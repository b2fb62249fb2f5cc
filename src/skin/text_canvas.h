#pragma once
// Lines of text on TextCanvas: each lives in a 20-row strip, is rendered
// only when it changes and is measured so the face can scroll or centre it.

#include <string>

#include "skin/skin_surface.h"
#include "skin/text_renderer.h"

namespace rq {

struct CanvasStrip {
    int top;          // first canvas row; the strip is 20 rows by the full width
    int text_y;       // where the line's top is drawn (x is always 0)
    int text_height;  // pixels
    int measure_row;  // row handed to measure_text_end; -1: not measured
    int end_trim;     // subtracted from the measured end to give the width
};

inline constexpr int kCanvasStripHeight = 20;
inline constexpr CanvasStrip kFileStrip{20, 24, 12, 30, 4};        // file name and length
inline constexpr CanvasStrip kTitleStrip{40, 44, 12, 50, 4};       // title and artist
inline constexpr CanvasStrip kTimedTextStrip{60, 64, 10, 66, 2};   // current timed-text line
inline constexpr CanvasStrip kTitleFieldStrip{80, 84, 10, 86, 2};  // title line, smaller
inline constexpr int kDisplayFieldWidth = 144;
inline constexpr int kTitleFieldWidth = 234;

// Where the text on canvas row `row` ends: reads the blue byte of (0, row),
// then those of row + 1 from x 639 leftwards, and stops at the third change
// of value (starting from 0). 640 minus the reads, within 1..635; 1 for a
// blank row or a row that is not on the canvas.
int measure_text_end(const SkinSurface& canvas, int row);

// Whites out a strip by copying the canvas's blank rows 0..19 over it.
void clear_canvas_strip(SkinSurface& canvas, int top);

// Clears the strip, renders `text` into it and returns the line's width
// (0 for a strip that is not measured).
int render_canvas_strip(SkinSurface& canvas, TextRenderer& renderer, const CanvasStrip& strip,
                        const std::string& text);

// A measured line placed in a field: centred while narrower, else shown
// from its start with the width cut to the field.
struct FieldFit {
    int margin;
    int width;
};
FieldFit fit_to_field(int width, int field_width);

// The canvas lines' texts (UTF-8).
std::string file_line_text(const std::string& file_name, int length_seconds);
std::string title_line_text(const std::string& title, const std::string& artist);
std::string timed_text_line(const std::string& text);

}  // namespace rq
