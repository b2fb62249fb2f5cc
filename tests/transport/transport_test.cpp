// The player driven tick by tick: start-up, the end of a file, back and
// next, the speed model, A-B repeat, keeping the screen awake.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/player_fixture.h"

namespace rq {
namespace {

using Commands = std::vector<std::string>;

// Three two-second clips, the playlist they form, and a player up to its
// first tick with the settings a test chose.
class Playing : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.mpg", "b.mpg", "c.mpg"})
            add_clip(name);
        for (const char* name : {"long1.mpg", "long2.mpg", "long3.mpg"})
            add_clip(name, 0, 60000);
        p.life->on_create();
        p.life->init_dialog();
        pw().settings.repeat = 0;
        pw().settings.badge_gone = 1;  // 150 ms main ticks unless something asks for 30
    }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    std::string add_clip(const std::string& name, int64_t end_lag_ms = 0, int64_t ms = 2000) {
        const std::string path = p.dir / name;
        test::write_bytes(path, "clip");
        p.engine.add_media(path, {ms, 25, Rect{0, 0, 320, 240}, end_lag_ms});
        return path;
    }
    void list(std::initializer_list<const char*> names) {
        for (const char* n : names)
            pw().stores.path_list.insert_at(-1, p.dir / n);
    }
    void start() { life().timer_tick(); }
    // The names opened, in order.
    Commands opens() const {
        Commands out;
        for (const std::string& c : p.commands())
            if (c.rfind("open ", 0) == 0) out.push_back(c.substr(6, c.find('"', 6) - 6));
        return out;
    }
    // The commands sent, without the position reads of the tick and the face.
    Commands without_polls() const {
        Commands out;
        for (const std::string& c : p.commands())
            if (c != "status movie position") out.push_back(c);
        return out;
    }
    int count(const std::string& command) const {
        const Commands all = p.commands();
        return static_cast<int>(std::count(all.begin(), all.end(), command));
    }
    void run_until(const std::function<bool()>& done, int limit = 2000) {
        for (int i = 0; i < limit && !done(); ++i)
            p.main_ticks(1);
    }
    test::Player p;
};

TEST(StartUp, ArgumentsFormOneEntryAndARelativeNameIsTakenWhereTheUserWas) {
    test::Player joined({"/d/My", "Movie.mpg"});
    joined.start();
    ASSERT_EQ(joined.pw->stores.path_list.count(), 1);
    EXPECT_EQ(joined.pw->stores.path_list.text(0), "/d/My Movie.mpg");

    test::Player relative({"clip.mpg"});
    ASSERT_TRUE(relative.cwd.change(relative.dir.path()));
    relative.start();
    EXPECT_EQ(relative.pw->stores.path_list.text(0), relative.dir / "clip.mpg");
}

TEST_F(Playing, AutoplayStartsTheFirstEntryOrLeavesThePlayerStopped) {
    test::write_bytes(p.dir / "RQ01.rql", (p.dir / "a.mpg") + "\r\n" + (p.dir / "b.mpg") + "\r\n");
    pw().settings.autoplay = 0;
    start();
    EXPECT_EQ(pw().device.stopped, 1);
    EXPECT_TRUE(opens().empty());
    EXPECT_EQ(pw().playlist.entry_count, 2);

    test::Player q;
    test::write_bytes(q.dir / "RQ01.rql", (p.dir / "b.mpg") + "\r\n");
    q.engine.add_media(p.dir / "b.mpg", {2000, 25, Rect{0, 0, 8, 8}});
    q.start();
    EXPECT_EQ(q.engine.open_path(), p.dir / "b.mpg");
    EXPECT_EQ(q.pw->device.stopped, 0);
    EXPECT_TRUE(q.children.video_window.exists());
}

TEST_F(Playing, TheEndWaitsForTheDeviceToStopThenPlaysTheNext) {
    const std::string slow = add_clip("slow.mpg", 400);
    pw().stores.path_list.insert_at(-1, slow);
    list({"b.mpg"});
    start();
    run_until([&] { return pw().transport.pending_command == Command::EndOfFile; });
    ASSERT_EQ(pw().transport.pending_command, Command::EndOfFile);
    // The device still says it plays: the code is held, the mode asked again.
    p.main_ticks(1);
    EXPECT_EQ(pw().transport.pending_command, Command::EndOfFile);
    EXPECT_EQ(p.engine.open_path(), slow);
    run_until([&] { return p.engine.open_path() != slow; }, 20);
    EXPECT_EQ(p.engine.open_path(), p.dir / "b.mpg");
    EXPECT_GE(count("status movie mode"), 2);
}

