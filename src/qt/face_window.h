#pragma once
// The borderless strip that shows the face. It is the player's window
// host: placement, title, timer and the end of the run.

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/window_host.h"
#include "qt/cursor.h"
#include "qt/face_scale.h"

namespace rq {

class Player;

class FaceWindow : public QWidget, public WindowHost {
    Q_OBJECT
  public:
    FaceWindow();
    // The player whose face this shows and whose mouse this is; `tick` runs
    // on every timer tick.
    void attach(Player* player, std::function<void()> tick = {}) {
        player_ = player;
        tick_ = std::move(tick);
    }
    // The run's result once end_dialog was called, else -1.
    int result() const { return result_; }
    // Called once, when the face is first painted from FaceBuffer.
    std::function<void()> on_first_paint;

    Size desktop_size() const override;
    void set_icon() override;
    void accept_drops() override;
    void place(const WindowPlacement& p) override;
    void set_title(const std::string& title) override;
    void set_region(const std::vector<Rect>& rects) override;
    bool minimized() const override;
    void minimize() override;
    void start_system_move() override;
    bool start_timer(int period_ms) override;
    void kill_timer() override;
    void end_dialog(int result) override;
    void focus_scroll_bar() override;
    void present_face() override;

    int show_cursor(bool show) override { return cursor_.show(show); }
    Point cursor_pos() const override { return cursor_.pos(); }
    void set_cursor_pos(Point at) override { cursor_.set_pos(at); }
    void confine_cursor(std::optional<Rect> area) override { cursor_.confine(area); }

  signals:
    void ended(int result);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The face's pixels on this screen.
    FaceScale scale() const;
    void apply_region();
    std::vector<Rect> region_;  // the face's shape, face pixels
    // Every mouse handler ends with the focus back on the hidden scroll bar.
    void park_focus();
    Player* player_ = nullptr;
    std::function<void()> tick_;
    QTimer timer_;
    QWidget* scroll_bar_ = nullptr;  // holds the keyboard focus, out of sight
    int result_ = -1;
    QtCursor cursor_;

    void scroll_bar_action(int action);
    // Moving by hand where the window system cannot move the window: the
    // pointer's offset from the window's corner while the button is held.
    bool moving_by_hand_ = false;
    QPoint move_grip_;
    QPoint press_at_;  // screen point of the last press
};

}  // namespace rq
