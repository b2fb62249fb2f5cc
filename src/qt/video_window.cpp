#include "qt/video_window.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "panels/popup_input.h"

namespace rq {

namespace {

// The video window: a press anywhere drags it.
class VideoWidget : public QWidget {
  protected:
    void mousePressEvent(QMouseEvent* e) override { start_move(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { start_move(e); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (dragging_ && (e->buttons() & Qt::LeftButton))
            move(e->globalPosition().toPoint() - grab_);
    }
    void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

  private:
    void start_move(QMouseEvent* e) {
        if (e->button() != Qt::LeftButton) return;
        // The window manager moves it when it can; otherwise we follow the mouse.
        if (windowHandle() && windowHandle()->startSystemMove()) return;
        dragging_ = true;
        grab_ = e->globalPosition().toPoint() - pos();
    }
    bool dragging_ = false;
    QPoint grab_;
};

}  // namespace

QtVideoWindow::QtVideoWindow(PictureTargets& targets)
    : QtWindow<VideoWindow>(&targets, [] {
          return make_popup_widget(std::make_unique<VideoWidget>(), "RQ810Z Video", kBorderless);
      }) {
    popup.watcher.moved = [this](QPoint at) { video_window_moved(*this, {at.x(), at.y()}); };
    popup.watcher.close_requested = [] {};
}

void QtVideoWindow::place(const WindowPlacement& p) {
    WindowPlacement fit = p;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && fit.move && fit.w > 0 && fit.h > 0) {
        const QRect desk = screen->virtualGeometry();
        fit.w = std::min(fit.w, std::max(1, desk.right() + 1 - fit.x));
        fit.h = std::min(fit.h, std::max(1, desk.bottom() + 1 - fit.y));
    }
    popup.place(fit);
}

}  // namespace rq
