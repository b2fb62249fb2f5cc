// The editor's window on Qt: a view that follows the rows, buttons that
// run the editor's operations, and the ways it closes.

#include "qt/editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "playlist/playlist_model.h"
#include "support/player_fixture.h"
#include "support/qt_app.h"

namespace rq {
namespace {

struct QtEditor : ::testing::Test {
    QtEditor() {
        editor.attach(&pw, nullptr);
        life.init_dialog();
        for (const char* name : {"a", "b", "c", "d", "e", "f"})
            pw.stores.path_list.insert_at(-1, std::string("/m/") + name + ".mpg");
        show_editor(pw);
        QApplication::processEvents();
    }
    ~QtEditor() override { editor.attach(nullptr, nullptr); }

    QWidget& window() { return *editor.widget(); }
    QListView& view() { return *window().findChild<QListView*>("rows"); }
    std::vector<std::string> shown() {
        std::vector<std::string> out;
        for (int i = 0; i < view().model()->rowCount(); ++i)
            out.push_back(view().model()->index(i, 0).data().toString().toStdString());
        return out;
    }
    void right_click(QWidget& on, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, on.mapToGlobal(at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&on, &press);
        QApplication::processEvents();
    }

    QtEditorWindow editor;
    test::Player player{{}, true, &editor};
    rq::Player& pw = *player.pw;
    PlayerLifecycle& life = *player.life;
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
    std::vector<int> still;
    for (const QModelIndex& at : view().selectionModel()->selectedRows())
        still.push_back(at.row());
    std::sort(still.begin(), still.end());
    EXPECT_EQ(still, (std::vector<int>{2, 3}));

    // Files dropped on the window are appended.
    QMimeData mime;
    test::write_bytes(player.dir / "g.mpg", "clip");
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(player.dir / "g.mpg"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(shown().back(), " 0007 g.mpg");

    // A change from elsewhere (the marker following playback) shows too.
    mark_current_entry(pw, 0, 3);
    QApplication::processEvents();
    EXPECT_EQ(shown()[3], ">0004 e.mpg");
}

TEST_F(QtEditor, RightClickOnTheWindowEscapeEnterAndBackClose) {
    // On a button a right click does nothing.
    QPushButton& sort = *window().findChild<QPushButton*>("sort");
    right_click(sort, {5, 5});
    EXPECT_EQ(pw.playlist.editor_open, 1);

    right_click(window(), {window().width() - 3, 3});
    EXPECT_EQ(pw.playlist.editor_open, 0);
    EXPECT_FALSE(editor.exists());

    using Act = std::function<void(QWidget&)>;
    const std::pair<const char*, Act> ways[] = {
        {"escape",
         [](QWidget& w) { QTest::keyClick(w.findChild<QListView*>("rows"), Qt::Key_Escape); }},
        {"enter",
         [](QWidget& w) { QTest::keyClick(w.findChild<QListView*>("rows"), Qt::Key_Return); }},
        {"back", [](QWidget& w) { w.findChild<QPushButton*>("back")->click(); }},
    };
    for (const auto& [what, act] : ways) {
        show_editor(pw);
        QApplication::processEvents();
        ASSERT_TRUE(editor.exists()) << what;
        window().activateWindow();
        view().setFocus();
        act(window());
        QApplication::processEvents();
        EXPECT_EQ(pw.playlist.editor_open, 0) << what;
        EXPECT_FALSE(editor.exists()) << what;
    }
}

}  // namespace
}  // namespace rq
