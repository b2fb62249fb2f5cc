#include "panels/qt_popup_windows.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <algorithm>

#include "platform/qt_placement.h"

namespace rq {

bool WindowWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move && moved) {
        moved(static_cast<QWidget*>(watched)->pos());
    } else if (event->type() == QEvent::Close && close_requested) {
        // The player decides when its windows close.
        event->ignore();
        close_requested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QtPopup::QtPopup(PictureTargets& targets, QString title, Qt::WindowFlags flags)
    : targets_(targets), title_(std::move(title)), flags_(flags) {}

QtPopup::~QtPopup() {
    destroy();
}

void QtPopup::create() {
    if (widget_) return;
    widget_ = std::make_unique<QWidget>(nullptr, flags_);
    widget_->setWindowTitle(title_);
    widget_->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
    widget_->installEventFilter(&watcher);
    handle_ = targets_.add(widget_.get());
}

void QtPopup::destroy() {
    if (!widget_) return;
    targets_.remove(handle_);
    handle_ = 0;
    widget_.reset();
}

void QtPopup::place(const WindowPlacement& p) {
    if (widget_) apply_placement(*widget_, p);
}

bool QtPopup::visible() const {
    return widget_ && widget_->isVisible();
}

Rect QtPopup::rect() const {
    if (!widget_) return {};
    const QRect r = widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

QtVideoWindow::QtVideoWindow(PictureTargets& targets)
    : QtWindow<VideoWindow>(targets, "RQ810Z Video", Qt::Window | Qt::FramelessWindowHint) {
    popup.watcher.moved = [this](QPoint at) { video_pos = {at.x(), at.y()}; };
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

QtChildWindows::QtChildWindows(PictureTargets& targets)
    : full_screen_input(targets, "RQ810Z", Qt::Window | Qt::FramelessWindowHint),
      video_window(targets),
      caption_overlay(targets, "RQ810Z", Qt::Window | Qt::FramelessWindowHint),
      control_panel(targets, "RQ810Z", Qt::Window | Qt::FramelessWindowHint),
      desktop(targets) {}

ChildWindows QtChildWindows::windows() {
    return {full_screen_input, video_window, caption_overlay, control_panel, editor, desktop};
}

}  // namespace rq
