#pragma once
// Files dragged onto a window: an event filter that accepts drags carrying
// local files and hands their paths, in drop order, to the player.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace rq {

class DropFilter : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(const std::vector<std::string>& paths)>;
    // The watched widget must accept drops (QWidget::setAcceptDrops).
    explicit DropFilter(Handler handler, QObject* parent = nullptr)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Handler handler_;
};

}  // namespace rq
