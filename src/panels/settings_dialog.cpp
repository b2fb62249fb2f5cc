#include "panels/settings_dialog.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/player.h"
#include "platform/list_store.h"
#include "platform/path_util.h"
#include "skin/skin_setup.h"

namespace fs = std::filesystem;

namespace rq {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

SettingsDialogValues dialog_values(const Settings& s) {
    SettingsDialogValues v;
    v.wheel_mode_playing = s.wheel_mode_playing;
    v.wheel_mode_paused = s.wheel_mode_paused;
    v.paused_search_slow = s.paused_search_slow;
    v.background_name = s.background_name;
    v.search_step_table = s.search_step_table;
    v.index_beside_file = s.index_beside_file;
    v.power_saving_off = s.power_saving_off;
    v.maximized_click_mode = s.maximized_click_mode;
    v.hide_cursor_maximized = s.hide_cursor_maximized;
    v.always_on_top = s.always_on_top;
    v.save_video_size = s.save_video_size;
    v.autoplay = s.autoplay;
    return v;
}

void apply_dialog_values(const SettingsDialogValues& v, Settings& s) {
    s.wheel_mode_playing = v.wheel_mode_playing;
    s.wheel_mode_paused = v.wheel_mode_paused;
    s.paused_search_slow = v.paused_search_slow;
    s.background_name = v.background_name;
    s.search_step_table = v.search_step_table;
    s.index_beside_file = v.index_beside_file;
    s.power_saving_off = v.power_saving_off;
    s.maximized_click_mode = v.maximized_click_mode;
    s.hide_cursor_maximized = v.hide_cursor_maximized;
    s.always_on_top = v.always_on_top;
    s.save_video_size = v.save_video_size;
    s.autoplay = v.autoplay;
}

std::vector<std::string> background_choices(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code type_ec;
        if (it->is_directory(type_ec)) continue;
        std::string name = it->path().filename().native();
        const size_t dot = name.rfind('.');
        if (dot != std::string::npos && equal_nocase(std::string_view(name).substr(dot), ".bmp"))
            files.push_back(std::move(name));
    }
    // Names that differ only in case keep a fixed order by their bytes.
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        if (ListStore::less_nocase(a, b)) return true;
        if (ListStore::less_nocase(b, a)) return false;
        return a < b;
    });
    files.insert(files.begin(), kDefaultBackgroundName);
    return files;
}

int background_choice_index(const std::vector<std::string>& choices, std::string_view name) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (equal_nocase(choices[i], name)) return static_cast<int>(i);
    return 0;
}

std::optional<int> parse_search_step(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void open_settings_dialog(Player& p) {
    // A search or slow motion would go on unseen behind a modal dialog.
    if (p.device.speed_index != 0) return;
    const std::vector<std::string> choices = background_choices(p.files_folder + "bg/");
    const int selected = background_choice_index(choices, p.settings.background_name);
    const std::optional<SettingsDialogValues> edited =
        p.env.settings_dialog.run(dialog_values(p.settings), choices, selected);
    if (!edited) return;

    const std::string old_background = p.settings.background_name;
    apply_dialog_values(*edited, p.settings);
    if (p.settings.background_name != old_background) p.tick.background_changed = 1;
    const Point at = p.settings.main_window_pos;
    p.host().place({at.x, at.y, p.main_window_width(), kMainWindowHeight,
                    p.settings.always_on_top ? ZOrder::TopMost : ZOrder::NotTopMost, true, true});
}

}  // namespace rq
