#pragma once
// The full-screen control panel. It records events in its mailbox; the
// tick carries them out.

namespace rq {

class ControlPanel {
  public:
    bool has_window = false;
};

}  // namespace rq
