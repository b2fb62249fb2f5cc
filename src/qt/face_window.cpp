#include "qt/face_window.h"

#include <QtGui/qguiapplication_platform.h>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "core/player.h"
#include "face/mouse.h"
#include "qt/placement.h"
#include "qt/scroll_bar.h"
#include "skin/builtin_resources.h"
#include "video/main_window_events.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace rq {

namespace {

// The part of FaceBuffer the window shows.
constexpr int kFaceWidth = 407;
constexpr int kFaceHeight = 93;

// Qt gives each X window a colormap of its own. A dump of the screen that
// goes window by window where colormaps differ (xwd does) reads such a
// window from its own pixels, and a shaped window has none in its cut-away
// parts: they come out black. With the screen's colormap the face is read
// from the screen like any plain window, the root showing at its corners.
void use_screen_colormap(QWidget& w) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(w.winId());
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(c, id);
    const xcb_get_window_attributes_cookie_t attributes = xcb_get_window_attributes(c, id);
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, geometry, nullptr);
    xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(c, attributes, nullptr);
    if (g && a) {
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
            const xcb_screen_t* screen = it.data;
            // Another visual cannot take the screen's colormap.
            if (screen->root != g->root || screen->root_visual != a->visual) continue;
            if (a->colormap != screen->default_colormap) {
                const uint32_t colormap = screen->default_colormap;
                xcb_change_window_attributes(c, id, XCB_CW_COLORMAP, &colormap);
                xcb_flush(c);
            }
        }
    }
    std::free(g);
    std::free(a);
}

xcb_connection_t* x_connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

FaceWindow::FaceWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the title field knows when the pointer is over it
    setAutoFillBackground(false);
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setGeometry(-40, 0, 20, 40);  // outside the visible strip
    bar->setRange(0, 2);
    bar->setValue(1);
    scroll_bar_ = bar;
    connect(bar, &QAbstractSlider::actionTriggered, this, &FaceWindow::scroll_bar_action);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (tick_) tick_();
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
    region_ = rects;
    apply_region();
}

FaceScale FaceWindow::scale() const {
    return face_scale({width(), height()}, devicePixelRatioF());
}

// Qt scales a mask by the screen's ratio, which at a fractional ratio cannot
// land on the centred face's whole device pixels: there the X window gets
// its shape in device pixels directly.
void FaceWindow::apply_region() {
    if (region_.empty()) return;
    const FaceScale s = scale();
    xcb_connection_t* c = s.whole() ? nullptr : x_connection();
    if (!c) {
        QRegion region;
        for (const Rect& r : region_)
            region += QRect(r.x, r.y, r.w, r.h);
        setMask(region);
        return;
    }
    if (!mask().isEmpty()) clearMask();
    std::vector<xcb_rectangle_t> device;
    for (const Rect& r : region_) {
        const Rect d = s.device_rect(r);
        device.push_back({static_cast<int16_t>(d.x), static_cast<int16_t>(d.y),
                          static_cast<uint16_t>(d.w), static_cast<uint16_t>(d.h)});
    }
    xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                         static_cast<xcb_window_t>(winId()), 0, 0,
                         static_cast<uint32_t>(device.size()), device.data());
    xcb_flush(c);
}

bool FaceWindow::event(QEvent* event) {
    // A new X window comes with a new colormap of Qt's, and without the
    // shape given in device pixels.
    if (event->type() == QEvent::WinIdChange) {
        use_screen_colormap(*this);
        apply_region();
    }
    return QWidget::event(event);
}

void FaceWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!scale().whole()) apply_region();
}

bool FaceWindow::minimized() const {
    return isMinimized();
}

void FaceWindow::minimize() {
    showMinimized();
}

void FaceWindow::start_system_move() {
    QWindow* window = windowHandle();
    if (window && window->startSystemMove()) return;
    moving_by_hand_ = true;
    move_grip_ = press_at_ - pos();
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
    const FaceScale s = scale();
    if (s.whole()) {
        // Without smoothing every face pixel is a sharp k x k block.
        painter.drawImage(0, 0, image);
    } else {
        QImage sharp =
            image.scaled(w * s.k, h * s.k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        sharp.setDevicePixelRatio(s.ratio);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPointF(s.offset.x / s.ratio, s.offset.y / s.ratio), sharp);
    }
    if (on_first_paint) std::exchange(on_first_paint, nullptr)();
}

}  // namespace rq

namespace rq {

namespace {

Point face_point(const FaceScale& s, const QSinglePointEvent* event) {
    const QPointF at = event->position();
    return s.face_point(at.x(), at.y());
}

}  // namespace

void FaceWindow::park_focus() {
    focus_scroll_bar();
}

void FaceWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    press_at_ = event->globalPosition().toPoint();
    if (!player_) return;
    if (event->button() == Qt::LeftButton)
        mouse_left_down(*player_, face_point(scale(), event));
    else if (event->button() == Qt::RightButton)
        mouse_right_down(*player_, face_point(scale(), event));
    else if (event->button() == Qt::MiddleButton)
        mouse_middle_down(*player_);
    park_focus();
}

void FaceWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) moving_by_hand_ = false;
    if (!player_) return;
    if (event->button() == Qt::LeftButton)
        mouse_left_up(*player_);
    else if (event->button() == Qt::RightButton)
        mouse_right_up(*player_);
    park_focus();
}

void FaceWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click only moves the window.
    event->accept();
    press_at_ = event->globalPosition().toPoint();
    if (!player_ || event->button() != Qt::LeftButton) return;
    mouse_left_double_click(*player_);
    park_focus();
}

void FaceWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const bool left_down = event->buttons() & Qt::LeftButton;
    if (moving_by_hand_ && left_down) move(event->globalPosition().toPoint() - move_grip_);
    if (!player_) return;
    // A press whose release went elsewhere (the window system took the
    // pointer for a move) ends here.
    if (player_->input.mouse_held && !left_down) mouse_cancel_mode(*player_);
    mouse_move(*player_, face_point(scale(), event));
}

void FaceWindow::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!player_) return;
    const QPoint turn = event->angleDelta();
    mouse_wheel(*player_, turn.y() != 0 ? turn.y() : turn.x());
    park_focus();
}

}  // namespace rq
