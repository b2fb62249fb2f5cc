#include <string>
#include <string_view>

#include "core/settings.h"
#include "platform/mci_channel.h"

namespace rq {

namespace {

enum class SlotKind { Int, Text, ListFile };

struct Slot {
    SlotKind kind;
    int* (*int_field)(Settings&);
    std::string* (*text_field)(Settings&);
};

#define INT_SLOT(expr)                                                      \
    Slot {                                                                  \
        SlotKind::Int, [](Settings& s) -> int* { return &(expr); }, nullptr \
    }
#define TEXT_SLOT(expr)                                                              \
    Slot {                                                                           \
        SlotKind::Text, nullptr, [](Settings& s) -> std::string* { return &(expr); } \
    }

// One row per slot, in file order.
const Slot kSlots[kSettingsSlots] = {
    INT_SLOT(s.main_window_pos.x),
    INT_SLOT(s.main_window_pos.y),
    INT_SLOT(s.video_window_pos.x),
    INT_SLOT(s.video_window_pos.y),
    INT_SLOT(s.wheel_mode_playing),
    INT_SLOT(s.wheel_mode_paused),
    INT_SLOT(s.reserved),
    INT_SLOT(s.maximized_click_mode),
    INT_SLOT(s.hide_cursor_maximized),
    INT_SLOT(s.panel_scan_mode),
    INT_SLOT(s.panel_mask_a),
    INT_SLOT(s.panel_mask_b),
    INT_SLOT(s.paused_search_slow),
    INT_SLOT(s.always_on_top),
    INT_SLOT(s.shuffle),
    INT_SLOT(s.repeat),
    TEXT_SLOT(s.current_folder),
    Slot{SlotKind::ListFile, nullptr, nullptr},
    INT_SLOT(s.editor_rect.x),
    INT_SLOT(s.editor_rect.y),
    INT_SLOT(s.editor_rect.w),
    INT_SLOT(s.editor_rect.h),
    INT_SLOT(s.save_video_size),
    INT_SLOT(s.video_size_mode),
    INT_SLOT(s.fullscreen_fit_mode),
    INT_SLOT(s.autoplay),
    TEXT_SLOT(s.background_name),
    INT_SLOT(s.search_step_table[0]),
    INT_SLOT(s.search_step_table[1]),
    INT_SLOT(s.search_step_table[2]),
    INT_SLOT(s.search_step_table[3]),
    INT_SLOT(s.search_step_table[4]),
    INT_SLOT(s.search_step_table[5]),
    INT_SLOT(s.search_step_table[6]),
    INT_SLOT(s.search_step_table[7]),
    INT_SLOT(s.keypad_mode),
    INT_SLOT(s.index_beside_file),
    INT_SLOT(s.power_saving_off),
    INT_SLOT(s.caption_flag),
    INT_SLOT(s.title_field_mode),
    INT_SLOT(s.time_display_mode),
    INT_SLOT(s.badge_gone),
};

#undef INT_SLOT
#undef TEXT_SLOT

// A settings value: leading blanks, then a decimal conversion.
int to_int(std::string_view v) {
    size_t i = 0;
    while (i < v.size() && (v[i] == ' ' || v[i] == '\t'))
        ++i;
    return parse_int(v.substr(i));
}

}  // namespace

std::string render_settings(std::string_view tmpl, const Settings& in,
                            const std::string& last_list_file) {
    Settings s = in;  // the accessors take a mutable record
    std::string out;
    size_t pos = 0;
    for (const Slot& slot : kSlots) {
        size_t eq = tmpl.find('=', pos);
        if (eq == std::string_view::npos) break;
        out.append(tmpl.substr(pos, eq - pos));
        out += '=';
        size_t lf = tmpl.find('\n', eq);
        pos = lf == std::string_view::npos ? tmpl.size() : lf + 1;
        switch (slot.kind) {
            case SlotKind::Int:
                out += std::to_string(*slot.int_field(s));
                break;
            case SlotKind::Text:
                out += *slot.text_field(s);
                break;
            case SlotKind::ListFile:
                out += last_list_file;
                break;
        }
        out += "\r\n";
    }
    return out;
}

void parse_settings(std::string_view text, Settings& s, std::string& last_list_file, Size desktop) {
    bool bad_main = false, bad_video = false, bad_editor = false, bad_speeds = false;
    size_t pos = 0;
    for (int n = 1; n <= kSettingsSlots; ++n) {
        size_t eq = text.find('=', pos);
        if (eq == std::string_view::npos) break;
        size_t end = text.find_first_of("\r\n", eq + 1);
        if (end == std::string_view::npos) end = text.size();
        std::string_view value = text.substr(eq + 1, end - eq - 1);
        // The next slot starts on a later line, so an "=" inside a text
        // value (a folder named "a=b") does not shift the slots.
        pos = end;

        const Slot& slot = kSlots[n - 1];
        if (slot.kind == SlotKind::ListFile) {
            last_list_file = std::string(value);
            continue;
        }
        if (slot.kind == SlotKind::Text) {
            *slot.text_field(s) = std::string(value);
            continue;
        }
        int v = to_int(value);
        switch (n) {
            case 1:
            case 2:
            case 3:
            case 4:
            case 19:
            case 20: {
                // x slots are odd (1, 3, 19), y slots even; a value at or
                // above 64000 passes whatever the desktop's size.
                const int limit = n % 2 ? desktop.w : desktop.h;
                bool& bad = n <= 2 ? bad_main : n <= 4 ? bad_video : bad_editor;
                if (v < limit || v >= 64000)
                    *slot.int_field(s) = v;
                else
                    bad = true;
                break;
            }
            case 24:
                s.video_size_mode = s.save_video_size == 1 ? v : 1;
                break;
            case 25:
                s.fullscreen_fit_mode = s.save_video_size == 1 ? v : 4;
                break;
            default:
                if (n >= 28 && n <= 35 && value.empty())
                    bad_speeds = true;
                else
                    *slot.int_field(s) = v;
        }
    }
    if (bad_main) s.main_window_pos = {0, 0};
    if (bad_video) s.video_window_pos = {0, 92};
    if (bad_editor) {
        s.editor_rect.x = 10;
        s.editor_rect.y = 100;
    }
    if (bad_speeds) s.search_step_table = kDefaultSearchSteps;
}

}  // namespace rq
