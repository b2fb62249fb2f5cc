#pragma once
// The persisted settings, one member per slot of "RQ01.CFG". The last
// playlist file (slot 18) lives in the main window's text store instead.

#include <array>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace rq {

struct Settings {
    Point main_window_pos{0, 0};  // slots 1, 2: screen pixels
    // slots 3, 4: below the face, where a position off the screen also goes
    Point video_window_pos{0, 92};
    int wheel_mode_playing = 0;  // 0 MODE1 seconds, 1 MODE2 30 ms units
    int wheel_mode_paused = 0;   // 0 MODE1 frame steps, 1 MODE2 30 ms units
    int reserved = 0;            // slot 7: kept, never used
    int maximized_click_mode = 0;
    int hide_cursor_maximized = 0;
    int panel_scan_mode = 0;  // 0..6
    int panel_mask_a = 0;     // percent, 0..25
    int panel_mask_b = 0;
    int paused_search_slow = 0;
    int always_on_top = 0;
    int shuffle = 0;
    int repeat = 1;
    std::string current_folder;  // slot 17: folder of the last file, trailing "/"
    // slot 18: the last playlist file, kept in the main window's store 1061
    struct {
        int x = 10, y = 10, w = 200, h = 320;
    } editor_rect;  // slots 19..22: playlist editor, pixels
    int save_video_size = 0;
    int video_size_mode = 1;      // -1 off, 0 half, 1 normal, 2 double, 3 desktop
    int fullscreen_fit_mode = 4;  // 4 keep aspect, 5 stretch
    int autoplay = 1;
    std::string background_name;  // slot 27: file name inside "bg"
    // slots 28..35: milliseconds per search tick, indexed by
    // 4 * right button + 2 * paused + backward
    std::array<int, 8> search_step_table{2000, -2000, 34, -33, 34, -33, 2000, -2000};
    int keypad_mode = 0;
    int index_beside_file = 0;
    int power_saving_off = 0;
    int caption_flag = 0;
    int title_field_mode = 0;
    int time_display_mode = 2;  // 0 raw position, 1 elapsed, 2 remaining
    int badge_gone = 0;
};

inline constexpr std::array<int, 8> kDefaultSearchSteps{2000, -2000, 34, -33, 34, -33, 2000, -2000};
inline constexpr int kSettingsSlots = 42;

// Fills the template with the values: for each slot the template's text up
// to its "=", then "=", the value and CR LF. Empty when the template holds
// no "=" at all.
std::string render_settings(std::string_view tmpl, const Settings& s,
                            const std::string& last_list_file);

// Takes the values of a settings file, slot by slot, with the position,
// video-size and search-speed rules. Anything that does not parse keeps
// the value `s` already holds.
void parse_settings(std::string_view text, Settings& s, std::string& last_list_file, Size desktop);

}  // namespace rq
