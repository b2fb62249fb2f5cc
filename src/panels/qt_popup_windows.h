#pragma once
// The child windows on Qt: each a top-level widget made on create() and a
// picture target for as long as it exists.

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/picture_targets.h"
#include "platform/popup_windows.h"
#include "playlist/qt_editor_window.h"

namespace rq {

// Calls back when a watched window moved or was closed by the user.
class WindowWatcher : public QObject {
  public:
    std::function<void(QPoint)> moved;
    std::function<void()> close_requested;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// What the five windows have in common.
class QtPopup {
  public:
    QtPopup(PictureTargets& targets, QString title, Qt::WindowFlags flags);
    virtual ~QtPopup();

    bool exists() const { return widget_ != nullptr; }
    void create();
    void destroy();
    void place(const WindowPlacement& p);
    bool visible() const;
    Rect rect() const;
    int handle() const { return handle_; }
    QWidget* widget() const { return widget_.get(); }

    WindowWatcher watcher;

  private:
    PictureTargets& targets_;
    QString title_;
    Qt::WindowFlags flags_;
    std::unique_ptr<QWidget> widget_;
    int handle_ = 0;
};

// Forwards a window interface to its QtPopup.
template <typename Base>
class QtWindow : public Base {
  public:
    QtWindow(PictureTargets& targets, QString title, Qt::WindowFlags flags)
        : popup(targets, std::move(title), flags) {}
    bool exists() const override { return popup.exists(); }
    void create() override { popup.create(); }
    void destroy() override { popup.destroy(); }
    void place(const WindowPlacement& p) override { popup.place(p); }
    bool visible() const override { return popup.visible(); }
    Rect rect() const override { return popup.rect(); }
    int handle() const override { return popup.handle(); }

    QtPopup popup;
};

// The video window records where the user moved it. It never reaches past
// the desktop's far edges: nothing shows there, and a picture of 8192 x 8192
// would otherwise ask for a window (and a backing store) of that size.
class QtVideoWindow : public QtWindow<VideoWindow> {
  public:
    explicit QtVideoWindow(PictureTargets& targets);
    void place(const WindowPlacement& p) override;
};

class QtDesktopTarget : public DesktopTarget {
  public:
    explicit QtDesktopTarget(PictureTargets& targets) : targets_(targets) {}
    int handle() override { return targets_.desktop_target(); }
    void hide() override { targets_.hide_desktop_target(); }

  private:
    PictureTargets& targets_;
};

// All six, as the main window's PlayerEnv names them.
struct QtChildWindows {
    explicit QtChildWindows(PictureTargets& targets);
    ChildWindows windows();

    QtWindow<FullScreenInput> full_screen_input;
    QtVideoWindow video_window;
    QtWindow<CaptionOverlay> caption_overlay;
    QtWindow<ControlPanel> control_panel;
    QtEditorWindow editor;
    QtDesktopTarget desktop;
};

}  // namespace rq
