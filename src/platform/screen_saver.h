#pragma once
// Keeps the desktop's screen saver and display power saving from starting
// while the player shows a picture full screen.

namespace rq {

class ScreenSaver {
  public:
    virtual ~ScreenSaver() = default;
    // Holds the screen saver off until release(); calling again while held
    // only renews the hold.
    virtual void keep_awake() = 0;
    // Lets the screen saver run again; nothing when not held.
    virtual void release() = 0;
};

}  // namespace rq
