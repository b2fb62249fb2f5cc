#pragma once
// The operation settings dialog as the core sees it: shown modally with a
// copy of the values it edits, it hands back the edited copy on OK and
// nothing on Cancel. The Qt side implements it; a test fakes it.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rq {

// The settings the dialog edits, under their settings names.
struct SettingsDialogValues {
    int wheel_mode_playing = 0;  // 0 MODE1, 1 MODE2
    int wheel_mode_paused = 0;   // 0 MODE1, 1 MODE2
    int paused_search_slow = 0;  // kept, not shown
    std::string background_name;
    std::array<int, 8> search_step_table{};  // ms, 4 * right + 2 * paused + backward
    int index_beside_file = 0;
    int power_saving_off = 0;
    int maximized_click_mode = 0;
    int hide_cursor_maximized = 0;
    int always_on_top = 0;
    int save_video_size = 0;
    int autoplay = 0;
    bool operator==(const SettingsDialogValues&) const = default;
};

class SettingsDialogUi {
  public:
    virtual ~SettingsDialogUi() = default;
    // `backgrounds` are the choices of the background list, "デフォルト"
    // first; `selected` is the one shown at first. background_name changes
    // only when the user picks another choice.
    virtual std::optional<SettingsDialogValues> run(const SettingsDialogValues& values,
                                                    const std::vector<std::string>& backgrounds,
                                                    int selected) = 0;
};

}  // namespace rq
