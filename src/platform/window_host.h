#pragma once
// What the player asks of the window system for its main window. The Qt
// face window implements it; a headless run records the calls.

#include <string>
#include <vector>

#include "platform/geometry.h"

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
    bool move = true;  // false: keep position and size, only the order and showing
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
    // The window's shape: the union of the rectangles, in window pixels.
    virtual void set_region(const std::vector<Rect>& rects) = 0;
    virtual bool minimized() const = 0;
    // Minimises the window (the face's minimise button).
    virtual void minimize() = 0;
    // Lets the window system move the window with the pointer while the
    // left button stays down, as dragging a caption would.
    virtual void start_system_move() = 0;
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

}  // namespace rq
