#include "qt/qt_settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "core/settings.h"
#include "panels/settings_dialog.h"
#include "skin/skin_setup.h"

namespace rq {

namespace {

// The logic's message, for the translation.
constexpr const char* kSpeedMessage =
    QT_TRANSLATE_NOOP("SettingsDialog", "サーチの速度には整数を入力してください。");
static_assert(std::string_view(kSpeedMessage) == kSpeedNotANumber);
constexpr const char* kDefaultBackgroundShown = QT_TRANSLATE_NOOP("SettingsDialog", "デフォルト");
static_assert(std::string_view(kDefaultBackgroundShown) == kDefaultBackgroundName);

// A pair of radio buttons "MODE1" / "MODE2" (or "OFF" / "ON"), each with
// the label of what it does, bound to one setting.
struct RadioPair {
    const char* group;
    const char* first;
    const char* second;
    const char* first_label;
    const char* second_label;
    int SettingsDialogValues::*member;
    const char* name;
};

const RadioPair kWheelModes[] = {
    {QT_TRANSLATE_NOOP("SettingsDialog", "再生中からの動作"), "MODE1", "MODE2",
     QT_TRANSLATE_NOOP("SettingsDialog", "前後早送り"),
     QT_TRANSLATE_NOOP("SettingsDialog", "スロー～早送り"),
     &SettingsDialogValues::wheel_mode_playing, "wheel_mode_playing"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "一時停止からの動作"), "MODE1", "MODE2",
     QT_TRANSLATE_NOOP("SettingsDialog", "前後コマ送り"),
     QT_TRANSLATE_NOOP("SettingsDialog", "スロー～早送り"),
     &SettingsDialogValues::wheel_mode_paused, "wheel_mode_paused"},
};
// Kept and handed back, never shown.
const RadioPair kPausedSearchSlow = {
    QT_TRANSLATE_NOOP("SettingsDialog", "一時停止時のサーチボタン設定"),
    "OFF",
    "ON",
    QT_TRANSLATE_NOOP("SettingsDialog", "早送りボタンをスローにする"),
    "",
    &SettingsDialogValues::paused_search_slow,
    "paused_search_slow"};

struct CheckRow {
    const char* text;
    int SettingsDialogValues::*member;
    const char* name;
};

const CheckRow kChecks[] = {
    {QT_TRANSLATE_NOOP("SettingsDialog", "再生ファイルの有るフォルダにインデックスを書き込む"),
     &SettingsDialogValues::index_beside_file, "index_beside_file"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "最大化時省電力強制オフ"),
     &SettingsDialogValues::power_saving_off, "power_saving_off"},
    {QT_TRANSLATE_NOOP("SettingsDialog",
                       "最大化時 左クリックで再生/一時停止。ダブルクリックで操作パネル表示"),
     &SettingsDialogValues::maximized_click_mode, "maximized_click_mode"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "最大化時マウスカーソルを隠す"),
     &SettingsDialogValues::hide_cursor_maximized, "hide_cursor_maximized"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "ウインドウを常に手前に表示"),
     &SettingsDialogValues::always_on_top, "always_on_top"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "動画ウインドウの表示サイズ保存"),
     &SettingsDialogValues::save_video_size, "save_video_size"},
    {QT_TRANSLATE_NOOP("SettingsDialog", "起動後すぐに再生"), &SettingsDialogValues::autoplay,
     "autoplay"},
};

// The place of a speed in search_step_table.
constexpr int step_index(bool right, bool paused, bool backward) {
    return 4 * right + 2 * paused + backward;
}

QString text_of(const char* source) {
    return QCoreApplication::translate("SettingsDialog", source);
}

class SettingsDialog : public QDialog {
  public:
    SettingsDialog(QWidget* parent, const SettingsDialogValues& values,
                   const std::vector<std::string>& backgrounds, int selected);
    const SettingsDialogValues& values() const { return values_; }
    void accept() override;

  private:
    QGroupBox* radio_group(const RadioPair& pair);
    QGroupBox* speed_group(const char* title, bool paused, bool with_row_labels);

    SettingsDialogValues values_;
    std::vector<std::pair<QButtonGroup*, int SettingsDialogValues::*>> radios_;
    std::vector<std::pair<QCheckBox*, int SettingsDialogValues::*>> checks_;
    std::array<QLineEdit*, 8> speeds_{};
};

