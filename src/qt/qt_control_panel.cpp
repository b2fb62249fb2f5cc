#include "qt/qt_control_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "panels/control_panel.h"
#include "qt/scroll_bar.h"

namespace rq {

namespace {

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

QtControlPanel::QtControlPanel()
    : QtWindow<ControlPanel>(nullptr, [this] {
          return make_popup_widget(std::make_unique<PanelWidget>(*this), kPopupTitle, kBorderless);
      }) {}

void QtControlPanel::show_values() {
    if (auto* w = static_cast<PanelWidget*>(popup.widget())) w->show_values();
}

}  // namespace rq
