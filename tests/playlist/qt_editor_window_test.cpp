// The editor's window on Qt: a view that follows the rows, buttons that
// run the editor's operations, and the ways it closes.

#include "playlist/qt_editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "app/player_window.h"
#include "platform/sim_engine.h"
#include "playlist/editor_exchange.h"
#include "playlist/playlist_editor.h"
#include "playlist/playlist_model.h"
#include "support/headless.h"
#include "support/qt_app.h"
#include "support/temp_dir.h"

namespace rq {
namespace {

struct QtEditor : ::testing::Test {
    QtEditor() {
        editor.attach(&pw, nullptr);
        pw.init_dialog();
        for (const char* name : {"a", "b", "c", "d", "e", "f"})
            pw.stores.path_list.insert_at(-1, std::string("/m/") + name + ".mpg");
        pw.playlist.entry_count = 6;
        show_editor(pw);
        QApplication::processEvents();
    }
    ~QtEditor() override { editor.attach(nullptr, nullptr); }

    QWidget& window() { return *editor.widget(); }
    QListView& view() { return *window().findChild<QListView*>("rows"); }
    std::vector<std::string> shown() {
        std::vector<std::string> out;
        QAbstractItemModel* model = view().model();
        for (int i = 0; i < model->rowCount(); ++i)
            out.push_back(model->index(i, 0).data().toString().toStdString());
        return out;
    }
    std::vector<int> shown_selection() {
        std::vector<int> out;
        for (const QModelIndex& at : view().selectionModel()->selectedRows())
            out.push_back(at.row());
        std::sort(out.begin(), out.end());
        return out;
    }
    void right_click(QWidget& on, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, on.mapToGlobal(at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&on, &press);
        QApplication::processEvents();
    }

    test::TempDir dir;
    SimEngine engine;
    VirtualWorkingDirectory cwd;
    MciChannel mci{engine, cwd};
    test::HeadlessHost host;
    test::HeadlessWindows others;
    QtEditorWindow editor;
    WaveOutVolume volume{&engine, {}};
    KeyState keys;
    test::RecordingText text;
    test::ScriptedDialogs dialogs;
    test::ScriptedSettingsDialog settings_dialog;
    test::CountingScreenSaver screen_saver;
    PlayerWindow pw{
        PlayerEnv{mci,
                  host,
                  {others.full_screen_input, others.video_window, others.caption_overlay,
                   others.control_panel, editor, others.desktop},
                  volume,
                  keys,
                  cwd,
                  text,
                  dialogs,
                  settings_dialog,
                  screen_saver,
                  dir / "rq810z",
                  {}}};
};

TEST_F(QtEditor, TheViewFollowsTheRowsAndTheButtonsActOnItsSelection) {
    ASSERT_TRUE(editor.exists());
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8("ならべ丸"));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(shown(), (std::vector<std::string>{">0001 a.mpg", " 0002 b.mpg", " 0003 c.mpg",
                                                 " 0004 d.mpg", " 0005 e.mpg", " 0006 f.mpg"}));

    // The user's selection reaches the rows; Up moves it and the view shows
    // the moved rows still selected.
    QItemSelection picked(view().model()->index(3, 0), view().model()->index(4, 0));
    view().selectionModel()->select(picked, QItemSelectionModel::ClearAndSelect);
    EXPECT_TRUE(pw.editor.row_list.selected(3));
    EXPECT_TRUE(pw.editor.row_list.selected(4));
    EXPECT_EQ(window().findChild<QLineEdit*>("shown_path")->text().toStdString(), "/m/");
    window().findChild<QPushButton*>("up")->click();
    QApplication::processEvents();
    EXPECT_EQ(shown(), (std::vector<std::string>{">0001 a.mpg", " 0002 b.mpg", " 0003 d.mpg",
                                                 " 0004 e.mpg", " 0005 c.mpg", " 0006 f.mpg"}));
    EXPECT_EQ(shown_selection(), (std::vector<int>{2, 3}));

    window().findChild<QPushButton*>("delete")->click();
    QApplication::processEvents();
    EXPECT_EQ(shown(), (std::vector<std::string>{">0001 a.mpg", " 0002 b.mpg", " 0003 c.mpg",
                                                 " 0004 f.mpg"}));
    EXPECT_EQ(shown_selection(), (std::vector<int>{2}));

    // A change from elsewhere (the marker following playback) shows too.
    mark_current_entry(pw, 0, 3);
    QApplication::processEvents();
    EXPECT_EQ(shown()[3], ">0004 f.mpg");
}

TEST_F(QtEditor, TheTickLaysOutTheControlsForTheNewSize) {
    window().resize(300, 420);
    QApplication::processEvents();
    EXPECT_EQ(pw.editor.editor_request, 10);
    exchange_with_editor(pw);
    const QRect list = view().geometry();
    EXPECT_EQ(list, QRect(5, 16, 235, 375));
    EXPECT_EQ(window().findChild<QPushButton*>("back")->geometry(), QRect(245, 365, 50, 20));
    EXPECT_EQ(pw.settings.editor_rect.w, 300);
}

TEST_F(QtEditor, RightClickOnTheWindowEscapeEnterAndBackClose) {
    // On a button a right click does nothing.
    QPushButton& sort = *window().findChild<QPushButton*>("sort");
    right_click(sort, {5, 5});
    EXPECT_EQ(pw.playlist.editor_open, 1);

    right_click(window(), {window().width() - 3, 3});
    EXPECT_EQ(pw.playlist.editor_open, 0);
    EXPECT_FALSE(editor.exists());

    struct Way {
        const char* what;
        std::function<void(QWidget&)> act;
    };
    const Way ways[] = {
        {"escape",
         [](QWidget& w) { QTest::keyClick(w.findChild<QListView*>("rows"), Qt::Key_Escape); }},
        {"enter",
         [](QWidget& w) { QTest::keyClick(w.findChild<QListView*>("rows"), Qt::Key_Return); }},
        {"back", [](QWidget& w) { w.findChild<QPushButton*>("back")->click(); }},
        {"window closed", [](QWidget& w) { w.close(); }},
    };
    for (const Way& way : ways) {
        show_editor(pw);
        QApplication::processEvents();
        ASSERT_TRUE(editor.exists()) << way.what;
        window().activateWindow();
        view().setFocus();
        way.act(window());
        QApplication::processEvents();
        EXPECT_EQ(pw.playlist.editor_open, 0) << way.what;
        EXPECT_FALSE(editor.exists()) << way.what;
    }
}

}  // namespace
}  // namespace rq
