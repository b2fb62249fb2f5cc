#pragma once
// The main window's five child windows and the desktop picture target, as
// the player sees them. Each window is created on demand and may be
// destroyed and created again; the object and its request cells last for
// the whole run. The Qt windows implement these; a headless run uses fakes.
// A window's request cells are written by the window and read (and, for
// read-and-clear cells, cleared) by the tick.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/window_host.h"

namespace rq {

// What the child windows tell the main window, by code.
enum class Notice : int {
    TogglePanel = 1,      // a full-screen window asks for the control panel (any unknown code too)
    LeaveFullScreen = 5,  // a right click in full screen
    EditorClosed = 20,    // the playlist editor was closed
    EditorFocus = 21,     // the editor gives the keyboard back
};

class PopupWindow {
  public:
    virtual ~PopupWindow() = default;
    virtual bool exists() const = 0;
    // Creates the window hidden; does nothing when it exists.
    virtual void create() = 0;
    virtual void destroy() = 0;
    virtual void place(const WindowPlacement& p) = 0;
    virtual bool visible() const = 0;
    // Screen rectangle; empty while the window does not exist.
    virtual Rect rect() const = 0;
    // The picture-target handle that "window movie handle %d" names; 0
    // while the window does not exist (and for windows that never carry
    // the picture).
    virtual int handle() const = 0;
};

// What a scroll bar reports, for either orientation: "back" is up or
// left, "forward" down or right.
enum class ScrollAction {
    LineBack,
    LineForward,
    PageBack,
    PageForward,
    ToStart,
    ToEnd,
    Thumb,      // tracking or dropped at a reported position
    EndScroll,  // the scroll is over; the position stays
};

// The plain window that carries the picture while not in full screen.
class VideoWindow : public PopupWindow {
  public:
    Point video_pos;        // its position, updated on every move; saved at shutdown
    int video_snapped = 0;  // read-and-clear: a move was snapped, re-apply the video geometry
};

// The cells of either full-screen window.
struct OverlayMailbox {
    int overlay_wheel = 0;       // read-and-clear: +1 / -1 from its scroll bar
    int overlay_middle = 0;      // read-and-clear: a middle click asks for play/pause
    int overlay_click = 0;       // read-and-clear: a left click asks for play/pause
    int overlay_click_mode = 0;  // 1: a left click toggles play/pause; 0: it toggles the panel
};

// A full-screen window that takes the mouse: its handlers only write the
// mailbox or send a notice to the main window.
class OverlayWindow : public PopupWindow {
  public:
    OverlayMailbox mailbox;
    // The main window's notification handler, by code; set by the main window.
    std::function<void(int code)> notify;

    // Puts the hidden scroll bar at x, 0, 20 x 40, reset to 0..2 at 1.
    virtual void move_scroll_bar(int x) = 0;
};

// Covers the screen in full screen, shows the picture and takes the mouse.
class FullScreenInput : public OverlayWindow {};

// The caption strip of full screen: a screen-covering window shaped to a
// strip at the bottom, on which the current timed-text line is painted.
class CaptionOverlay : public OverlayWindow {
  public:
    // The window's shape, the union of the rectangles in window pixels; no
    // rectangle at all leaves nothing of the window to see or to click.
    virtual void set_region(const std::vector<Rect>& rects) = 0;
    // Moves the strip the text is painted on, in window pixels.
    virtual void caption_move(const Rect& r) = 0;
    // Fills the strip's top-left `width` x `height` black and draws `text`
    // (UTF-8) in white at x, 3 with a fixed-pitch Japanese font whose cells
    // are `font_height` pixels high.
    virtual void draw_caption(const std::string& text, int x, int width, int height,
                              int font_height) = 0;
};

// The cells of the control panel; they outlast its window.
struct PanelMailbox {
    int panel_length = 0;        // media length in device units, scales the seek slider
    int panel_volume_pos = 0;    // volume slider 0..2048
    int panel_seek_target = 0;   // seek target from the seek slider, device units
    int panel_seek_event = 0;    // 1: the seek slider moved
    int panel_volume_event = 0;  // 2: the volume slider moved
    int panel_button_event = 0;  // 3: BACK, PLAY/PAUSE or NEXT was pressed
    int panel_button_code = 0;   // 0 or 1 play/pause, 2 NEXT, 3 BACK, 10 none
    int panel_play_toggle = 0;   // 0, 1: flips with each PLAY/PAUSE press
    int panel_fit_event = 0;     // 4: the fit mode changed
    // Values the panel shows and the main window saves; the first three
    // come from hidden controls that do nothing else.
    int panel_scan_mode = 0;  // 0..6: "Off", "Auto", "Mode1" .. "Mode5"
    int panel_mask_a = 0;     // percent
    int panel_mask_b = 0;
    int panel_fit_mode = 0;  // 3 "FULL1" (keep aspect), 4 "FULL2" (stretch)
};

// The strip of controls at the bottom of the screen in full screen. Its
// controls only record events in the mailbox (panels/control_panel.h has
// the operations); the tick carries them out.
class ControlPanel : public PopupWindow {
  public:
    PanelMailbox mailbox;
    // What the controls hold, kept here so a new window shows it again.
    int seek_slider = 0;    // 0..2048
    int volume_slider = 0;  // 0..2048
    int caption = 0;        // the "Caption" check box
    Rect seek_slider_rect{10, 45, 0, 12};
    Rect volume_slider_rect{0, 45, 150, 12};

    // The controls show the values above again.
    virtual void show_values() {}
};

// The playlist editor's controls that follow the window's size.
enum class EditorControl {
    List,     // the numbered rows
    PathBox,  // read-only: a folder or the last playlist file
    New,
    Load,
    Save,
    Sort,
    Delete,
    Up,
    Down,
    Random,
    Back,
    Count
};
// Where each control stands, in client pixels, indexed by EditorControl.
using EditorLayout = std::array<Rect, static_cast<std::size_t>(EditorControl::Count)>;

// The playlist editor's window; a view over the editor's rows.
class EditorWindow : public PopupWindow {
  public:
    virtual void lay_out(const EditorLayout& layout) = 0;
};

// A borderless window below all others covering the screen: the picture's
// target in the desktop size mode.
class DesktopTarget {
  public:
    virtual ~DesktopTarget() = default;
    // Shows it and returns its handle.
    virtual int handle() = 0;
    virtual void hide() = 0;
};

// The child windows of the main window.
struct ChildWindows {
    FullScreenInput& full_screen_input;
    VideoWindow& video_window;
    CaptionOverlay& caption_overlay;
    ControlPanel& control_panel;
    EditorWindow& editor;
    DesktopTarget& desktop;
};

}  // namespace rq
