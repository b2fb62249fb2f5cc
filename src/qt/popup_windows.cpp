#include "qt/popup_windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

#include "panels/control_panel.h"
#include "panels/popup_input.h"
#include "qt/placement.h"
#include "qt/scroll_bar.h"

namespace rq {

namespace {

constexpr Qt::WindowFlags kBorderless = Qt::Window | Qt::FramelessWindowHint;
constexpr char kTitle[] = "RQ810Z";

// The video window: a press anywhere drags it.
class VideoWidget : public QWidget {
  protected:
    void mousePressEvent(QMouseEvent* e) override { start_move(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { start_move(e); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (dragging_ && (e->buttons() & Qt::LeftButton))
            move(e->globalPosition().toPoint() - grab_);
    }
    void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

  private:
    void start_move(QMouseEvent* e) {
        if (e->button() != Qt::LeftButton) return;
        // The window manager moves it when it can; otherwise we follow the mouse.
        if (windowHandle() && windowHandle()->startSystemMove()) return;
        dragging_ = true;
        grab_ = e->globalPosition().toPoint() - pos();
    }
    bool dragging_ = false;
    QPoint grab_;
};

QFont panel_font() {
    QFont font("IPAPGothic");
    font.setPointSize(9);
    return font;
}

// The control panel's controls over its ControlPanel.
class PanelWidget : public QWidget {
  public:
    explicit PanelWidget(ControlPanel& panel) : panel_(panel) {
        setFont(panel_font());
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
        pal.setColor(QPalette::WindowText, Qt::black);
        pal.setColor(QPalette::ButtonText, Qt::black);
        setPalette(pal);
        setAutoFillBackground(true);

        button("BACK", {10, 8, 60, 26}, PanelButton::Back);
        button("PLAY/PAUSE", {76, 8, 96, 26}, PanelButton::PlayPause);
        button("NEXT", {178, 8, 60, 26}, PanelButton::Next);

        auto* size_group = new QGroupBox("MovieSize", this);
        size_group->setGeometry(250, 0, 112, 42);
        fit_ = read_only_edit(size_group, {8, 16, 64, 20});
        step_button(size_group, {76, 14, 20, 12}, Qt::UpArrow,
                    [this] { panel_fit_step(panel_, +1); });
        step_button(size_group, {76, 27, 20, 12}, Qt::DownArrow,
                    [this] { panel_fit_step(panel_, -1); });

        caption_ = new QCheckBox("Caption", this);
        caption_->setGeometry(372, 14, 90, 20);
        QObject::connect(caption_, &QCheckBox::clicked, this,
                         [this] { panel_caption_clicked(panel_); });

        // Created hidden and disabled: they do nothing to playback, yet
        // their values are kept for the settings.
        auto* scan_group = hidden_group("ScanLineMode", {470, 0, 112, 42});
        scan_ = read_only_edit(scan_group, {8, 16, 64, 20});
        step_button(scan_group, {76, 14, 20, 12}, Qt::UpArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::ScanUp); });
        step_button(scan_group, {76, 27, 20, 12}, Qt::DownArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::ScanDown); });
        auto* mask_group = hidden_group("LineMaskSize", {590, 0, 180, 42});
        mask_a_ = read_only_edit(mask_group, {8, 16, 48, 20});
        step_button(mask_group, {60, 14, 20, 12}, Qt::UpArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::MaskAUp); });
        step_button(mask_group, {60, 27, 20, 12}, Qt::DownArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::MaskADown); });
        mask_b_ = read_only_edit(mask_group, {92, 16, 48, 20});
        step_button(mask_group, {144, 14, 20, 12}, Qt::UpArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::MaskBUp); });
        step_button(mask_group, {144, 27, 20, 12}, Qt::DownArrow,
                    [this] { panel_hidden_step(panel_, PanelStep::MaskBDown); });
        auto* combo = new QComboBox(this);
        combo->setGeometry(780, 10, 80, 20);
        combo->hide();
        combo->setEnabled(false);

        seek_ = slider(PanelSlider::Seek);
        volume_ = slider(PanelSlider::Volume);
        show_values();
    }

    void show_values() {
        fit_->setText(QString::fromStdString(fit_mode_text(panel_.mailbox.panel_fit_mode)));
        scan_->setText(QString::fromStdString(scan_mode_text(panel_.mailbox.panel_scan_mode)));
        mask_a_->setText(QString::fromStdString(mask_text(panel_.mailbox.panel_mask_a)));
        mask_b_->setText(QString::fromStdString(mask_text(panel_.mailbox.panel_mask_b)));
        {
            const QSignalBlocker quiet(caption_);
            caption_->setChecked(panel_.caption != 0);
        }
        show_slider(*seek_, panel_.seek_slider, panel_.seek_slider_rect);
        show_slider(*volume_, panel_.volume_slider, panel_.volume_slider_rect);
    }

  private:
    void button(const char* text, QRect r, PanelButton which) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(r);
        QObject::connect(b, &QPushButton::clicked, this,
                         [this, which] { panel_button(panel_, which); });
    }
    QLineEdit* read_only_edit(QWidget* parent, QRect r) {
        auto* e = new QLineEdit(parent);
        e->setGeometry(r);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    }
    template <typename F>
    void step_button(QWidget* parent, QRect r, Qt::ArrowType arrow, F on_click) {
        auto* b = new QToolButton(parent);
        b->setGeometry(r);
        b->setArrowType(arrow);
        QObject::connect(b, &QToolButton::clicked, this, on_click);
    }
    QGroupBox* hidden_group(const char* title, QRect r) {
        auto* g = new QGroupBox(title, this);
        g->setGeometry(r);
        g->hide();
        g->setEnabled(false);
        return g;
    }
    QScrollBar* slider(PanelSlider which) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(0, kPanelSliderMax);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        QObject::connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, which](int a) {
            panel_scrolled(panel_, which, scroll_action(a), bar->sliderPosition());
        });
        return bar;
    }
    // Showing a value is no user action: nothing may reach the mailbox.
    static void show_slider(QScrollBar& bar, int position, const Rect& r) {
        const QSignalBlocker quiet(bar);
        if (r.w > 0 && r.h > 0) bar.setGeometry(r.x, r.y, r.w, r.h);
        bar.setRange(0, kPanelSliderMax);
        bar.setValue(position);
    }

    ControlPanel& panel_;
    QLineEdit* fit_;
    QLineEdit* scan_;
    QLineEdit* mask_a_;
    QLineEdit* mask_b_;
    QCheckBox* caption_;
    QScrollBar* seek_;
    QScrollBar* volume_;
};

}  // namespace

