#pragma once
// Feeds KeyState from every key event of the application, wherever the
// focus is, and forgets held keys when the application loses focus.

#include <QObject>

#include "platform/key_state.h"

namespace rq {

class KeyFilter : public QObject {
  public:
    explicit KeyFilter(KeyState& keys, QObject* parent = nullptr) : QObject(parent), keys_(keys) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The virtual-key code of a Qt key event, or -1.
    static int virtual_key(int qt_key, quint32 native_scan_code);

  private:
    KeyState& keys_;
};

}  // namespace rq
