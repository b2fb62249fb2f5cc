// Files that are not files: a settings file or a list that is a FIFO or a
// link to a device, index and timed-text companions that are, a background
// picture spoiled while the player runs. A whole headless player meets
// each; none is read for ever (SIGALRM ends the test should one block),
// none is replaced, and the player goes on as if the file were missing.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "media/open_entry.h"
#include "playlist/playlist_editor.h"
#include "skin/skin_setup.h"
#include "support/player_fixture.h"
#include "support/skin_fixture.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

// Ends the test binary with SIGALRM when a read blocks.
struct Deadline {
    Deadline() { alarm(20); }
    ~Deadline() { alarm(0); }
};

TEST(OddFiles, SettingsAndListsThatAreNotFilesAreRefusedAtOnce) {
    test::Player p;
    ASSERT_EQ(mkfifo((p.dir / "RQ01.CFG").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", p.dir / "RQ01.rql");
    ASSERT_EQ(mkfifo((p.dir / "pipe.rql").c_str(), 0600), 0);
    fs::create_symlink("/dev/urandom", p.dir / "noise.m3u");
    Deadline deadline;
    testing::internal::CaptureStderr();
    p.start();
    p.main_ticks(2);
    EXPECT_EQ(p.pw->settings.main_window_pos, (Point{0, 0}));
    EXPECT_EQ(p.pw->stores.path_list.count(), 0);

    // The editor's Load names the list and why; the list stays.
    p.pw->stores.path_list.insert_at(-1, "/kept.avi");
    p.pw->playlist.editor_open = 1;
    for (const char* name : {"pipe.rql", "noise.m3u"}) {
        p.dialogs.answer = p.dir / name;
        p.dialogs.messages.clear();
        editor_load(*p.pw);
        EXPECT_EQ(p.dialogs.messages,
                  std::vector<std::string>{std::string(kListReadFailed) + "\n" + (p.dir / name) +
                                           "\nnot a regular file"});
        EXPECT_EQ(p.pw->stores.path_list.text(0), "/kept.avi");
    }
    p.pw->playlist.editor_open = 0;
    p.life->shutdown();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("could not save " + (p.dir / "RQ01.CFG") + ": not a regular file\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("could not save " + (p.dir / "RQ01.rql") + ": not a regular file\n"),
              std::string::npos)
        << err;
    EXPECT_TRUE(fs::is_fifo(p.dir / "RQ01.CFG"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(p.dir / "RQ01.rql")));
    EXPECT_TRUE(fs::is_character_file("/dev/zero"));
}

TEST(OddFiles, CompanionsThatAreNotFilesAreNotRead) {
    test::Player p;
    fs::create_directories(p.dir / "media");
    const std::string clip = p.dir / "media/clip.avi";
    test::write_bytes(clip, "0123456789");
    p.engine.add_media(clip, {60000, 25.0, Rect{0, 0, 320, 240}});
    p.life->init_dialog();
    p.pw->stores.path_list.insert_at(-1, clip);
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    };
    const Case cases[] = {
        {"a FIFO", [](const std::string& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); }},
        {"/dev/zero", [](const std::string& at) { fs::create_symlink("/dev/zero", at); }},
        {"/dev/urandom", [](const std::string& at) { fs::create_symlink("/dev/urandom", at); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* ext : {".idx", ".txt"})
            fs::remove(p.dir / "media/clip" + ext);
        c.make(p.dir / "media/clip.idx");
        c.make(p.dir / "media/clip.txt");
        Deadline deadline;
        ASSERT_EQ(open_current_entry(*p.pw), OpenResult::Opened);
        EXPECT_EQ(p.pw->stores.index_marks.count(), 0);
        EXPECT_EQ(p.pw->stores.index_free_lines.count(), 0);
        EXPECT_EQ(p.pw->timed_text.loaded, 0);
        EXPECT_EQ(p.pw->stores.timed_text_lines.count(), 0);
    }
}

TEST(OddFiles, ABackgroundSpoiledWhileThePlayerRunsGivesTheBuiltInSheet) {
    const test::Bgr colour{10, 20, 30};
    test::Player p;
    fs::create_directories(p.dir / "bg");
    const std::string picture = p.dir / "bg/mine.bmp";
    test::write_bytes(picture, test::solid_bmp(colour));
    p.life->on_create();
    p.life->init_dialog();
    p.pw->settings.background_name = "mine.bmp";
    p.life->timer_tick();
    ASSERT_EQ(test::pixel(p.pw->skin.skin_sheet, 0, 0), colour);
    SkinSurface builtin;
    builtin.load_from_resource(kSkinSheetResource);

    std::string truncated = test::solid_bmp(colour);
    truncated.resize(truncated.size() / 2);
    struct Case {
        const char* what;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"garbage", [&] { test::write_bytes(picture, "MZ\x90 no picture at all"); }},
        {"truncated", [&] { test::write_bytes(picture, truncated); }},
        {"a FIFO",
         [&] {
             fs::remove(picture);
             ASSERT_EQ(mkfifo(picture.c_str(), 0600), 0);
         }},
        {"/dev/urandom",
         [&] {
             fs::remove(picture);
             fs::create_symlink("/dev/urandom", picture);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        // The settings dialog's OK with the same background reloads it.
        p.pw->tick.background_changed = 1;
        Deadline deadline;
        p.main_ticks(2);
        EXPECT_EQ(p.pw->skin.skin_sheet.bitmap, builtin.bitmap);
        // The picture made good again is taken again.
        fs::remove(picture);
        test::write_bytes(picture, test::solid_bmp(colour));
        p.pw->tick.background_changed = 1;
        p.main_ticks(1);
        EXPECT_EQ(test::pixel(p.pw->skin.skin_sheet, 0, 0), colour);
    }
}

}  // namespace
}  // namespace rq
