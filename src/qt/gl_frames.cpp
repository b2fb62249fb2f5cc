#include "qt/gl_frames.h"

#include <qpa/qplatformnativeinterface.h>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPlatformSurfaceEvent>
#include <QWidget>

#include "qt/picture_targets.h"

namespace rq {

std::string QtGlFrames::renderer() {
    if (!QOpenGLContext::supportsThreadedOpenGL()) return {};
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) return {};
    const auto* name = context.functions()->glGetString(GL_RENDERER);
    std::string renderer = name ? reinterpret_cast<const char*>(name) : "";
    context.doneCurrent();
    return renderer;
}

namespace {

// The display's native handle, for the decoder's hardware interop: from
// the X11 application interface, or the Wayland platform's resource.
GlFrameSink::NativeDisplay native_display_of_app() {
    GlFrameSink::NativeDisplay d;
    auto* app = qGuiApp;
    if (!app) return d;
    if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
        d.x11 = x11->display();
    } else if (QGuiApplication::platformName().startsWith("wayland")) {
        if (QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface())
            d.wayland = native->nativeResourceForIntegration("wl_display");
    }
    return d;
}

}  // namespace

QtGlFrames::QtGlFrames(PictureTargets& targets)
    : targets_(targets),
      offscreen_(std::make_unique<QOffscreenSurface>()),
      display_(native_display_of_app()) {
    offscreen_->create();
}

QtGlFrames::~QtGlFrames() {
    std::lock_guard lock(mutex_);
    for (auto& [handle, e] : entries_)
        if (e.window) e.window->removeEventFilter(this);
}

void QtGlFrames::attach(int handle, QWidget* window) {
    auto* gl_window = new QWindow;
    gl_window->setSurfaceType(QSurface::OpenGLSurface);
    // Clicks on the picture belong to the window that holds it.
    gl_window->setFlag(Qt::WindowTransparentForInput, true);
    QWidget* container = QWidget::createWindowContainer(gl_window, window);
    container->setAttribute(Qt::WA_TransparentForMouseEvents);
    container->hide();
    gl_window->installEventFilter(this);
    std::lock_guard lock(mutex_);
    Entry& e = entries_[handle];
    e.container = container;
    e.window = gl_window;
}

void QtGlFrames::detach(int handle) {
    QPointer<QWidget> container;
    {
        std::unique_lock lock(mutex_);
        auto it = entries_.find(handle);
        if (it == entries_.end()) return;
        container = it->second.container;
        QWindow* window = it->second.window;
        if (window) window->removeEventFilter(this);
        // Once out of the map the render thread cannot reach it; a frame
        // may still be on its way into it.
        entries_.erase(it);
        let_go(lock, window);
    }
    delete container.data();
}

void QtGlFrames::hide(int handle) {
    QPointer<QWidget> container;
    {
        std::lock_guard lock(mutex_);
        auto it = entries_.find(handle);
        if (it == entries_.end()) return;
        it->second.placed = {};
        container = it->second.container;
    }
    if (container) container->hide();
}

void QtGlFrames::place(int handle, const Rect& dest) {
    QPointer<QWidget> container;
    {
        std::lock_guard lock(mutex_);
        auto it = entries_.find(handle);
        if (it == entries_.end() || !(it->second.placed == dest)) return;  // asked again since
        container = it->second.container;
    }
    if (!container) return;
    container->setGeometry(dest.x, dest.y, dest.w, dest.h);
    container->show();
    container->raise();
}

QtGlFrames::Entry* QtGlFrames::entry_of(QObject* window) {
    for (auto& [handle, e] : entries_)
        if (e.window == window) return &e;
    return nullptr;
}

void QtGlFrames::let_go(std::unique_lock<std::mutex>& lock, const QObject* window) {
    if (window) released_.wait(lock, [&] { return static_cast<QObject*>(drawing_) != window; });
}

void QtGlFrames::release_window() {
    {
        std::lock_guard lock(mutex_);
        drawing_ = nullptr;
    }
    released_.notify_all();
}

bool QtGlFrames::eventFilter(QObject* watched, QEvent* event) {
    bool changed = false;
    switch (event->type()) {
        case QEvent::PlatformSurface: {
            const bool created = static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                                 QPlatformSurfaceEvent::SurfaceCreated;
            std::unique_lock lock(mutex_);
            if (Entry* e = entry_of(watched)) {
                e->surface = created;
                if (!created) e->exposed = false;
            }
            // Before the native window goes, the render thread lets go of it.
            if (!created) let_go(lock, watched);
            break;
        }
        case QEvent::Expose:
        case QEvent::Resize: {
            auto* window = static_cast<QWindow*>(watched);
            std::lock_guard lock(mutex_);
            if (Entry* e = entry_of(watched)) {
                e->exposed = window->isExposed();
                e->size = window->size() * window->devicePixelRatio();
                changed = e->exposed;
            }
            break;
        }
        default:
            break;
    }
    if (changed) redraw();
    return QObject::eventFilter(watched, event);
}

