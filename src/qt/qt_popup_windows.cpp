#include "qt/qt_popup_windows.h"

#include <QEvent>
#include <QPalette>

#include "qt/placement.h"

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

std::unique_ptr<QWidget> make_popup_widget(std::unique_ptr<QWidget> w, const QString& title,
                                           Qt::WindowFlags flags) {
    w->setWindowFlags(flags);
    w->setWindowTitle(title);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!w->autoFillBackground()) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, Qt::black);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
    return w;
}

QtPopup::QtPopup(PictureTargets* targets, Factory make)
    : targets_(targets), make_(std::move(make)) {}

QtPopup::QtPopup(PictureTargets& targets, QString title, Qt::WindowFlags flags)
    : QtPopup(&targets, [title, flags] {
          return make_popup_widget(std::make_unique<QWidget>(), title, flags);
      }) {}

QtPopup::~QtPopup() {
    destroy();
}

void QtPopup::create() {
    if (widget_) return;
    widget_ = make_();
    widget_->installEventFilter(&watcher);
    if (targets_) handle_ = targets_->add(widget_.get());
}

void QtPopup::destroy() {
    if (!widget_) return;
    if (targets_) targets_->remove(handle_);
    handle_ = 0;
    widget_->removeEventFilter(&watcher);
    widget_->hide();
    widget_.release()->deleteLater();
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

}  // namespace rq
