#include "qt/editor_window.h"

#include <QAbstractListModel>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <array>
#include <functional>

#include "core/player.h"
#include "media/drops.h"
#include "playlist/playlist_editor.h"
#include "qt/drop_filter.h"
#include "qt/placement.h"

namespace rq {

namespace {

// The rows as a list model. The store tells of every change at once; the
// view catches up in one go when control is back in the event loop.
class RowModel : public QAbstractListModel {
  public:
    void set_store(const ListStore* store) {
        beginResetModel();
        store_ = store;
        count_ = store ? store->count() : 0;
        endResetModel();
    }
    void refresh() {
        if (!store_) return;
        const int n = store_->count();
        if (n != count_) {
            beginResetModel();
            count_ = n;
            endResetModel();
        } else if (n > 0) {
            emit dataChanged(index(0), index(n - 1), {Qt::DisplayRole});
        }
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& at, int role) const override {
        if (!store_ || role != Qt::DisplayRole || at.row() >= store_->count()) return {};
        return QString::fromStdString(store_->text(at.row()));
    }

  private:
    const ListStore* store_ = nullptr;
    int count_ = 0;
};

struct EditorButton {
    EditorControl control;
    const char* name;  // object name
    const char* text;
    void (*action)(Player&);
};

const EditorButton kButtons[] = {
    {EditorControl::New, "new", QT_TRANSLATE_NOOP("PlaylistEditor", "新規"), editor_new},
    {EditorControl::Load, "load", QT_TRANSLATE_NOOP("PlaylistEditor", "読込"), editor_load},
    {EditorControl::Save, "save", QT_TRANSLATE_NOOP("PlaylistEditor", "保存"), editor_save},
    {EditorControl::Sort, "sort", QT_TRANSLATE_NOOP("PlaylistEditor", "ソート"), editor_sort},
    {EditorControl::Delete, "delete", QT_TRANSLATE_NOOP("PlaylistEditor", "削除"), editor_delete},
    {EditorControl::Up, "up", QT_TRANSLATE_NOOP("PlaylistEditor", "上へ"), editor_up},
    {EditorControl::Down, "down", QT_TRANSLATE_NOOP("PlaylistEditor", "下へ"), editor_down},
    {EditorControl::Random, "random", QT_TRANSLATE_NOOP("PlaylistEditor", "ランダム"),
     editor_random},
    {EditorControl::Back, "back", QT_TRANSLATE_NOOP("PlaylistEditor", "戻る"),
     editor_close_request},
};

// Client size before the first size change is known.
constexpr Size kInitialClient{200, 320};

}  // namespace

class EditorWidget : public QWidget {
  public:
    EditorWidget(Player& p, QWidget* owner);
    ~EditorWidget() override { detach(); }

    // Stops following the player's rows; the view shows nothing more.
    void detach();
    void apply(const EditorLayout& layout);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Runs an operation, then shows the read-only box as it left it.
    void act(void (*action)(Player&));
    void schedule_sync();
    // The view takes the rows and their selection from the store.
    void sync();
    // The user's selection goes into the store.
    void take_selection(const QItemSelection& selected, const QItemSelection& deselected);
    QWidget* control(EditorControl c) const { return controls_[static_cast<size_t>(c)]; }

    Player* player_;
    RowModel model_;
    QListView* list_;
    QLineEdit* box_;
    std::array<QWidget*, static_cast<size_t>(EditorControl::Count)> controls_{};
    DropFilter drops_;
    bool syncing_ = false;       // the view is being set from the store
    bool taking_ = false;        // the store is being set from the view
    bool sync_pending_ = false;  // a sync is queued
};

EditorWidget::EditorWidget(Player& p, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      player_(&p),
      list_(new QListView(this)),
      box_(new QLineEdit(this)),
      drops_([this](const std::vector<std::string>& paths) {
          if (player_) append_drop(*player_, paths);
      }) {
    setWindowTitle(QCoreApplication::translate("PlaylistEditor", "ならべ丸"));
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    setFont(font);
    setMinimumSize(kEditorMinimumClient.w, kEditorMinimumClient.h);
    setAcceptDrops(true);
    installEventFilter(&drops_);

    auto* title = new QLabel(QStringLiteral("PlayList"), this);
    title->setGeometry(5, 1, 100, 14);
    // Clicks on the title reach the window, as on the window's own face.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    list_->setObjectName(QStringLiteral("rows"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Long names are cut at the right edge, as in a plain list box.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setModel(&model_);
    controls_[static_cast<size_t>(EditorControl::List)] = list_;
    box_->setObjectName(QStringLiteral("shown_path"));
    box_->setReadOnly(true);
    controls_[static_cast<size_t>(EditorControl::PathBox)] = box_;
    for (const EditorButton& kind : kButtons) {
        auto* button =
            new QPushButton(QCoreApplication::translate("PlaylistEditor", kind.text), this);
        button->setObjectName(QString::fromLatin1(kind.name));
        button->setAutoDefault(false);
        controls_[static_cast<size_t>(kind.control)] = button;
        QObject::connect(button, &QPushButton::clicked, this, [this, kind] { act(kind.action); });
    }

    // Escape and Enter close, wherever the focus is.
    for (QKeySequence key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return),
                             QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        QObject::connect(shortcut, &QShortcut::activated, this,
                         [this] { act(editor_close_request); });
    }
    QObject::connect(list_, &QListView::doubleClicked, this, [this] { act(editor_play_selected); });
    QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                         if (syncing_ || !player_) return;
                         take_selection(selected, deselected);
                         act(editor_show_folder);
                     });

    ListStore& rows = p.editor.row_list;
    model_.set_store(&rows);
    rows.set_listener([this](int) {
        if (!taking_) schedule_sync();
    });
    sync();
    apply(editor_control_rects(kInitialClient));
}

