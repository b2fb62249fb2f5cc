#pragma once
// The window system, text, dialogs and screen saver of a headless player:
// each records what it was asked, so a test can look.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/popup_windows.h"
#include "platform/screen_saver.h"
#include "platform/settings_dialog_ui.h"
#include "platform/window_host.h"
#include "skin/skin_surface.h"
#include "skin/text_renderer.h"

namespace rq::test {

class HeadlessHost : public WindowHost {
  public:
    Size desktop{1920, 1080};
    bool timer_fails = false;
    bool timer_running = false;
    int timer_period = 0;
    bool ended = false;
    int end_result = 0;
    bool is_minimized = false;
    std::string title;
    std::vector<Rect> region;
    std::vector<WindowPlacement> placements;
    int presents = 0;  // present_face calls
    int focus_calls = 0;
    int minimize_calls = 0;
    int system_moves = 0;  // start_system_move calls

    Size desktop_size() const override { return desktop; }
    void set_icon() override {}
    void accept_drops() override {}
    void place(const WindowPlacement& p) override { placements.push_back(p); }
    void set_title(const std::string& t) override { title = t; }
    void set_region(const std::vector<Rect>& rects) override { region = rects; }
    bool minimized() const override { return is_minimized; }
    void minimize() override {
        ++minimize_calls;
        is_minimized = true;
    }
    void start_system_move() override { ++system_moves; }
    bool start_timer(int period_ms) override {
        if (timer_fails) return false;
        timer_running = true;
        timer_period = period_ms;
        return true;
    }
    void kill_timer() override { timer_running = false; }
    void end_dialog(int result) override {
        ended = true;
        end_result = result;
    }
    void focus_scroll_bar() override { ++focus_calls; }
    void present_face() override { ++presents; }
};

// A window that exists or not, with the handle it would have.
template <typename Base>
class HeadlessWindow : public Base {
  public:
    explicit HeadlessWindow(int picture_handle) : picture_handle_(picture_handle) {}
    bool exists() const override { return exists_; }
    void create() override {
        if (!exists_) ++created;
        exists_ = true;
    }
    void destroy() override {
        exists_ = false;
        shown = false;
    }
    void place(const WindowPlacement& p) override {
        placements.push_back(p);
        if (p.move) at = {p.x, p.y, p.w, p.h};
        if (p.show) shown = exists_;
    }
    bool visible() const override { return exists_ && shown; }
    Rect rect() const override { return exists_ ? at : Rect{}; }
    int handle() const override { return exists_ ? picture_handle_ : 0; }

    int created = 0;
    bool shown = false;
    Rect at;
    std::vector<WindowPlacement> placements;

  private:
    int picture_handle_;
    bool exists_ = false;
};

class HeadlessDesktop : public DesktopTarget {
  public:
    int handle() override {
        shown = true;
        return 99;
    }
    void hide() override { shown = false; }
    bool shown = false;
};

// The editor's window remembers its layouts.
class HeadlessEditorWindow : public HeadlessWindow<EditorWindow> {
  public:
    using HeadlessWindow<EditorWindow>::HeadlessWindow;
    void lay_out(const EditorLayout& layout) override { layouts.push_back(layout); }
    std::vector<EditorLayout> layouts;
};

// Handles as the picture targets would number them.
inline constexpr int kVideoHandle = 2;
inline constexpr int kFullScreenHandle = 1;

struct HeadlessWindows {
    HeadlessWindow<FullScreenInput> full_screen_input{kFullScreenHandle};
    HeadlessWindow<VideoWindow> video_window{kVideoHandle};
    HeadlessWindow<CaptionOverlay> caption_overlay{3};
    HeadlessWindow<ControlPanel> control_panel{4};
    HeadlessEditorWindow editor{5};
    HeadlessDesktop desktop;

    ChildWindows windows() {
        return {full_screen_input, video_window, caption_overlay, control_panel, editor, desktop};
    }
};

// Remembers every line and renders it without fonts: each byte a block 5
// pixels wide and 2 less than the height, black where its bits say, 6
// pixels apart, on a white box as high as asked. The same text always
// gives the same pixels.
class RecordingText : public TextRenderer {
  public:
    void draw_text_line(SkinSurface& surface, const std::string& text, int x, int y,
                        int height) override {
        lines.push_back({text, y});
        if (!surface.loaded()) return;
        auto set = [&](int px, int py, uint8_t v) {
            if (px < 0 || py < 0 || px >= surface.width() || py >= surface.height()) return;
            uint8_t* at = surface.row(py) + px * 3;
            at[0] = at[1] = at[2] = v;
        };
        const int width = int(text.size()) * 6;
        for (int row = 0; row < height; ++row)
            for (int col = 0; col < width; ++col)
                set(x + col, y + row, 255);
        for (size_t i = 0; i < text.size(); ++i) {
            const unsigned c = static_cast<unsigned char>(text[i]);
            for (int row = 0; row + 2 < height; ++row)
                for (int col = 0; col < 5; ++col)
                    if (c >> ((row * 5 + col) % 8) & 1u) set(x + int(i) * 6 + col, y + row, 0);
        }
    }
    struct Line {
        std::string text;
        int y;
    };
    std::vector<Line> lines;
};

// Answers every dialog with `answer`.
class ScriptedDialogs : public FileDialogs {
  public:
    std::optional<std::string> answer;
    std::string filter, extension;
    int asked = 0;
    std::optional<std::string> open_file(const std::string& f, const std::string& ext) override {
        ++asked;
        filter = f;
        extension = ext;
        return answer;
    }
    std::optional<std::string> save_file(const std::string& f, const std::string& ext) override {
        return open_file(f, ext);
    }
    void message(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// The settings dialog: remembers what it was shown and answers with
// `edit` applied to the values (the user's changes and OK), or with
// nothing (Cancel) when `edit` is empty.
class ScriptedSettingsDialog : public SettingsDialogUi {
  public:
    std::function<void(SettingsDialogValues&)> edit;
    int shown = 0;
    SettingsDialogValues values;
    std::vector<std::string> backgrounds;
    int selected = -1;
    std::optional<SettingsDialogValues> run(const SettingsDialogValues& v,
                                            const std::vector<std::string>& choices,
                                            int first_choice) override {
        ++shown;
        values = v;
        backgrounds = choices;
        selected = first_choice;
        if (!edit) return std::nullopt;
        SettingsDialogValues out = v;
        edit(out);
        return out;
    }
};

class CountingScreenSaver : public ScreenSaver {
  public:
    void keep_awake() override {
        ++holds;
        held = true;
    }
    void release() override { held = false; }
    int holds = 0;
    bool held = false;
};

}  // namespace rq::test
