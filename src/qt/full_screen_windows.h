#pragma once
// The two full-screen windows on Qt: the input window over the screen and
// the caption strip.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "qt/qt_popup_windows.h"

class QScrollBar;

namespace rq {

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

}  // namespace rq
