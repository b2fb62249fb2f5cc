#include "qt/picture_targets.h"

#include "qt/gl_frames.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace rq {

namespace {

constexpr char kDefaultWindowTitle[] = "RQ810Z";

// The engine's unused fourth byte is garbage; Qt wants it opaque.
QImage copy_frame(const uint8_t* pixels, int w, int h, int stride) {
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = pixels + static_cast<size_t>(y) * stride;
        auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            uint32_t v;
            std::memcpy(&v, src + 4 * x, 4);
            dst[x] = v | 0xFF000000u;
        }
    }
    return image;
}

}  // namespace

FrameView::FrameView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void FrameView::show_frame(QImage frame, const Rect& dest) {
    frame_ = std::move(frame);
    dest_ = QRect(dest.x, dest.y, dest.w, dest.h);
    update();
}

void FrameView::show_black() {
    frame_ = QImage();
    update();
}

void FrameView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (frame_.isNull() || dest_.isEmpty()) {
        painter.fillRect(area, Qt::black);
        return;
    }
    // Black around the picture only, so the picture is drawn once.
    QRegion around = QRegion(area).subtracted(dest_);
    for (const QRect& r : around)
        painter.fillRect(r, Qt::black);
    // A frame rendered at the screen's resolution is drawn pixel for pixel.
    if (frame_.deviceIndependentSize() == QSizeF(dest_.size()))
        painter.drawImage(dest_.topLeft(), frame_);
    else
        painter.drawImage(dest_, frame_);
}

PictureTargets::PictureTargets(QObject* parent, bool opengl)
    : QObject(parent), pixel_ratio_(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {
    if (opengl) gl_ = std::make_unique<QtGlFrames>(*this);
}

GlFrameSink* PictureTargets::gl() {
    return gl_.get();
}

PictureTargets::~PictureTargets() {
    for (auto& [handle, t] : targets_) {
        if (t.window) {
            t.window->removeEventFilter(this);
            disconnect(t.window, &QObject::destroyed, this, nullptr);
        }
        delete t.view.data();
    }
    // The windows of its own hold OpenGL windows: they go first.
    desktop_window_.reset();
    default_window_.reset();
    gl_.reset();
}

int PictureTargets::add(QWidget* window) {
    if (!window) return -1;
    const int handle = next_handle_++;
    auto* view = new FrameView(window);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setGeometry(window->rect());
    view->lower();
    view->show();
    window->installEventFilter(this);
    targets_[handle] = {window, view};
    connect(window, &QObject::destroyed, this, [this, handle] {
        targets_.erase(handle);
        if (gl_) gl_->detach(handle);
    });
    if (gl_) gl_->attach(handle, window);
    return handle;
}

void PictureTargets::remove(int handle) {
    if (gl_) gl_->detach(handle);
    auto it = targets_.find(handle);
    if (it == targets_.end()) return;
    if (it->second.window) {
        it->second.window->removeEventFilter(this);
        disconnect(it->second.window, &QObject::destroyed, this, nullptr);
    }
    delete it->second.view.data();
    targets_.erase(it);
}

int PictureTargets::desktop_target() {
    if (!desktop_window_) {
        desktop_window_ = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint |
                                                                 Qt::WindowStaysOnBottomHint |
                                                                 Qt::WindowDoesNotAcceptFocus);
        desktop_window_->setWindowTitle(kDefaultWindowTitle);
        desktop_window_->setAttribute(Qt::WA_ShowWithoutActivating);
        desktop_handle_ = add(desktop_window_.get());
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        desktop_window_->setGeometry(screen->geometry());
    desktop_window_->show();
    desktop_window_->lower();
    return desktop_handle_;
}

void PictureTargets::hide_desktop_target() {
    if (desktop_window_) desktop_window_->hide();
}

FrameView* PictureTargets::view(int handle) const {
    if (handle == kDefaultTarget) return default_window_.get();
    auto it = targets_.find(handle);
    return it == targets_.end() ? nullptr : it->second.view.data();
}

void PictureTargets::present_frame(int handle, bool minimized, const uint8_t* pixels, int w, int h,
                                   int stride, const Rect& dest) {
    if (!pixels || w <= 0 || h <= 0 || stride < w * 4) return;
    QImage frame = copy_frame(pixels, w, h, stride);
    if (frame.isNull()) return;
    frame.setDevicePixelRatio(pixel_ratio_);
    present_image(handle, minimized, std::move(frame), dest);
}

void PictureTargets::present_image(int handle, bool minimized, QImage frame, const Rect& dest) {
    std::lock_guard lock(mutex_);
    pending_[handle] = {std::move(frame), dest, minimized};
    queue_delivery();
}

uint8_t* PictureTargets::frame_buffer(int w, int h, size_t* stride) {
    if (w <= 0 || h <= 0) return nullptr;
    std::lock_guard lock(mutex_);
    lent_ = -1;
    // Frames of another size are dropped; three of one size are enough for
    // one being painted, one waiting and one being rendered.
    std::erase_if(pool_, [&](const QImage& f) { return f.width() != w || f.height() != h; });
    for (size_t i = 0; i < pool_.size(); ++i)
        if (pool_[i].isDetached()) lent_ = static_cast<int>(i);
    if (lent_ < 0 && pool_.size() < 3) {
        const size_t row = (static_cast<size_t>(w) * 4 + 63) / 64 * 64;
        auto* bytes = static_cast<uchar*>(std::aligned_alloc(64, row * static_cast<size_t>(h)));
        if (!bytes) return nullptr;
        // The engine's unused fourth byte is not opaque: the frame is only
        // ever painted onto an opaque window, which copies it as it is.
        pool_.emplace_back(
            bytes, w, h, static_cast<qsizetype>(row), QImage::Format_RGB32,
            [](void* p) { std::free(p); }, bytes);
        pool_.back().setDevicePixelRatio(pixel_ratio_);
        lent_ = static_cast<int>(pool_.size()) - 1;
    }
    if (lent_ < 0) return nullptr;
    // The views' last reads of this frame happened before they let it go.
    std::atomic_thread_fence(std::memory_order_acquire);
    QImage& frame = pool_[static_cast<size_t>(lent_)];
    *stride = static_cast<size_t>(frame.bytesPerLine());
    return frame.bits();
}

void PictureTargets::present_rendered(int handle, bool minimized, const Rect& dest) {
    std::lock_guard lock(mutex_);
    if (lent_ < 0) return;
    pending_[handle] = {pool_[static_cast<size_t>(lent_)], dest, minimized};
    lent_ = -1;
    queue_delivery();
}

void PictureTargets::clear(int handle) {
    std::lock_guard lock(mutex_);
    // A frame still on its way belongs to what was cleared.
    pending_.erase(handle);
    cleared_.insert(handle);
    queue_delivery();
}

void PictureTargets::queue_delivery() {
    if (delivery_queued_) return;
    delivery_queued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { deliver(); }, Qt::QueuedConnection);
}

