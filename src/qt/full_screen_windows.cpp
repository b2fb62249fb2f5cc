#include "qt/full_screen_windows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "panels/popup_input.h"
#include "qt/scroll_bar.h"

namespace rq {

namespace {

OverlayWidget* overlay_widget(const QtPopup& popup) {
    return static_cast<OverlayWidget*>(popup.widget());
}

void move_hidden_bar(const QtPopup& popup, int x) {
    if (OverlayWidget* w = overlay_widget(popup)) place_hidden_bar(*w->scroll_bar(), x);
}

}  // namespace

OverlayWidget::OverlayWidget(OverlayWindow& window, std::function<void()> on_left_down)
    : window_(window), on_left_down_(std::move(on_left_down)) {
    scroll_bar_ = new QScrollBar(Qt::Vertical, this);
    place_hidden_bar(*scroll_bar_, -40);  // out of sight until placed
    QObject::connect(scroll_bar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        overlay_scrolled(window_, take_hidden_bar_action(*scroll_bar_, action));
    });
    scroll_bar_->setFocus();
}

void OverlayWidget::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
        case Qt::LeftButton:
            on_left_down_();
            break;
        case Qt::RightButton:
            overlay_right_down(window_);
            break;
        case Qt::MiddleButton:
            overlay_middle_down(window_);
            break;
        default:
            break;
    }
}

void OverlayWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is only a double click.
    if (event->button() == Qt::LeftButton) overlay_left_double_click(window_);
}

void OverlayWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0)
        overlay_scrolled(window_, delta > 0 ? ScrollAction::LineBack : ScrollAction::LineForward);
    event->accept();
}

QtFullScreenInput::QtFullScreenInput(PictureTargets& targets)
    : QtWindow<FullScreenInput>(&targets, [this] {
          return make_popup_widget(
              std::make_unique<OverlayWidget>(*this, [this] { overlay_left_down(*this); }),
              kPopupTitle, kBorderless);
      }) {}

void QtFullScreenInput::move_scroll_bar(int x) {
    move_hidden_bar(popup, x);
}

CaptionStrip::CaptionStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionStrip::show_caption(QString text, int x, int width, int height, int font_height) {
    text_ = std::move(text);
    x_ = x;
    width_ = width;
    height_ = height;
    font_height_ = font_height;
    update();
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (text_.isEmpty() || font_height_ <= 0) return;
    painter.setClipRect(0, 0, width_, height_);
    QFont font("IPAGothic");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(font_height_);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(x_, 3 + painter.fontMetrics().ascent(), text_);
}

QtCaptionOverlay::QtCaptionOverlay()
    : QtWindow<CaptionOverlay>(nullptr, [this] {
          auto w = std::make_unique<OverlayWidget>(*this, [this] { overlay_left_down(*this); });
          strip_ = new CaptionStrip(w.get());
          w->scroll_bar()->setFocus();
          return make_popup_widget(std::move(w), kPopupTitle, kBorderless);
      }) {}

void QtCaptionOverlay::create() {
    if (popup.exists()) return;
    region_empty_ = true;
    show_asked_ = false;
    popup.create();
}

CaptionStrip* QtCaptionOverlay::strip() const {
    return popup.exists() ? strip_.data() : nullptr;
}

void QtCaptionOverlay::move_scroll_bar(int x) {
    move_hidden_bar(popup, x);
}

void QtCaptionOverlay::set_region(const std::vector<Rect>& rects) {
    QWidget* w = popup.widget();
    if (!w) return;
    QRegion region;
    for (const Rect& r : rects)
        region += QRect(r.x, r.y, r.w, r.h);
    region_empty_ = region.isEmpty();
    if (region_empty_) {
        w->hide();
        return;
    }
    w->setMask(region);
    if (show_asked_) w->show();
}

void QtCaptionOverlay::caption_move(const Rect& r) {
    if (CaptionStrip* s = strip()) s->setGeometry(r.x, r.y, r.w, r.h);
}

void QtCaptionOverlay::draw_caption(const std::string& text, int x, int width, int height,
                                    int font_height) {
    if (CaptionStrip* s = strip())
        s->show_caption(QString::fromStdString(text), x, width, height, font_height);
}

void QtCaptionOverlay::place(const WindowPlacement& p) {
    if (p.show) show_asked_ = true;
    WindowPlacement q = p;
    if (region_empty_) q.show = false;
    popup.place(q);
    if (region_empty_ && popup.widget()) popup.widget()->hide();
}

}  // namespace rq
