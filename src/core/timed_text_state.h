#pragma once
// The timed text of the open file and what the display field shows.

#include <array>

namespace rq {

inline constexpr int kIndexTimesSize = 3600;

struct TimedTextState {
    // Row k of timed_text_lines spans index_times[k] .. index_times[k + 1]
    // (ms). Entry 0 is 0 when a text file was loaded, -1 everywhere when not.
    std::array<int, kIndexTimesSize> index_times = filled(-1);
    bool loaded = false;         // a text file was read for the open file
    int index_time_count = 0;    // rows of timed_text_lines
    int index_segment = 0;       // the row whose span holds the position
    int title_redraw = 0;        // >= 1: rebuild the current line; counts down to 0
    int display_field_mode = 1;  // 0 file line, 1 title line, 2 timed text
    int line_width = 0;          // pixels: the line render_timed_text_line last put on the canvas

    bool table_loaded() const { return index_times[0] == 0; }

  private:
    static constexpr std::array<int, kIndexTimesSize> filled(int v) {
        std::array<int, kIndexTimesSize> a{};
        a.fill(v);
        return a;
    }
};

}  // namespace rq
