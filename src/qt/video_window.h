#pragma once
// The video window on Qt.

#include "qt/qt_popup_windows.h"

namespace rq {

// Dragged anywhere by a press on the picture; reports where it was moved.
// It never reaches past the desktop's far edges: nothing shows there, and a
// picture of 8192 x 8192 would otherwise ask for a window (and a backing
// store) of that size.
class QtVideoWindow : public QtWindow<VideoWindow> {
  public:
    explicit QtVideoWindow(PictureTargets& targets);
    void place(const WindowPlacement& p) override;
};

}  // namespace rq
