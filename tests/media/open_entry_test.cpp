// Opening the current entry: the command sequences, what is read from the
// file itself, and the title lines.

#include "media/open_entry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "playlist/playlist_model.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

using Commands = std::vector<std::string>;

class OpenEntry : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(p.dir / "my folder");
        p.life->init_dialog();
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    // A file on disk and on the simulated device.
    std::string media(const std::string& rel, SimMedia m, const std::string& bytes = "x") {
        const std::string path = p.dir / rel;
        test::write_bytes(path, bytes);
        p.engine.add_media(path, m);
        return path;
    }
    Commands first(size_t n) {
        Commands all = p.commands();
        if (all.size() > n) all.resize(n);
        return all;
    }
    test::Player p;
};

const Commands kOpenThenLengths{
    "where movie destination", "status movie time format", "set movie time format frames",
    "status movie length",     "status movie time format", "set movie time format milliseconds",
    "status movie length",     "status movie time format",
};

TEST_F(OpenEntry, WindowedOpenPlaysInTheVideoWindow) {
    const std::string path = media("my folder/my clip.mpg", {60000, 25, Rect{0, 0, 320, 240}});
    pw().windows().video_window.create();
    pw().stores.path_list.insert_at(-1, path);
    EXPECT_EQ(open_current_entry(pw()), OpenResult::Opened);

    Commands expected{"stop movie",  "window movie handle default",
                      "close movie", "open \"my clip.mpg\" type mpegvideo alias movie",
                      "stop movie",  "window movie handle 2"};
    expected.insert(expected.end(), kOpenThenLengths.begin(), kOpenThenLengths.end());
    // The marks of the new file are counted against its position, then the
    // picture is placed and started.
    for (const char* c :
         {"status movie time format", "status movie position", "status movie time format",
          "where movie destination", "window movie handle default", "window movie handle 2",
          "put movie destination at 0 0 320 240", "play movie"})
        expected.push_back(c);
    EXPECT_EQ(p.commands(), expected);
    EXPECT_EQ(p.cwd.current() + "/", p.dir / "my folder/");
    EXPECT_EQ(pw().device.length_frames, 1500);
    EXPECT_EQ(pw().device.length_ms, 60000);
    EXPECT_EQ(pw().device.stopped, 0);
    EXPECT_EQ(pw().media.native_size, (Size{320, 240}));
    EXPECT_EQ(pw().media.title_scroll, -141);
    EXPECT_EQ(pw().tick.busy, 0);
    EXPECT_EQ(p.children.video_window.at, (Rect{0, 0, 320, 240}));
}

TEST_F(OpenEntry, FullScreenOpenWaitsForTheCallersPlay) {
    const std::string path = media("wide.avi", {10000, 25, Rect{0, 0, 640, 480}});
    pw().tick.fullscreen = 1;
    pw().geometry.screen_size = {1024, 768};
    pw().windows().full_screen_input.create();
    pw().stores.path_list.insert_at(-1, path);
    open_current_entry(pw());

    Commands expected{"stop movie",
                      "window movie handle default",
                      "close movie",
                      "open \"wide.avi\" type mpegvideo alias movie",
                      "stop movie",
                      "window movie handle default",
                      "window movie handle 1",
                      "where movie destination",
                      "put movie destination at 0 20 1024 768"};
    EXPECT_EQ(first(expected.size()), expected);
    const Commands all = p.commands();
    EXPECT_EQ(std::count(all.begin(), all.end(), "play movie"), 0);
    EXPECT_EQ(pw().device.stopped, 0);
}

TEST_F(OpenEntry, AudioHeaderAndTagOfAnMp3InCapitals) {
    // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, after some leading junk.
    std::string bytes = std::string(100, '\0') + "\xFF\xFB\x90\x44" + std::string(2000, '\x55');
    std::string title = "Song", artist = "Band";
    title.resize(30, ' ');
    artist.resize(30, ' ');
    bytes += "TAG" + title + artist + std::string(65, '\0');
    const std::string path = media("SONG.MP3", {65000, 0, std::nullopt}, bytes);
    pw().stores.path_list.insert_at(-1, path);
    open_current_entry(pw());

    const MediaState& m = pw().media;
    EXPECT_EQ(m.current_extension, ".mp3");
    EXPECT_EQ(m.audio_info_valid, 1);
    EXPECT_EQ(m.bitrate_digits, (std::array<int, 3>{1, 2, 8}));
    EXPECT_EQ(m.sample_rate_digits, (std::array<int, 2>{4, 4}));
    EXPECT_EQ(m.current_file_size, static_cast<long long>(bytes.size()));
    // File line, title line, and the title line again in the small strip.
    ASSERT_EQ(p.text.lines.size(), 3u);
    EXPECT_EQ(p.text.lines[0].text, " SONG.MP3  <0:01:05> |");
    EXPECT_EQ(p.text.lines[1].text, " Song \xEF\xBC\x9A Band  |");
    EXPECT_EQ(p.text.lines[2].y, 84);
}

TEST_F(OpenEntry, UntaggedFilesShowTheirNameTwiceAndKeepOldDigits) {
    const std::string path = media("tone.rmp", {3000, 0, std::nullopt}, "no header here");
    pw().media.bitrate_digits = {3, 2, 0};
    pw().stores.path_list.insert_at(-1, path);
    open_current_entry(pw());
    EXPECT_EQ(pw().media.audio_info_valid, 1);
    EXPECT_EQ(pw().media.bitrate_digits, (std::array<int, 3>{3, 2, 0}));
    ASSERT_EQ(p.text.lines.size(), 3u);
    EXPECT_EQ(p.text.lines[1].text, p.text.lines[0].text);
}

TEST_F(OpenEntry, AnIndexPastTheEndOpensTheLastAndTheEditorFollows) {
    const std::string a = media("a.mpg", {1000, 25, Rect{0, 0, 8, 8}});
    const std::string b = media("b.mpg", {1000, 25, Rect{0, 0, 8, 8}});
    pw().stores.path_list.insert_at(-1, a);
    pw().stores.path_list.insert_at(-1, b);
    show_editor(pw());
    pw().playlist.current_entry = 7;
    open_current_entry(pw());
    EXPECT_EQ(pw().playlist.current_entry, 1);
    EXPECT_EQ(p.engine.open_path(), b);
    EXPECT_EQ(pw().editor.row_list.text(1), ">0002 b.mpg");
    EXPECT_EQ(pw().editor.row_list.text(0), " 0001 a.mpg");
}

TEST_F(OpenEntry, AnEmptyListClosesTheDevice) {
    EXPECT_EQ(open_current_entry(pw()), OpenResult::EmptyList);
    EXPECT_EQ(p.commands(), Commands{"close movie"});
    EXPECT_EQ(pw().device.stopped, 1);
    EXPECT_EQ(pw().tick.busy, 0);
}

}  // namespace
}  // namespace rq