void PictureTargets::deliver() {
    std::map<int, Pending> frames;
    std::set<int> cleared;
    {
        std::lock_guard lock(mutex_);
        delivery_queued_ = false;
        frames.swap(pending_);
        cleared.swap(cleared_);
    }
    // Clears first: every frame still pending came after its handle's clear.
    for (int handle : cleared) {
        if (handle == kDefaultTarget) {
            default_dismissed_ = false;
            if (default_window_) {
                default_window_->show_black();
                default_window_->hide();
            }
        } else if (FrameView* v = view(handle)) {
            v->show_black();
        }
        if (gl_) gl_->hide(handle);
    }
    for (auto& [handle, p] : frames) {
        if (handle == kDefaultTarget) {
            show_default(p);
        } else if (FrameView* v = view(handle)) {
            v->show_frame(std::move(p.frame), p.dest);
            if (on_first_frame) std::exchange(on_first_frame, nullptr)();
        }
    }
}

void PictureTargets::show_default(const Pending& p) {
    if (!default_window_) {
        default_window_ = std::make_unique<FrameView>();
        default_window_->setWindowTitle(kDefaultWindowTitle);
        default_window_->installEventFilter(this);
    }
    FrameView& w = *default_window_;
    w.show_frame(p.frame, p.dest);
    if (default_dismissed_) return;
    if (!w.isVisible()) {
        // Sized to the picture, as a device sizes its own window.
        w.resize(std::max(1, p.dest.x + p.dest.w), std::max(1, p.dest.y + p.dest.h));
        default_minimized_ = p.minimized;
        if (p.minimized)
            w.showMinimized();
        else
            w.show();
    } else if (p.minimized != default_minimized_) {
        default_minimized_ = p.minimized;
        if (p.minimized)
            w.showMinimized();
        else
            w.showNormal();
    }
}

bool PictureTargets::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        for (auto& [handle, t] : targets_)
            if (t.window == watched && t.view) t.view->setGeometry(t.window->rect());
    } else if (event->type() == QEvent::Close && watched == default_window_.get()) {
        default_dismissed_ = true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rq
