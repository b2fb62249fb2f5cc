#pragma once
// The child windows on Qt: each a top-level widget made on create(); the
// video window and the full-screen input window are picture targets for as
// long as they exist.

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/popup_windows.h"
#include "qt/picture_targets.h"

namespace rq {

inline constexpr Qt::WindowFlags kBorderless = Qt::Window | Qt::FramelessWindowHint;
inline constexpr char kPopupTitle[] = "RQ810Z";

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

}  // namespace rq
