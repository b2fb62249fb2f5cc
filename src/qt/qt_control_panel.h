#pragma once
// The full-screen control panel on Qt.

#include "qt/qt_popup_windows.h"

namespace rq {

class QtControlPanel : public QtWindow<ControlPanel> {
  public:
    QtControlPanel();
    void show_values() override;
};

}  // namespace rq