SettingsDialog::SettingsDialog(QWidget* parent, const SettingsDialogValues& values,
                               const std::vector<std::string>& backgrounds, int selected)
    : QDialog(parent), values_(values) {
    setWindowTitle(text_of(QT_TRANSLATE_NOOP("SettingsDialog", "操作設定ダイアログ")));
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    setFont(font);

    auto* layout = new QVBoxLayout(this);
    auto* wheel = new QHBoxLayout;
    for (const RadioPair& pair : kWheelModes)
        wheel->addWidget(radio_group(pair));
    layout->addLayout(wheel);
    radio_group(kPausedSearchSlow)->hide();

    auto* speeds =
        new QGroupBox(text_of(QT_TRANSLATE_NOOP("SettingsDialog", "サーチの速度(mms)")), this);
    auto* speed_row = new QHBoxLayout(speeds);
    speed_row->addWidget(
        speed_group(QT_TRANSLATE_NOOP("SettingsDialog", "再生中からの速度"), false, true));
    speed_row->addWidget(
        speed_group(QT_TRANSLATE_NOOP("SettingsDialog", "一時停止からの速度"), true, false));
    auto* reset = new QPushButton(text_of(QT_TRANSLATE_NOOP("SettingsDialog", "初期化")), speeds);
    reset->setObjectName(QStringLiteral("reset"));
    reset->setAutoDefault(false);
    // Only the edits: the settings change on OK, if at all.
    connect(reset, &QPushButton::clicked, this, [this] {
        for (size_t i = 0; i < speeds_.size(); ++i)
            speeds_[i]->setText(QString::number(kDefaultSearchSteps[i]));
    });
    speed_row->addWidget(reset, 0, Qt::AlignBottom);
    layout->addWidget(speeds);

    auto* background_box =
        new QGroupBox(text_of(QT_TRANSLATE_NOOP("SettingsDialog", "バックグラウンドの指定")), this);
    auto* background_row = new QHBoxLayout(background_box);
    auto* background = new QComboBox(background_box);
    background->setObjectName(QStringLiteral("background"));
    // The default's name is shown translated and stored as it is.
    for (const std::string& name : backgrounds)
        background->addItem(name == kDefaultBackgroundName ? text_of(kDefaultBackgroundShown)
                                                           : QString::fromStdString(name),
                            QString::fromStdString(name));
    background->setCurrentIndex(selected);
    // Only a choice of the user's names the background: a stored name that
    // is no longer in the folder stays as it is.
    connect(background, &QComboBox::activated, this, [this, background](int) {
        values_.background_name = background->currentData().toString().toStdString();
    });
    background_row->addWidget(background);
    layout->addWidget(background_box);

    for (const CheckRow& row : kChecks) {
        auto* check = new QCheckBox(text_of(row.text), this);
        check->setObjectName(QString::fromLatin1(row.name));
        check->setChecked(values_.*row.member != 0);
        checks_.emplace_back(check, row.member);
        layout->addWidget(check);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ok"));
    buttons
        ->addButton(text_of(QT_TRANSLATE_NOOP("SettingsDialog", "ｷｬﾝｾﾙ")),
                    QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QGroupBox* SettingsDialog::radio_group(const RadioPair& pair) {
    auto* box = new QGroupBox(text_of(pair.group), this);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(pair.name));
    const char* texts[] = {pair.first, pair.second};
    const char* labels[] = {pair.first_label, pair.second_label};
    for (int id = 0; id < 2; ++id) {
        auto* radio = new QRadioButton(text_of(texts[id]), box);
        group->addButton(radio, id);
        grid->addWidget(radio, id, 0);
        if (*labels[id]) grid->addWidget(new QLabel(text_of(labels[id]), box), id, 1);
    }
    // A value that is neither leaves both off, and unchanged on OK.
    if (QAbstractButton* on = group->button(values_.*pair.member)) on->setChecked(true);
    radios_.emplace_back(group, pair.member);
    return box;
}

QGroupBox* SettingsDialog::speed_group(const char* title, bool paused, bool with_row_labels) {
    auto* box = new QGroupBox(text_of(title), this);
    auto* grid = new QGridLayout(box);
    for (int right = 0; right < 2; ++right) {
        int column = 0;
        if (with_row_labels)
            grid->addWidget(
                new QLabel(text_of(right ? QT_TRANSLATE_NOOP("SettingsDialog", "右クリック")
                                         : QT_TRANSLATE_NOOP("SettingsDialog", "左クリック")),
                           box),
                right, column++);
        // Backward (REW) on the left, forward (FF) on the right.
        for (bool backward : {true, false}) {
            const int index = step_index(right, paused, backward);
            auto* edit = new QLineEdit(QString::number(values_.search_step_table[index]), box);
            edit->setObjectName(QStringLiteral("speed%1").arg(index));
            edit->setFixedWidth(56);
            edit->setAlignment(Qt::AlignRight);
            speeds_[static_cast<size_t>(index)] = edit;
            grid->addWidget(edit, right, column++);
        }
    }
    return box;
}

void SettingsDialog::accept() {
    std::array<int, 8> steps{};
    for (size_t i = 0; i < speeds_.size(); ++i) {
        const std::optional<int> value = parse_search_step(speeds_[i]->text().toStdString());
        if (!value) {
            QMessageBox::warning(this, windowTitle(), text_of(kSpeedNotANumber));
            speeds_[i]->setFocus();
            speeds_[i]->selectAll();
            return;
        }
        steps[i] = *value;
    }
    values_.search_step_table = steps;
    for (const auto& [group, member] : radios_)
        if (group->checkedId() >= 0) values_.*member = group->checkedId();
    for (const auto& [check, member] : checks_)
        values_.*member = check->isChecked() ? 1 : 0;
    QDialog::accept();
}

}  // namespace

std::optional<SettingsDialogValues> QtSettingsDialogUi::run(
    const SettingsDialogValues& values, const std::vector<std::string>& backgrounds, int selected) {
    SettingsDialog dialog(parent_, values, backgrounds, selected);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
}

}  // namespace rq
