#pragma once
// The freedesktop ScreenSaver inhibit call on the session bus. Without a
// bus or a screen saver service nothing happens.

#include <cstdint>

#include "platform/screen_saver.h"

namespace rq {

class DbusScreenSaver : public ScreenSaver {
  public:
    ~DbusScreenSaver() override;
    void keep_awake() override;
    void release() override;

  private:
    uint32_t cookie_ = 0;
    bool held_ = false;
};

}  // namespace rq
