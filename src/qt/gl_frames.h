#pragma once
// The picture drawn with OpenGL: the engine's render thread draws each
// frame straight into a native OpenGL window placed at the destination
// inside its picture target, and swaps it onto the screen. A frame for a
// target that cannot show it now (hidden, resizing, minimised) goes to a
// small framebuffer off the screen, so playback never waits for the
// screen; the device's own default window gets its frames read back and
// painted as in software.

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "platform/frame_sink.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFunctions;
class QWidget;

namespace rq {

class PictureTargets;

class QtGlFrames : public QObject, public GlFrameSink {
  public:
    // Whether a current OpenGL context can be made on a thread of its own
    // here, and (unless `software_too`) one that a graphics processor
    // draws: a software rasteriser costs more than the software renderer.
    // GUI thread.
    static bool available(bool software_too);

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
    void done_current() override;
    void on_redraw(std::function<void()> redraw) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QPointer<QWidget> container;  // holds the window, at the destination
        QPointer<QWindow> window;
        bool surface = false;  // the native window exists (guarded by frame_mutex_)
        bool exposed = false;
        QSize size;
        Rect placed;  // the destination last asked for
    };
    enum class Mode { None, Window, Readback, Discard };
    void place(int handle, const Rect& dest);  // GUI thread
    Entry* entry_of(QObject* window);          // with frame_mutex_ held
    unsigned offscreen_fbo(int w, int h, unsigned& fbo, unsigned& rbo, QSize& size);
    void redraw();

    PictureTargets& targets_;
    std::unique_ptr<QOffscreenSurface> offscreen_;

    // Held by the render thread from begin_frame() to end_frame(); the GUI
    // thread takes it to change what the render thread may draw into.
    std::mutex frame_mutex_;
    std::map<int, Entry> entries_;
    std::function<void()> redraw_;

    // Render thread only.
    std::unique_ptr<QOpenGLContext> context_;
    QOpenGLFunctions* functions_ = nullptr;
    Mode mode_ = Mode::None;
    QWindow* drawing_ = nullptr;
    int frame_handle_ = -1;
    bool frame_minimized_ = false;
    Rect frame_dest_;
    unsigned discard_fbo_ = 0, discard_rbo_ = 0;
    QSize discard_size_;
    unsigned readback_fbo_ = 0, readback_rbo_ = 0;
    QSize readback_size_;
};

}  // namespace rq