TEST_F(Playing, TheListPlaysThroughAndStopsOrWraps) {
    list({"a.mpg", "b.mpg", "c.mpg"});
    start();
    run_until([&] { return pw().device.stopped == 1; });
    EXPECT_EQ(opens(), (Commands{"a.mpg", "b.mpg", "c.mpg"}));
    // Stopped at the end with the first entry selected.
    EXPECT_EQ(pw().playlist.current_entry, 0);
    EXPECT_EQ(pw().transport.track_display_number, 1);

    pw().settings.repeat = 1;
    p.forget_commands();
    pw().transport.pending_command = Command::Open;
    run_until([&] { return opens().size() == 4; });
    EXPECT_EQ(opens(), (Commands{"a.mpg", "b.mpg", "c.mpg", "a.mpg"}));
}

TEST_F(Playing, ShufflePlaysEveryEntryOnceInTheDrawnOrder) {
    list({"a.mpg", "b.mpg", "c.mpg"});
    pw().settings.shuffle = 1;
    pw().playlist.random.seed(7);
    start();
    const std::vector<int> order = pw().playlist.shuffle_order;
    ASSERT_NE(order, (std::vector<int>{0, 1, 2}));  // the seed must draw a real shuffle
    run_until([&] { return pw().device.stopped == 1; });
    Commands expected;
    for (int i : order)
        expected.push_back(std::string(1, static_cast<char>('a' + i)) + ".mpg");
    EXPECT_EQ(opens(), expected);
}

TEST_F(Playing, UnplayableEntriesArePassedAndAPassOfThemStops) {
    list({"a.mpg", "broken.mpg", "c.mpg"});
    test::write_bytes(p.dir / "broken.mpg", "not a clip");
    start();
    run_until([&] { return pw().device.stopped == 1; });
    // The broken entry was passed, and the last clip played to its end.
    EXPECT_EQ(opens(), (Commands{"a.mpg", "broken.mpg", "c.mpg"}));
    EXPECT_EQ(pw().playlist.current_entry, 0);

    // Nothing in the list plays, repeat on: one pass, then stopped for good.
    pw().stores.path_list.clear();
    list({"gone1.mpg", "gone2.mpg"});
    pw().playlist.entry_count = 2;
    pw().playlist.current_entry = 0;
    pw().settings.repeat = 1;
    p.forget_commands();
    pw().transport.pending_command = Command::Open;
    p.main_ticks(200);
    EXPECT_EQ(pw().device.stopped, 1);
    EXPECT_EQ(opens().size(), 2u);

    // PLAY on an entry that cannot be opened leaves the player stopped.
    pw().transport.toggle_request = 1;
    p.main_ticks(1);
    EXPECT_EQ(pw().device.stopped, 1);
}

TEST_F(Playing, BackRestartsThenStepsBackAndWraps) {
    list({"long1.mpg", "long2.mpg", "long3.mpg"});
    start();
    p.main_ticks(10);
    p.forget_commands();
    pw().transport.pending_command = Command::Previous;
    p.main_ticks(1);
    EXPECT_EQ(without_polls(), (Commands{"seek movie to 0", "play movie"}));
    // Again within 27 main ticks: the entry before, wrapping to the last.
    p.main_ticks(26);
    pw().transport.pending_command = Command::Previous;
    p.main_ticks(1);
    EXPECT_EQ(pw().playlist.current_entry, 2);
    EXPECT_EQ(opens(), Commands{"long3.mpg"});
    EXPECT_EQ(pw().transport.track_display_number, 3);
    // Later than that, back restarts again.
    p.main_ticks(28);
    pw().transport.pending_command = Command::Previous;
    p.main_ticks(1);
    EXPECT_EQ(pw().playlist.current_entry, 2);
}

TEST_F(Playing, ATypedNumberStepsOrJumps) {
    for (const char* n : {"long4.mpg", "long5.mpg"})
        add_clip(n, 0, 60000);
    list({"long1.mpg", "long2.mpg", "long3.mpg", "long4.mpg", "long5.mpg"});
    start();
    TransportState& t = pw().transport;
    t.keypad_number = 3;
    t.keypad_number_ticks = 50;
    t.pending_command = Command::Next;
    p.main_ticks(1);
    EXPECT_EQ(pw().playlist.current_entry, 3);
    t.keypad_number = 3;
    t.keypad_number_ticks = 50;
    t.direct_jump_key = 13;
    t.pending_command = Command::Next;
    p.main_ticks(1);
    EXPECT_EQ(pw().playlist.current_entry, 2);
    EXPECT_EQ(t.direct_jump_key, 0);
    EXPECT_EQ(t.keypad_number_ticks, 0);
}

