#pragma once
// The main window's five child windows and the desktop picture target, as
// the player sees them. Each window is created on demand and may be
// destroyed and created again; the object and its request cells last for
// the whole run. The Qt windows implement these; a headless run uses fakes.
// A window's request cells are written by the window and read (and, for
// read-and-clear cells, cleared) by the tick.

#include <array>
#include <string>

#include "platform/geometry.h"
#include "platform/window_host.h"

namespace rq {

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
    // while the window does not exist.
    virtual int handle() const = 0;
};

// The plain window that carries the picture while not in full screen.
class VideoWindow : public PopupWindow {
  public:
    Point video_pos;        // its position, saved at shutdown
    int video_snapped = 0;  // read-and-clear: re-apply the video geometry
};

// The cells the two full-screen windows share in form.
struct OverlayMailbox {
    int overlay_wheel = 0;   // read-and-clear: +1 / -1 from its scroll bar
    int overlay_middle = 0;  // read-and-clear: a middle click asks for play/pause
    int overlay_click = 0;   // read-and-clear: a left click asks for play/pause
    int click_mode = 0;      // 1: a left click toggles play/pause; 0: it toggles the panel
};

// Covers the screen in full screen, shows the picture and takes the mouse.
class FullScreenInput : public PopupWindow {
  public:
    OverlayMailbox mailbox;
};

// The caption strip of full screen.
class CaptionOverlay : public PopupWindow {
  public:
    OverlayMailbox mailbox;
};

// The panel that slides in at the bottom of the screen in full screen.
class ControlPanel : public PopupWindow {};

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
