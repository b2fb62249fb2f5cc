#pragma once
// The picture drawn with OpenGL: the engine's render thread draws each
// frame straight into a native OpenGL window placed at the destination
// inside its picture target, and swaps it onto the screen. A frame for a
// target that cannot show it now (hidden, resizing, minimised) goes to a
// small framebuffer off the screen, so playback never waits for the
// screen; the device's own default window gets its frames read back and
// painted as in software.
//
// The GUI thread never waits for a frame being drawn, only, when a native
// window goes, for the frame being drawn into that very window.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWindow>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/frame_sink.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFunctions;
class QWidget;

namespace rq {

class PictureTargets;

class QtGlFrames : public QObject, public GlFrameSink {
  public:
    // GL_RENDERER of an OpenGL context made current here as the render
    // thread would make it; empty when none can be made. GUI thread.
    static std::string renderer();

    explicit QtGlFrames(PictureTargets& targets);
    ~QtGlFrames() override;

    // GUI thread: a picture target gets (and loses) its OpenGL window.
    void attach(int handle, QWidget* window);
    void detach(int handle);
    // GUI thread: the target shows black until its next frame.
    void hide(int handle);

    // GlFrameSink, render thread.
    bool make_current() override;
    void* proc_address(const char* name) override;
    Surface begin_frame(int handle, bool minimized, const Rect& dest) override;
    void end_frame() override;
    void present_read_back() override;
    void done_current() override;
    void on_redraw(std::function<void()> redraw) override;
    NativeDisplay native_display() const override { return display_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QPointer<QWidget> container;  // holds the window, at the destination
        QPointer<QWindow> window;
        bool surface = false;  // the native window exists
        bool exposed = false;
        QSize size;
        Rect placed;  // the destination last asked for
    };
    enum class Mode { None, Window, Readback, Discard };
    void place(int handle, const Rect& dest);  // GUI thread
    // With mutex_ held: the entry of a window; the window a frame for the
    // entry may be drawn into now (then it is drawing_), else null.
    Entry* entry_of(QObject* window);
    QWindow* take_window(int handle, Entry& e, const Rect& dest);
    // GUI thread, with `lock` on mutex_: waits until no frame is being drawn into `window`.
    void let_go(std::unique_lock<std::mutex>& lock, const QObject* window);
    void release_window();  // render thread: drawing_ is done
    unsigned offscreen_fbo(int w, int h, unsigned& fbo, unsigned& rbo, QSize& size);
    void redraw();

    PictureTargets& targets_;
    std::unique_ptr<QOffscreenSurface> offscreen_;
    NativeDisplay display_;

    // Held only for a look or a change, never across a frame.
    std::mutex mutex_;
    std::condition_variable released_;  // drawing_ changed
    std::map<int, Entry> entries_;
    std::function<void()> redraw_;
    QWindow* drawing_ = nullptr;  // the window a frame is being drawn into

    // Render thread only.
    std::unique_ptr<QOpenGLContext> context_;
    QOpenGLFunctions* functions_ = nullptr;
    Mode mode_ = Mode::None;
    QImage read_back_;
    int frame_handle_ = -1;
    bool frame_minimized_ = false;
    Rect frame_dest_;
    unsigned discard_fbo_ = 0, discard_rbo_ = 0;
    QSize discard_size_;
    unsigned readback_fbo_ = 0, readback_rbo_ = 0;
    QSize readback_size_;
};

}  // namespace rq