TEST_F(Playing, SearchesAndFrameSteps) {
    list({"long1.mpg"});
    start();
    DeviceState& d = pw().device;

    // Level +9 from playing, seconds: 20 s a main tick (the clock held still).
    p.ask("seek movie to 10000");
    p.ask("play movie");
    d.speed_index = 9;
    p.main_ticks(1, 0);
    EXPECT_EQ(p.engine.position_ms(), 30000);
    d.speed_index = -9;
    p.main_ticks(1, 0);
    EXPECT_EQ(p.engine.position_ms(), 10000);

    // The face's search-back button from playing: -2000 ms, never below 0.
    d.speed_index = 0;
    p.ask("seek movie to 500");
    p.ask("play movie");
    pw().transport.button_timers[6] = 3;
    p.main_ticks(1, 0);
    EXPECT_EQ(p.engine.position_ms(), 0);

    // Paused, MODE1: a wheel notch is exactly one frame, then the level is 0.
    pw().transport.button_timers[6] = 0;
    pw().transport.pending_command = Command::NormalSpeed;
    p.main_ticks(3);
    pw().transport.toggle_request = 1;
    p.main_ticks(1);
    ASSERT_EQ(d.paused, 1);
    p.ask("seek movie to 4000");
    pw().transport.wheel_step = 1;
    p.main_ticks(1);
    EXPECT_EQ(p.engine.position_ms(), 4040);
    EXPECT_EQ(d.speed_index, 0);
    p.main_ticks(2);
    EXPECT_EQ(p.engine.position_ms(), 4040);

    // A toggle during a search from playing ends it and plays on.
    pw().transport.toggle_request = 1;
    p.main_ticks(1);
    ASSERT_EQ(d.paused, 0);
    d.speed_index = 3;
    p.forget_commands();
    pw().transport.toggle_request = 1;
    p.main_ticks(1);
    EXPECT_EQ(p.commands().front(), "play movie");
    EXPECT_EQ(d.speed_index, 0);
    EXPECT_EQ(d.paused, 0);
}

TEST_F(Playing, AbRepeatLoopsBackToJustPastA) {
    list({"long1.mpg"});
    start();
    TransportState& t = pw().transport;
    // B before A: every main tick goes back to A + 1.
    t.ab_point_a = {5000, 125};
    t.ab_point_b = {3000, 75};
    t.ab_state = AbState::Looping;
    p.forget_commands();
    p.main_ticks(2);
    const Commands loop{"pause movie", "seek movie to 5001", "play movie"};
    Commands twice = loop;
    twice.insert(twice.end(), loop.begin(), loop.end());
    EXPECT_EQ(without_polls(), twice);

    // A and B in order; a position before A jumps to A + 1.
    t.ab_point_a = {2000, 50};
    t.ab_point_b = {8000, 200};
    p.ask("seek movie to 1000");
    p.ask("play movie");
    p.main_ticks(1);
    EXPECT_EQ(p.engine.position_ms(), 2001);
    p.main_ticks(5);
    EXPECT_GT(p.engine.position_ms(), 2001);
}

TEST_F(Playing, FullScreenHoldsTheScreenSaverOffEvery141stMainTick) {
    list({"a.mpg"});
    start();
    pw().tick.fullscreen = 1;
    pw().settings.power_saving_off = 1;
    int ticks = 0;
    while (p.screen_saver.holds == 0 && ticks < 500) {
        p.main_ticks(1);
        ++ticks;
    }
    EXPECT_EQ(ticks, 141);
    p.main_ticks(141);
    EXPECT_EQ(p.screen_saver.holds, 2);
    // Stopping lets it go.
    pw().transport.pending_command = Command::Stop;
    p.main_ticks(1);
    EXPECT_FALSE(p.screen_saver.held);
}

