#pragma once
// The mouse cursor as the player counts it: hidden while its display count
// is below 0, and held inside an area while confined.

#include <QObject>
#include <QRect>
#include <optional>

#include "platform/geometry.h"

namespace rq {

class QtCursor : public QObject {
  public:
    ~QtCursor() override;
    // Moves the display count by one; the new count.
    int show(bool show);
    Point pos() const;
    void set_pos(Point at);
    void confine(std::optional<Rect> area);

  protected:
    // Every mouse move outside the area puts the cursor back inside it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int count_ = 0;
    std::optional<QRect> area_;
};

}  // namespace rq