void QtGlFrames::redraw() {
    std::function<void()> redraw;
    {
        std::lock_guard lock(mutex_);
        redraw = redraw_;
    }
    if (redraw) redraw();
}

void QtGlFrames::on_redraw(std::function<void()> redraw) {
    std::lock_guard lock(mutex_);
    redraw_ = std::move(redraw);
}

bool QtGlFrames::make_current() {
    if (!offscreen_->isValid()) return false;
    context_ = std::make_unique<QOpenGLContext>();
    if (!context_->create() || !context_->makeCurrent(offscreen_.get())) {
        context_.reset();
        return false;
    }
    functions_ = context_->functions();
    return true;
}

void* QtGlFrames::proc_address(const char* name) {
    return context_ ? reinterpret_cast<void*>(context_->getProcAddress(name)) : nullptr;
}

unsigned QtGlFrames::offscreen_fbo(int w, int h, unsigned& fbo, unsigned& rbo, QSize& size) {
    QOpenGLFunctions& f = *functions_;
    if (fbo == 0) {
        f.glGenFramebuffers(1, &fbo);
        f.glGenRenderbuffers(1, &rbo);
    }
    f.glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    if (size != QSize(w, h)) {
        f.glBindRenderbuffer(GL_RENDERBUFFER, rbo);
        f.glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
        f.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, rbo);
        size = QSize(w, h);
    }
    return fbo;
}

QWindow* QtGlFrames::take_window(int handle, Entry& e, const Rect& dest) {
    if (!(e.placed == dest)) {
        // The window moves on the GUI thread; it asks for the frame again.
        e.placed = dest;
        QMetaObject::invokeMethod(
            this, [this, handle, dest] { place(handle, dest); }, Qt::QueuedConnection);
        return nullptr;
    }
    if (!e.window || !e.surface || !e.exposed || e.size != QSize(dest.w, dest.h)) return nullptr;
    drawing_ = e.window;
    return drawing_;
}

GlFrameSink::Surface QtGlFrames::begin_frame(int handle, bool minimized, const Rect& dest) {
    mode_ = Mode::Discard;
    read_back_ = QImage();
    QWindow* window = nullptr;
    bool read_back = false;
    if (handle >= 0 && dest.w > 0 && dest.h > 0) {
        std::lock_guard lock(mutex_);
        auto it = entries_.find(handle);
        if (it != entries_.end())
            window = take_window(handle, it->second, dest);
        else
            read_back = handle == kDefaultTarget;
    }
    if (window) {
        if (context_->makeCurrent(window)) {
            mode_ = Mode::Window;
            return {context_->defaultFramebufferObject(), dest.w, dest.h, true};
        }
        release_window();
    }
    if (read_back && context_->makeCurrent(offscreen_.get())) {
        mode_ = Mode::Readback;
        frame_handle_ = handle;
        frame_minimized_ = minimized;
        frame_dest_ = dest;
        const unsigned fbo =
            offscreen_fbo(dest.w, dest.h, readback_fbo_, readback_rbo_, readback_size_);
        return {fbo, dest.w, dest.h, true};
    }
    context_->makeCurrent(offscreen_.get());
    return {offscreen_fbo(1, 1, discard_fbo_, discard_rbo_, discard_size_), 1, 1, false};
}

void QtGlFrames::end_frame() {
    switch (mode_) {
        case Mode::Window:
            context_->swapBuffers(drawing_);
            release_window();
            break;
        case Mode::Readback: {
            // Drawn upside down, so the rows come back top first.
            QImage frame(frame_dest_.w, frame_dest_.h, QImage::Format_RGBA8888);
            functions_->glBindFramebuffer(GL_FRAMEBUFFER, readback_fbo_);
            functions_->glReadPixels(0, 0, frame_dest_.w, frame_dest_.h, GL_RGBA, GL_UNSIGNED_BYTE,
                                     frame.bits());
            read_back_ = frame.convertToFormat(QImage::Format_RGB32);
            break;
        }
        case Mode::Discard:
            functions_->glFlush();
            break;
        case Mode::None:
            break;
    }
    mode_ = Mode::None;
}

void QtGlFrames::present_read_back() {
    if (read_back_.isNull()) return;
    targets_.present_image(frame_handle_, frame_minimized_, std::move(read_back_), frame_dest_);
    read_back_ = QImage();
}

void QtGlFrames::done_current() {
    if (!context_) return;
    if (context_->makeCurrent(offscreen_.get())) {
        for (unsigned* fbo : {&discard_fbo_, &readback_fbo_})
            if (*fbo) functions_->glDeleteFramebuffers(1, fbo);
        for (unsigned* rbo : {&discard_rbo_, &readback_rbo_})
            if (*rbo) functions_->glDeleteRenderbuffers(1, rbo);
        context_->doneCurrent();
    }
    discard_fbo_ = discard_rbo_ = readback_fbo_ = readback_rbo_ = 0;
    discard_size_ = readback_size_ = QSize();
    functions_ = nullptr;
    context_.reset();
}

}  // namespace rq
