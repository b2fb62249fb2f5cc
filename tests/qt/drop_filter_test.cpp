#include "qt/drop_filter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "qt/qt_file_dialogs.h"
#include "support/qt_app.h"

namespace rq {
namespace {

TEST(DropFilter, HandsOverLocalPathsInDropOrder) {
    QWidget face;
    face.setAcceptDrops(true);
    std::vector<std::vector<std::string>> drops;
    DropFilter filter([&](const std::vector<std::string>& p) { drops.push_back(p); });
    face.installEventFilter(&filter);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/v/b.mpg"), QUrl("https://example.org/x.mpg"),
                  QUrl::fromLocalFile("/v/dir/"), QUrl::fromLocalFile("/v/\xE6\x98\xA0.avi")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&face, &enter);
    EXPECT_TRUE(enter.isAccepted());

    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&face, &drop);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0], (std::vector<std::string>{"/v/b.mpg", "/v/dir", "/v/\xE6\x98\xA0.avi"}));
}

TEST(DropFilter, RefusesDragsWithoutLocalFiles) {
    QWidget face;
    face.setAcceptDrops(true);
    int calls = 0;
    DropFilter filter([&](const std::vector<std::string>&) { ++calls; });
    face.installEventFilter(&filter);

    QMimeData mime;
    mime.setText("just text");
    mime.setUrls({QUrl("https://example.org/x.mpg")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(&face, &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&face, &drop);
    EXPECT_EQ(calls, 0);
}

TEST(QtFileDialogs, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(qt_name_filters("Filename|*.*||"), "Filename (*.*)");
    EXPECT_EQ(qt_name_filters("Select List File|*.rql;*.m3u||"), "Select List File (*.rql *.m3u)");
    EXPECT_EQ(qt_name_filters("A|*.a|B|*.b||"), "A (*.a);;B (*.b)");
    EXPECT_EQ(qt_name_filters(""), "");
}

}  // namespace
}  // namespace rq