bool WindowWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move && moved) {
        moved(static_cast<QWidget*>(watched)->pos());
    } else if (event->type() == QEvent::Close && close_requested) {
        // The player decides when its windows close.
        event->ignore();
        close_requested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

std::unique_ptr<QWidget> make_popup_widget(std::unique_ptr<QWidget> w, const QString& title,
                                           Qt::WindowFlags flags) {
    w->setWindowFlags(flags);
    w->setWindowTitle(title);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!w->autoFillBackground()) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, Qt::black);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
    return w;
}

QtPopup::QtPopup(PictureTargets* targets, Factory make)
    : targets_(targets), make_(std::move(make)) {}

QtPopup::QtPopup(PictureTargets& targets, QString title, Qt::WindowFlags flags)
    : QtPopup(&targets, [title, flags] {
          return make_popup_widget(std::make_unique<QWidget>(), title, flags);
      }) {}

QtPopup::~QtPopup() {
    destroy();
}

void QtPopup::create() {
    if (widget_) return;
    widget_ = make_();
    widget_->installEventFilter(&watcher);
    if (targets_) handle_ = targets_->add(widget_.get());
}

void QtPopup::destroy() {
    if (!widget_) return;
    if (targets_) targets_->remove(handle_);
    handle_ = 0;
    widget_->removeEventFilter(&watcher);
    widget_->hide();
    widget_.release()->deleteLater();
}

void QtPopup::place(const WindowPlacement& p) {
    if (widget_) apply_placement(*widget_, p);
}

bool QtPopup::visible() const {
    return widget_ && widget_->isVisible();
}

Rect QtPopup::rect() const {
    if (!widget_) return {};
    const QRect r = widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

QtVideoWindow::QtVideoWindow(PictureTargets& targets)
    : QtWindow<VideoWindow>(&targets, [] {
          return make_popup_widget(std::make_unique<VideoWidget>(), "RQ810Z Video", kBorderless);
      }) {
    popup.watcher.moved = [this](QPoint at) { video_window_moved(*this, {at.x(), at.y()}); };
    popup.watcher.close_requested = [] {};
}

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

namespace {

OverlayWidget* overlay_widget(const QtPopup& popup) {
    return static_cast<OverlayWidget*>(popup.widget());
}

void move_hidden_bar(const QtPopup& popup, int x) {
    if (OverlayWidget* w = overlay_widget(popup)) place_hidden_bar(*w->scroll_bar(), x);
}

}  // namespace

QtFullScreenInput::QtFullScreenInput(PictureTargets& targets)
    : QtWindow<FullScreenInput>(&targets, [this] {
          return make_popup_widget(
              std::make_unique<OverlayWidget>(*this, [this] { overlay_left_down(*this); }), kTitle,
              kBorderless);
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
          return make_popup_widget(std::move(w), kTitle, kBorderless);
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

QtControlPanel::QtControlPanel()
    : QtWindow<ControlPanel>(nullptr, [this] {
          return make_popup_widget(std::make_unique<PanelWidget>(*this), kTitle, kBorderless);
      }) {}

void QtControlPanel::show_values() {
    if (auto* w = static_cast<PanelWidget*>(popup.widget())) w->show_values();
}

void QtVideoWindow::place(const WindowPlacement& p) {
    WindowPlacement fit = p;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && fit.move && fit.w > 0 && fit.h > 0) {
        const QRect desk = screen->virtualGeometry();
        fit.w = std::min(fit.w, std::max(1, desk.right() + 1 - fit.x));
        fit.h = std::min(fit.h, std::max(1, desk.bottom() + 1 - fit.y));
    }
    popup.place(fit);
}

QtChildWindows::QtChildWindows(PictureTargets& targets)
    : full_screen_input(targets),
      video_window(targets),
      caption_overlay(),
      control_panel(),
      desktop(targets) {}

ChildWindows QtChildWindows::windows() {
    return {full_screen_input, video_window, caption_overlay, control_panel, editor, desktop};
}

}  // namespace rq
