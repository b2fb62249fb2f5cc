#include "app/face_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cstring>
#include <utility>

#include "app/player_window.h"
#include "input/main_window_events.h"
#include "platform/qt_placement.h"
#include "platform/qt_scroll_bar.h"
#include "skin/builtin_resources.h"

namespace rq {

namespace {

// The part of FaceBuffer the window shows.
constexpr int kFaceWidth = 407;
constexpr int kFaceHeight = 93;

}  // namespace

FaceWindow::FaceWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setGeometry(-40, 0, 20, 40);  // outside the visible strip
    bar->setRange(0, 2);
    bar->setValue(1);
    scroll_bar_ = bar;
    connect(bar, &QAbstractSlider::actionTriggered, this, &FaceWindow::scroll_bar_action);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (player_) player_->timer_tick();
    });
}

Size FaceWindow::desktop_size() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {0, 0};
    QSize s = screen->geometry().size();
    return {s.width(), s.height()};
}

void FaceWindow::set_icon() {
    std::string_view png = builtin_resource(kIconResource);
    QPixmap icon;
    if (icon.loadFromData(reinterpret_cast<const uchar*>(png.data()), uint(png.size()), "PNG"))
        setWindowIcon(QIcon(icon));
}

void FaceWindow::accept_drops() {
    setAcceptDrops(true);
}

void FaceWindow::place(const WindowPlacement& p) {
    apply_placement(*this, p);
}

void FaceWindow::set_region(const std::vector<Rect>& rects) {
    QRegion region;
    for (const Rect& r : rects)
        region += QRect(r.x, r.y, r.w, r.h);
    setMask(region);
}

bool FaceWindow::minimized() const {
    return isMinimized();
}

void FaceWindow::moveEvent(QMoveEvent* event) {
    // The saved position follows the window wherever it is put.
    if (player_ && result_ < 0) main_window_moved(*player_, {pos().x(), pos().y()});
    QWidget::moveEvent(event);
}

// Wheel turns and the Up and Down keys on the hidden scroll bar.
void FaceWindow::scroll_bar_action(int action) {
    const ScrollAction a = take_hidden_bar_action(*static_cast<QScrollBar*>(scroll_bar_), action);
    if (player_ && result_ < 0) main_window_scrolled(*player_, a);
}

void FaceWindow::set_title(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

bool FaceWindow::start_timer(int period_ms) {
    timer_.start(period_ms);
    return timer_.isActive();
}

void FaceWindow::kill_timer() {
    timer_.stop();
}

void FaceWindow::end_dialog(int result) {
    result_ = result;
    hide();
    emit ended(result);
}

void FaceWindow::focus_scroll_bar() {
    scroll_bar_->setFocus(Qt::OtherFocusReason);
}

void FaceWindow::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never end the player; keys are polled, not handled here.
    event->accept();
}

void FaceWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close does not end the player either.
    if (result_ < 0) event->ignore();
}

void FaceWindow::present_face() {
    update();
}

void FaceWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const SkinSurface* face = player_ ? &player_->skin.face_buffer : nullptr;
    if (!face || !face->loaded()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // The face is FaceBuffer's top-left corner, copied row by row because
    // the buffer may be stored bottom-up.
    const int w = std::min(kFaceWidth, face->width()), h = std::min(kFaceHeight, face->height());
    QImage image(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        std::memcpy(image.scanLine(y), face->row(y), size_t(w) * 3);
    painter.drawImage(0, 0, image);
    if (on_first_paint) std::exchange(on_first_paint, nullptr)();
}

}  // namespace rq
