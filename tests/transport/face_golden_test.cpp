// Whole faces in four states, driven through the mouse and the tick,
// compared pixel for pixel with committed pictures. After a deliberate
// change of the art or the composition, write them again with
//   RQ810Z_UPDATE_GOLDEN=1 build/test/tests/transport/test_transport
// and look at the new pictures before committing them.

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <string>

#include "face/mouse.h"
#include "support/face_clicks.h"
#include "support/face_test.h"

namespace rq::test {
namespace {

const std::string kGoldenDir = std::string(RQ_SOURCE_DIR) + "/tests/transport/golden/";

// An MPEG-1 Layer III header (128 kbit/s, 44.1 kHz) and an ID3v1 tag.
std::string fake_mp3() {
    std::string bytes = "\xFF\xFB\x90\x64";
    bytes.append(400, '\0');
    std::string tag = "TAG";
    auto field = [&](std::string text, size_t size) {
        text.resize(size, '\0');
        tag += text;
    };
    field("Morning Light", 30);
    field("The Sample Band", 30);
    field("", 30);
    field("1999", 4);
    field("", 30);
    tag += '\x0c';
    return bytes + tag;
}

QImage shown_face(const SkinSurface& face) {
    QImage image(407, 93, QImage::Format_RGB888);
    for (int y = 0; y < 93; ++y) {
        const uint8_t* row = face.row(y);
        for (int x = 0; x < 407; ++x)
            image.setPixel(x, y, qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
    }
    return image;
}

class FaceGolden : public FaceTest {
  protected:
    void SetUp() override {}
    void click(Point pt) { test::click(pw(), pt); }
    void start_with(const std::string& file) {
        pw().env.args = {file};
        p.start();
    }
    std::string song() {
        const std::string path = p.dir / "Morning Light.mp3";
        std::ofstream(path, std::ios::binary) << fake_mp3();
        p.engine.add_media(path, {3725000, 0, std::nullopt});
        return path;
    }
    std::string clip() {
        const std::string path = p.dir / "clip.avi";
        std::ofstream(path, std::ios::binary) << "RIFF";
        p.engine.add_media(path, {90000, 25.0, Rect{0, 0, 320, 240}});
        return path;
    }

    void expect_golden(const std::string& name) {
        const QImage got = shown_face(pw().skin.face_buffer);
        const QString path = QString::fromStdString(kGoldenDir + name + ".png");
        if (std::getenv("RQ810Z_UPDATE_GOLDEN")) {
            ASSERT_TRUE(got.save(path)) << path.toStdString();
            return;
        }
        const QImage want = QImage(path).convertToFormat(QImage::Format_RGB888);
        ASSERT_FALSE(want.isNull()) << "missing " << path.toStdString();
        ASSERT_EQ(want.size(), got.size());
        int differ = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x)
                if (got.pixel(x, y) != want.pixel(x, y) && differ++ == 0) first = QPoint(x, y);
        if (differ) got.save(QString::fromStdString(std::string(p.dir / name) + ".png"));
        EXPECT_EQ(differ, 0) << name << ": first at " << first.x() << "," << first.y();
    }
};

TEST_F(FaceGolden, Stopped) {
    p.start();
    for (int i = 0; i < 7; ++i)
        pw().stores.path_list.insert_at(-1, "/media/track " + std::to_string(i + 1) + ".mp3");
    pw().playlist.entry_count = 7;
    pw().playlist.current_entry = 2;
    p.main_ticks(20);
    expect_golden("stopped");
}

TEST_F(FaceGolden, PlayingWithTheTitleScrolling) {
    start_with(song());
    ASSERT_EQ(pw().device.stopped, 0);
    click(at(Hit::Shuffle));
    // The volume knob dragged 25 pixels left.
    const Point knob{hit_rect(Hit::VolumeKnob).x + pw().input.volume_knob + 3, 78};
    mouse_left_down(pw(), knob);
    mouse_move(pw(), {knob.x - 25, 78});
    mouse_left_up(pw());
    // The badge dropped off the face uncovers the display.
    mouse_left_down(pw(), at(Hit::Badge, 30, 10));
    mouse_move(pw(), at(Hit::Badge, 30, 60));
    mouse_left_up(pw());
    p.main_ticks(100);
    ASSERT_EQ(pw().settings.badge_gone, 1);
    expect_golden("playing");
}

TEST_F(FaceGolden, PausedInKeypadMode) {
    start_with(song());
    mouse_right_down(pw(), at(Hit::DialArea, 20, 20));
    mouse_right_up(pw());
    click(at(Hit::Still));
    mouse_right_down(pw(), at(Hit::TitleField, 100, 5));  // the title field's own line
    mouse_right_up(pw());
    p.main_ticks(3);
    for (int code : {1, 2, 3}) {
        const SpriteRect key = keypad_key(code)->rect;
        click({key.x + 2, key.y + 2});
        p.main_ticks(1);
    }
    // Key 4 held down; the pointer then rests on the title field.
    const SpriteRect four = keypad_key(4)->rect;
    mouse_left_down(pw(), {four.x + 2, four.y + 2});
    mouse_move(pw(), at(Hit::TitleField, 120, 6));
    pw().tick.window_active = 0;
    p.main_ticks(4);
    ASSERT_EQ(pw().device.paused, 1);
    expect_golden("paused-keypad");
}

TEST_F(FaceGolden, SearchingWithTheShuttle) {
    start_with(clip());
    p.ask("seek movie to 80000");
    p.main_ticks(30);
    click(at(Hit::TimeReadout, 30, 5));  // remaining -> raw position
    click(at(Hit::Counter, 30, 5));      // the zoom value
    // The badge pulled down and let go: it falls.
    mouse_left_down(pw(), at(Hit::Badge, 30, 10));
    mouse_move(pw(), at(Hit::Badge, 30 - 110, 10 + 40));
    mouse_left_up(pw());
    // The ring taken at the right and turned up by four sectors.
    mouse_left_down(pw(), {kDialCentre.x + 35, kDialCentre.y});
    mouse_move(pw(), {kDialCentre.x + 25, kDialCentre.y - 25});
    p.main_ticks(6);
    ASSERT_EQ(pw().device.speed_index, -4);
    expect_golden("shuttle");
}

}  // namespace
}  // namespace rq::test