void EditorWidget::detach() {
    if (!player_) return;
    player_->editor.row_list.set_listener(nullptr);
    player_ = nullptr;
    model_.set_store(nullptr);
}

void EditorWidget::apply(const EditorLayout& layout) {
    for (size_t i = 0; i < layout.size(); ++i) {
        const Rect& r = layout[i];
        if (controls_[i]) controls_[i]->setGeometry(r.x, r.y, r.w, r.h);
    }
}

void EditorWidget::act(void (*action)(Player&)) {
    if (!player_) return;
    Player& p = *player_;
    action(p);
    // The operation may have closed the window and detached it.
    if (player_) box_->setText(QString::fromStdString(p.editor.shown_path));
}

void EditorWidget::schedule_sync() {
    if (sync_pending_) return;
    sync_pending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { sync(); }, Qt::QueuedConnection);
}

void EditorWidget::sync() {
    sync_pending_ = false;
    if (!player_) return;
    const ListStore& rows = player_->editor.row_list;
    syncing_ = true;
    QScrollBar* bar = list_->verticalScrollBar();
    const int scrolled = bar->value();
    model_.refresh();
    QItemSelection selection;
    int first = -1;
    for (int i = 0; i < rows.count(); ++i) {
        if (!rows.selected(i)) continue;
        int end = i;
        while (end + 1 < rows.count() && rows.selected(end + 1))
            ++end;
        selection.select(model_.index(i), model_.index(end));
        if (first < 0) first = i;
        i = end;
    }
    QItemSelectionModel* model = list_->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    bar->setValue(scrolled);
    // The keyboard goes on from a selected row; moving rows keeps the first
    // of them in sight.
    if (first >= 0 && !model->isSelected(model->currentIndex()))
        model->setCurrentIndex(model_.index(first), QItemSelectionModel::NoUpdate);
    box_->setText(QString::fromStdString(player_->editor.shown_path));
    syncing_ = false;
}

void EditorWidget::take_selection(const QItemSelection& selected,
                                  const QItemSelection& deselected) {
    ListStore& rows = player_->editor.row_list;
    taking_ = true;
    for (const QItemSelectionRange& range : deselected)
        for (int i = range.top(); i <= range.bottom(); ++i)
            rows.set_selected(i, false);
    for (const QItemSelectionRange& range : selected)
        for (int i = range.top(); i <= range.bottom(); ++i)
            rows.set_selected(i, true);
    taking_ = false;
}

void EditorWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (player_) editor_resized(*player_, {width(), height()});
}

void EditorWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (player_) editor_window_moved(*player_);
}

void EditorWidget::mousePressEvent(QMouseEvent* event) {
    // Only a press on the window itself: the buttons and the list pass
    // their right clicks on to here as well.
    if (event->button() == Qt::RightButton && !childAt(event->position().toPoint()))
        act(editor_close_request);
    QWidget::mousePressEvent(event);
}

void EditorWidget::closeEvent(QCloseEvent* event) {
    // The main window closes the editor.
    event->ignore();
    act(editor_close_request);
}

QtEditorWindow::QtEditorWindow() = default;

QtEditorWindow::~QtEditorWindow() {
    delete widget_.data();
}

void QtEditorWindow::attach(Player* player, QWidget* owner) {
    if (!player) destroy();
    player_ = player;
    owner_ = owner;
}

bool QtEditorWindow::exists() const {
    return !widget_.isNull();
}

void QtEditorWindow::create() {
    if (widget_ || !player_) return;
    widget_ = new EditorWidget(*player_, owner_.data());
}

void QtEditorWindow::destroy() {
    if (!widget_) return;
    EditorWidget* widget = widget_.data();
    widget_.clear();
    widget->detach();
    widget->hide();
    widget->deleteLater();
}

void QtEditorWindow::place(const WindowPlacement& p) {
    if (widget_) apply_placement(*widget_, p);
}

bool QtEditorWindow::visible() const {
    return widget_ && widget_->isVisible();
}

Rect QtEditorWindow::rect() const {
    if (!widget_) return {};
    const QRect r = widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtEditorWindow::lay_out(const EditorLayout& layout) {
    if (widget_) widget_->apply(layout);
}

QWidget* QtEditorWindow::widget() const {
    return widget_.data();
}

}  // namespace rq
