// The face window on a scaled screen (the test runs with QT_SCALE_FACTOR
// set): the whole window as drawn, in device pixels, against a committed
// picture per factor. After a deliberate change of the art or the drawing,
// write them again with
//   RQ810Z_UPDATE_GOLDEN=1 QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen
//   build/test/tests/qt/test_face_scaled
// (and 1.5), and look at them before committing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/player_lifecycle.h"
#include "qt/face_window.h"
#include "support/player_fixture.h"
#include "support/qt_app.h"

namespace rq::test {
namespace {

const std::string kGoldenDir = std::string(RQ_SOURCE_DIR) + "/tests/qt/golden/";

TEST(FaceScaled, TheWholeFaceAsDrawn) {
    test::Player p;
    FaceWindow face;
    face.attach(p.pw);
    p.start();
    p.main_ticks(3);
    // The player's window host is the headless one: the size is set here.
    face.setGeometry(0, 0, 406, 92);
    face.show();
    QApplication::processEvents();
    const QPixmap grabbed = face.grab();
    const double ratio = grabbed.devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR set";
    const QImage got = grabbed.toImage().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(got.width(), std::lround(406 * ratio));

    char name[32];
    std::snprintf(name, sizeof name, "face-x%g.png", ratio);
    const QString path = QString::fromStdString(kGoldenDir + name);
    if (std::getenv("RQ810Z_UPDATE_GOLDEN")) {
        ASSERT_TRUE(got.save(path)) << path.toStdString();
        return;
    }
    const QImage want = QImage(path).convertToFormat(QImage::Format_RGB888);
    ASSERT_FALSE(want.isNull()) << "missing " << path.toStdString();
    ASSERT_EQ(want.size(), got.size());
    int differ = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differ += want.pixel(x, y) != got.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differ, 0) << "pixels unlike " << path.toStdString();
    face.attach(nullptr);
}

}  // namespace
}  // namespace rq::test
