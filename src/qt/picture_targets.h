#pragma once
// The windows the engine may draw into, by integer handle: the handle is
// what "window movie handle %d" names. A window becomes a target with one
// call (`int handle = targets.add(window);`); the device's own default
// window (kDefaultTarget) belongs to the registry, which creates it when the
// first frame for it arrives. Frames come from the engine's render thread
// and are painted on the GUI thread.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/frame_sink.h"

namespace rq {

// Paints the latest frame at its destination rectangle, black around it.
class FrameView : public QWidget {
  public:
    explicit FrameView(QWidget* parent = nullptr);
    void show_frame(QImage frame, const Rect& dest);
    void show_black();
    bool has_frame() const { return !frame_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage frame_;
    QRect dest_;
};

class QtGlFrames;

class PictureTargets : public QObject, public FrameSink {
  public:
    // `opengl`: the engine draws with OpenGL (see platform/render_choice.h);
    // it still draws in software when it cannot make a context of its own.
    explicit PictureTargets(QObject* parent = nullptr, bool opengl = false);
    ~PictureTargets() override;
    PictureTargets(const PictureTargets&) = delete;
    PictureTargets& operator=(const PictureTargets&) = delete;

    // Makes `window` a picture target: a view below its other children and
    // as large as the window paints the frames, and lets the mouse through.
    // The handle lasts until remove() or the window's end. GUI thread.
    int add(QWidget* window);
    void remove(int handle);

    // The desktop target: a borderless window below all others covering the
    // primary screen, created and shown on the first call. Its handle.
    int desktop_target();
    // Hides the desktop target until the next desktop_target() call.
    void hide_desktop_target();

    // The device's own window; null until a frame arrived for it.
    FrameView* default_window() const { return default_window_.get(); }
    // The view of a handle (the default window for kDefaultTarget), or null.
    FrameView* view(int handle) const;

    // Called once, on the GUI thread, when the first frame reaches a window.
    std::function<void()> on_first_frame;

    // FrameSink: any thread.
    void present_frame(int handle, bool minimized, const uint8_t* pixels, int w, int h, int stride,
                       const Rect& dest) override;
    void clear(int handle) override;
    double pixel_ratio() const override { return pixel_ratio_; }
    // The engine renders into the frames the views paint: no copy.
    uint8_t* frame_buffer(int w, int h, size_t* stride) override;
    void present_rendered(int handle, bool minimized, const Rect& dest) override;
    GlFrameSink* gl() override;
    // A frame already in an image of its own; any thread.
    void present_image(int handle, bool minimized, QImage frame, const Rect& dest);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Pending {
        QImage frame;
        Rect dest;
        bool minimized = false;
    };
    void queue_delivery();  // with mutex_ held
    void deliver();         // GUI thread
    void show_default(const Pending& p);

    // The screen's scale, taken once at start-up.
    const double pixel_ratio_;

    // Handed over from other threads, under mutex_: the latest frame per
    // handle (older ones are dropped) and the handles cleared since.
    std::mutex mutex_;
    std::map<int, Pending> pending_;
    std::set<int> cleared_;
    bool delivery_queued_ = false;
    // Frames lent to the engine, reused once no view or pending frame
    // shares them any more; `lent_` is the one it renders into now.
    std::vector<QImage> pool_;
    int lent_ = -1;

    // GUI thread only.
    struct Target {
        QPointer<QWidget> window;
        QPointer<FrameView> view;
    };
    std::map<int, Target> targets_;
    int next_handle_ = kDefaultTarget + 1;
    std::unique_ptr<FrameView> default_window_;
    std::unique_ptr<QWidget> desktop_window_;
    int desktop_handle_ = -1;
    std::unique_ptr<QtGlFrames> gl_;
    bool default_minimized_ = false;
    bool default_dismissed_ = false;  // closed by the user until the next clear
};

}  // namespace rq
