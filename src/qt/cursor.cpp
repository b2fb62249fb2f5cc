#include "qt/cursor.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <algorithm>

namespace rq {

QtCursor::~QtCursor() {
    confine(std::nullopt);
    if (count_ < 0 && qApp) QGuiApplication::restoreOverrideCursor();
}

int QtCursor::show(bool show) {
    const bool was_hidden = count_ < 0;
    count_ += show ? 1 : -1;
    const bool hidden = count_ < 0;
    if (hidden && !was_hidden) QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    if (!hidden && was_hidden) QGuiApplication::restoreOverrideCursor();
    return count_;
}

Point QtCursor::pos() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtCursor::set_pos(Point at) {
    QCursor::setPos(at.x, at.y);
}

void QtCursor::confine(std::optional<Rect> area) {
    if (area && area->w > 0 && area->h > 0) {
        if (!area_ && qApp) qApp->installEventFilter(this);
        area_ = QRect(area->x, area->y, area->w, area->h);
    } else {
        if (area_ && qApp) qApp->removeEventFilter(this);
        area_.reset();
    }
}

bool QtCursor::eventFilter(QObject* watched, QEvent* event) {
    if (area_ && event->type() == QEvent::MouseMove) {
        const QPoint at = QCursor::pos();
        if (!area_->contains(at))
            QCursor::setPos(std::clamp(at.x(), area_->left(), area_->right()),
                            std::clamp(at.y(), area_->top(), area_->bottom()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rq
