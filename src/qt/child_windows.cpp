#include "qt/child_windows.h"

namespace rq {

QtChildWindows::QtChildWindows(PictureTargets& targets)
    : full_screen_input(targets),
      video_window(targets),
      caption_overlay(),
      control_panel(),
      desktop(targets) {}

ChildWindows QtChildWindows::windows() {
    return {full_screen_input, video_window, caption_overlay, control_panel, editor, desktop};
}

}  // namespace rq
