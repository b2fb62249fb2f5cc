// The main window's life: start, the orderly end, the destructor's close.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/player_fixture.h"

namespace rq {
namespace {

std::vector<std::string> log_commands(const std::string& path) {
    std::vector<std::string> out;
    std::string text = test::read_bytes(path);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl - pos);
        out.push_back(line.substr(0, line.find('\t')));
        pos = nl == std::string::npos ? text.size() : nl + 1;
    }
    return out;
}

TEST(PlayerLifecycle, TimerThatCannotRunFailsCreation) {
    test::Player p;
    p.host.timer_fails = true;
    EXPECT_EQ(p.life->on_create(), -1);
    test::Player q;
    EXPECT_EQ(q.life->on_create(), 0);
    EXPECT_EQ(q.host.timer_period, 30);
}

TEST(PlayerLifecycle, FilesLiveInTheFolderChosenAtStartUp) {
    // An installed copy: the template in the data folder, the files in the
    // user's folder, nothing beside the program.
    test::Player p({}, false);
    std::filesystem::create_directories(p.dir / "share");
    std::filesystem::create_directories(p.dir / "config/bg");
    std::filesystem::copy_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys",
                               p.dir / "share/RQ01.sys");
    test::write_bytes(p.dir / "config/RQ01.rql", "/m/a.mpg\r\n");
    p.pw->env.files = {p.dir / "config/", p.dir / "share/RQ01.sys"};
    p.life->on_create();
    p.life->init_dialog();
    EXPECT_EQ(p.pw->files_folder, p.dir / "config/");
    EXPECT_TRUE(std::filesystem::exists(p.dir / "config/RQ01.CFG"));
    p.life->timer_tick();
    EXPECT_EQ(p.pw->stores.path_list.count(), 1) << "the default list is read from there";
    p.pw->settings.repeat = 0;
    p.life->request_quit();
    p.main_ticks(1);
    ASSERT_TRUE(p.host.ended);
    EXPECT_NE(test::read_bytes(p.dir / "config/RQ01.CFG").find("Repeat=0\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(p.dir / "RQ01.CFG"));
    EXPECT_FALSE(std::filesystem::exists(p.dir / "RQ01.rql"));
}

TEST(PlayerLifecycle, FirstTickTitlesTheWindow) {
    test::Player p;
    p.life->on_create();
    p.life->init_dialog();
    p.life->timer_tick();
    EXPECT_EQ(p.host.title, " ◎ RQ810Z");
    EXPECT_EQ(p.pw->tick.tick_done_first, 1);
    // The face is built and shown: the built-in sheet, without a background.
    EXPECT_TRUE(p.pw->skin.face_buffer.loaded());
    EXPECT_TRUE(p.pw->skin.skin_sheet.loaded());
    EXPECT_TRUE(p.pw->skin.text_canvas.loaded());
    EXPECT_EQ(p.host.presents, 1);
    // Its outline: the strip and the narrower rows of its feet.
    EXPECT_EQ(
        p.host.region,
        (std::vector<Rect>{{0, 0, 406, 88}, {22, 88, 362, 2}, {22, 90, 65, 3}, {319, 90, 65, 3}}));
}

TEST(PlayerLifecycle, QuitRequestShutsDownOnTheNextMainTick) {
    test::Player p;
    p.life->on_create();
    p.life->init_dialog();
    p.pw->stores.path_list.insert_at(-1, "/m/a.avi");
    p.pw->stores.path_list.insert_at(-1, "/m/b.mpg");
    p.pw->settings.repeat = 0;
    p.life->timer_tick();
    p.pw->tick.quit_requested = 1;
    for (int i = 0; i < 5 && !p.host.ended; ++i)
        p.life->timer_tick();
    EXPECT_TRUE(p.host.ended);
    EXPECT_EQ(p.host.end_result, 1);
    EXPECT_FALSE(p.host.timer_running);
    EXPECT_EQ(test::read_bytes(p.dir / "RQ01.rql"), "/m/a.avi\r\n/m/b.mpg\r\n");
    EXPECT_NE(test::read_bytes(p.dir / "RQ01.CFG").find("Repeat=0\r\n"), std::string::npos);
    EXPECT_EQ(p.pw->device.stopped, 1);
}

TEST(PlayerLifecycle, QuitWaitsWhileBusy) {
    test::Player p;
    p.life->on_create();
    p.life->init_dialog();
    p.life->timer_tick();
    p.pw->tick.busy = 1;
    p.pw->tick.quit_requested = 1;
    for (int i = 0; i < 10; ++i)
        p.life->timer_tick();
    EXPECT_FALSE(p.host.ended);
    p.pw->tick.busy = 0;
    for (int i = 0; i < 5; ++i)
        p.life->timer_tick();
    EXPECT_TRUE(p.host.ended);
}

TEST(PlayerLifecycle, ShutdownRunsOnceAndTheDestructorClosesTheDevice) {
    test::Player p;
    p.engine.add_media(p.dir / "a.avi", {5000, 25, Rect{0, 0, 320, 240}});
    p.life->init_dialog();
    p.ask("open \"" + (p.dir / "a.avi") + "\" type mpegvideo alias movie");
    p.life->shutdown();
    EXPECT_FALSE(p.engine.is_open());
    p.life->shutdown();
    p.life.reset();
    p.pw = nullptr;
    std::vector<std::string> cmds = log_commands(p.log_path);
    ASSERT_GE(cmds.size(), 2u);
    EXPECT_EQ(std::count(cmds.begin(), cmds.end(), "close movie"), 2);
    EXPECT_EQ(cmds.back(), "close movie");
}

TEST(PlayerLifecycle, AQuitBeforeTheFirstTickKeepsTheDefaultList) {
    test::Player p;
    test::write_bytes(p.dir / "RQ01.rql", "/m/a.mpg\r\n");
    p.life->on_create();
    p.life->init_dialog();
    p.life->request_quit();
    p.main_ticks(1);
    EXPECT_TRUE(p.host.ended);
    EXPECT_EQ(test::read_bytes(p.dir / "RQ01.rql"), "/m/a.mpg\r\n");

    // Ended from outside before it ever ticked: the list stays as it was.
    test::Player q;
    test::write_bytes(q.dir / "RQ01.rql", "/m/b.mpg\r\n");
    q.life->on_create();
    q.life->init_dialog();
    q.life->shutdown();
    EXPECT_EQ(test::read_bytes(q.dir / "RQ01.rql"), "/m/b.mpg\r\n");
}

TEST(PlayerLifecycle, CommandLineFilesAreAnEntryEachUnlessTheyAreOneSplitName) {
    test::TempDir dir;
    for (const char* name : {"a.mpg", "b.mpg", "my clip.mpg"})
        test::write_bytes(dir / name, "x");
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> entries;
    } cases[] = {
        // Several files from a file manager.
        {{dir / "a.mpg", dir / "b.mpg"}, {dir / "a.mpg", dir / "b.mpg"}},
        // A name with a blank, typed without quotes.
        {{dir / "my", "clip.mpg"}, {dir / "my clip.mpg"}},
        // One missing file: the whole line is one name, as before.
        {{dir / "a.mpg", dir / "gone.mpg"}, {dir / "a.mpg " + (dir / "gone.mpg")}},
    };
    for (const Case& c : cases) {
        test::Player p(c.args);
        p.start();
        std::vector<std::string> entries;
        for (int i = 0; i < p.pw->stores.path_list.count(); ++i)
            entries.push_back(p.pw->stores.path_list.text(i));
        EXPECT_EQ(entries, c.entries) << c.args.front();
    }
}

TEST(PlayerLifecycle, EnterLastFolderStopsAtTheFirstMissingPart) {
    test::Player p;
    std::filesystem::create_directories(p.dir / "a/b");
    p.pw->settings.current_folder = p.dir / "a/b/";
    p.life->enter_last_folder();
    EXPECT_EQ(p.cwd.current() + "/", p.dir / "a/b/");
    p.pw->settings.current_folder = p.dir / "a/missing/c/";
    p.life->enter_last_folder();
    EXPECT_EQ(p.cwd.current() + "/", p.dir / "a/");
    // An empty folder changes nothing.
    p.pw->settings.current_folder.clear();
    p.life->enter_last_folder();
    EXPECT_EQ(p.cwd.current() + "/", p.dir / "a/");
}

TEST(PlayerLifecycle, SeveralPlayersLiveSideBySide) {
    test::Player a, b;
    a.life->init_dialog();
    b.life->init_dialog();
    a.pw->settings.shuffle = 1;
    EXPECT_EQ(b.pw->settings.shuffle, 0);
    EXPECT_NE(a.pw->files_folder, b.pw->files_folder);
}

}  // namespace
}  // namespace rq
