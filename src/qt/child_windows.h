#pragma once
// The main window's child windows on Qt, as PlayerEnv names them.

#include "platform/popup_windows.h"
#include "qt/editor_window.h"
#include "qt/full_screen_windows.h"
#include "qt/picture_targets.h"
#include "qt/qt_control_panel.h"
#include "qt/video_window.h"

namespace rq {

class QtDesktopTarget : public DesktopTarget {
  public:
    explicit QtDesktopTarget(PictureTargets& targets) : targets_(targets) {}
    int handle() override { return targets_.desktop_target(); }
    void hide() override { targets_.hide_desktop_target(); }

  private:
    PictureTargets& targets_;
};

// All six, as the main window's PlayerEnv names them.
struct QtChildWindows {
    explicit QtChildWindows(PictureTargets& targets);
    ChildWindows windows();

    QtFullScreenInput full_screen_input;
    QtVideoWindow video_window;
    QtCaptionOverlay caption_overlay;
    QtControlPanel control_panel;
    QtEditorWindow editor;
    QtDesktopTarget desktop;
};

}  // namespace rq
