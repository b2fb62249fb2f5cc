#pragma once
// What the player asks of the window system for its main window. The Qt
// face window implements it; a headless test can use HeadlessHost.

#include <string>
#include <vector>

#include "app/settings.h"

namespace rq {

enum class ZOrder {
    Unchanged,
    Top,         // top of the ordinary windows
    TopMost,     // above every ordinary window
    NotTopMost,  // back among the ordinary windows
    Bottom,
};

struct WindowPlacement {
    int x = 0, y = 0, w = 0, h = 0;
    ZOrder z = ZOrder::Unchanged;
    bool show = true;
    bool activate = true;
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The desktop's client size in pixels.
    virtual Size desktop_size() const = 0;
    virtual void set_icon() = 0;
    virtual void accept_drops() = 0;
    virtual void place(const WindowPlacement& p) = 0;
    virtual void set_title(const std::string& title) = 0;
    // A periodic timer that calls the player's tick; false when it cannot run.
    virtual bool start_timer(int period_ms) = 0;
    virtual void kill_timer() = 0;
    // Ends the main window's run with the given result.
    virtual void end_dialog(int result) = 0;
    // Parks the keyboard focus on the hidden scroll bar.
    virtual void focus_scroll_bar() = 0;
    // Shows the top-left 407 x 93 of FaceBuffer on the window: the only way
    // the face reaches the screen. Schedules the paint; returns at once.
    virtual void present_face() = 0;
};

// A host without a screen: it records what it was asked.
class HeadlessHost : public WindowHost {
  public:
    Size desktop{1920, 1080};
    bool timer_fails = false;
    bool timer_running = false;
    int timer_period = 0;
    bool ended = false;
    int end_result = 0;
    std::string title;
    std::vector<WindowPlacement> placements;
    int presents = 0;  // present_face calls

    Size desktop_size() const override { return desktop; }
    void set_icon() override {}
    void accept_drops() override {}
    void place(const WindowPlacement& p) override { placements.push_back(p); }
    void set_title(const std::string& t) override { title = t; }
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
    void focus_scroll_bar() override {}
    void present_face() override { ++presents; }
};

}  // namespace rq
