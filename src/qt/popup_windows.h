#pragma once
// The child windows on Qt: each a top-level widget made on create(); the
// video window and the full-screen input window are picture targets for as
// long as they exist.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/popup_windows.h"
#include "qt/editor_window.h"
#include "qt/picture_targets.h"

class QScrollBar;

namespace rq {

// Calls back when a watched window moved or was closed by the user.
class WindowWatcher : public QObject {
  public:
    std::function<void(QPoint)> moved;
    std::function<void()> close_requested;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// What the windows have in common: the widget comes from `make` on
// create() and goes on destroy().
class QtPopup {
  public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;
    // `targets` null: the window never carries the picture.
    QtPopup(PictureTargets* targets, Factory make);
    // A plain black window that carries the picture.
    QtPopup(PictureTargets& targets, QString title, Qt::WindowFlags flags);
    virtual ~QtPopup();

    bool exists() const { return widget_ != nullptr; }
    void create();
    // The widget disappears at once and is deleted once the event that
    // led here is done: a click on a window may end that very window.
    void destroy();
    void place(const WindowPlacement& p);
    bool visible() const;
    Rect rect() const;
    int handle() const { return handle_; }
    QWidget* widget() const { return widget_.get(); }

    WindowWatcher watcher;

  private:
    PictureTargets* targets_;
    Factory make_;
    std::unique_ptr<QWidget> widget_;
    int handle_ = 0;
};

// `w` as a top-level window with the given title and flags, black behind
// whatever it paints, shown without taking the activation.
std::unique_ptr<QWidget> make_popup_widget(std::unique_ptr<QWidget> w, const QString& title,
                                           Qt::WindowFlags flags);

// Forwards a window interface to its QtPopup.
template <typename Base>
class QtWindow : public Base {
  public:
    QtWindow(PictureTargets* targets, QtPopup::Factory make) : popup(targets, std::move(make)) {}
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

// Dragged anywhere by a press on the picture; reports where it was moved.
// It never reaches past the desktop's far edges: nothing shows there, and a
// picture of 8192 x 8192 would otherwise ask for a window (and a backing
// store) of that size.
class QtVideoWindow : public QtWindow<VideoWindow> {
  public:
    explicit QtVideoWindow(PictureTargets& targets);
    void place(const WindowPlacement& p) override;
};

// The widget of a full-screen window: the mouse, the wheel and its hidden
// scroll bar, which keeps the focus so the Up and Down keys reach it.
class OverlayWidget : public QWidget {
  public:
    // `on_left_down` is the window's own left-button rule.
    OverlayWidget(OverlayWindow& window, std::function<void()> on_left_down);
    QScrollBar* scroll_bar() const { return scroll_bar_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    OverlayWindow& window_;
    std::function<void()> on_left_down_;
    QScrollBar* scroll_bar_;
};

class QtFullScreenInput : public QtWindow<FullScreenInput> {
  public:
    explicit QtFullScreenInput(PictureTargets& targets);
    void move_scroll_bar(int x) override;
};

// The strip the caption is painted on.
class CaptionStrip : public QWidget {
  public:
    explicit CaptionStrip(QWidget* parent);
    void show_caption(QString text, int x, int width, int height, int font_height);
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    int x_ = 0, width_ = 0, height_ = 0, font_height_ = 0;
};

class QtCaptionOverlay : public QtWindow<CaptionOverlay> {
  public:
    QtCaptionOverlay();
    void create() override;
    void move_scroll_bar(int x) override;
    void set_region(const std::vector<Rect>& rects) override;
    void caption_move(const Rect& r) override;
    void draw_caption(const std::string& text, int x, int width, int height,
                      int font_height) override;
    // With no region the window shows nothing and takes no click: it stays hidden.
    void place(const WindowPlacement& p) override;
    CaptionStrip* strip() const;

  private:
    bool region_empty_ = true;
    bool show_asked_ = false;  // a placement asked to show it
    QPointer<CaptionStrip> strip_;
};

class QtControlPanel : public QtWindow<ControlPanel> {
  public:
    QtControlPanel();
    void show_values() override;
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

    QtFullScreenInput full_screen_input;
    QtVideoWindow video_window;
    QtCaptionOverlay caption_overlay;
    QtControlPanel control_panel;
    QtEditorWindow editor;
    QtDesktopTarget desktop;
};

}  // namespace rq