TEST_F(Playing, MainTicksComeEvery30MsWhileTheBadgeIsOnElse150) {
    list({"a.mpg"});
    pw().settings.badge_gone = 0;
    start();
    p.main_ticks(1);
    int main = 0;
    for (int i = 0; i < 10; ++i) {
        life().timer_tick();
        main += pw().tick.tick_phase == 0;
    }
    EXPECT_EQ(main, 10);
    pw().settings.badge_gone = 1;
    p.main_ticks(1);
    main = 0;
    for (int i = 0; i < 10; ++i) {
        life().timer_tick();
        main += pw().tick.tick_phase == 0;
    }
    EXPECT_EQ(main, 2);
}

TEST_F(Playing, VideoSizeButtonsResizeWithThePicturePaused) {
    list({"a.mpg"});
    start();
    p.forget_commands();
    pw().transport.button_timers[11] = 4;
    pw().transport.pending_command = Command::LargerPicture;
    p.main_ticks(1);
    EXPECT_EQ(pw().settings.video_size_mode, 2);
    EXPECT_EQ(pw().transport.button_timers[11], 0);
    EXPECT_EQ(p.children.video_window.at.w, 640);
    const Commands c = without_polls();
    ASSERT_GE(c.size(), 3u);
    EXPECT_EQ(c.front(), "pause movie");
    EXPECT_EQ(c.back(), "play movie");
    for (int i = 0; i < 5; ++i) {
        pw().transport.pending_command = Command::SmallerPicture;
        p.main_ticks(1);
    }
    EXPECT_EQ(pw().settings.video_size_mode, -1);
    EXPECT_EQ(p.children.video_window.at.w, 0);
}

TEST_F(Playing, TheJogDialStepsFramesAndTheShuttleSetsTheSpeed) {
    list({"long1.mpg"});
    start();
    TransportState& t = pw().transport;
    DeviceState& d = pw().device;
    // Paused, the dial dragged two sectors up from sector 10: two sectors
    // this tick, each one frame back.
    pw().transport.pending_command = Command::Pause;
    p.main_ticks(1);
    p.ask("seek movie to 4000");
    t.dial_mode = 1;
    t.button_timers[button::kJog] = 5;
    t.jog_start_sector = 10;
    t.jog_sector = 0;
    t.jog_knob = 0;
    p.main_ticks(1, 0);
    EXPECT_EQ(t.jog_start_sector, 0);
    EXPECT_EQ(t.jog_knob, 10);
    EXPECT_EQ(p.engine.position_ms(), 3960);
    EXPECT_EQ(d.speed_index, 0);
    // Six sectors away is not found either way: down, at most three.
    t.jog_sector = 6;
    p.main_ticks(1, 0);
    EXPECT_EQ(t.jog_start_sector, 9);
    EXPECT_EQ(t.jog_knob, 1);
    t.dial_mode = 0;
    t.button_timers[button::kJog] = 0;

    // The shuttle turned back three sectors: the speed climbs one a tick.
    pw().transport.pending_command = Command::Play;
    p.main_ticks(1);
    t.dial_mode = 2;
    t.button_timers[button::kShuttle] = 5;
    t.shuttle_start_sector = 3;
    t.shuttle_sector = 0;
    t.shuttle_alpha = 200;
    p.main_ticks(3, 0);
    EXPECT_EQ(t.shuttle_speed, 3);
    EXPECT_EQ(d.speed_index, 3);
    EXPECT_EQ(t.shuttle_alpha, 255);
    // Released: the speed stays, the dot fades out.
    t.dial_mode = 0;
    t.button_timers[button::kShuttle] = 0;
    pw().transport.pending_command = Command::NormalSpeed;
    p.main_ticks(22);
    EXPECT_EQ(t.shuttle_speed, 3);
    EXPECT_LT(t.shuttle_alpha, -255);
    EXPECT_EQ(d.speed_index, 0);
}

TEST(Shutdown, TheDefaultListSurvivesAStartAndAQuitByteForByte) {
    test::Player p;
    const std::string list = "/m/one.mpg\r\n/m/two words.avi\r\n/m/three.mp3\r\n";
    test::write_bytes(p.dir / "RQ01.rql", list);
    p.start();
    EXPECT_EQ(p.pw->playlist.entry_count, 3);
    p.pw->tick.quit_requested = 1;
    p.main_ticks(1);
    EXPECT_TRUE(p.host.ended);
    EXPECT_EQ(test::read_bytes(p.dir / "RQ01.rql"), list);
    EXPECT_NE(test::read_bytes(p.dir / "RQ01.CFG").find("[WindowPoint]"), std::string::npos);
}

}  // namespace
}  // namespace rq
