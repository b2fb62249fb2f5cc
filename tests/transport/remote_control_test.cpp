// A remote control's requests carried out by the tick, in the user's time
// unit, and what it sees of the player.

#include "transport/remote_control.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "media/device_ops.h"
#include "support/player_fixture.h"

namespace rq {
namespace {

// A 10 s clip at 25 frames a second and a 4 s sound, the clip playing.
struct Remote : test::Player {
    Remote() {
        for (const char* name : {"clip.avi", "tone.wav"})
            test::write_bytes(dir / name, "clip");
        engine.add_media(dir / "clip.avi", {10000, 25, Rect{0, 0, 320, 240}});
        engine.add_media(dir / "tone.wav", {4000, 0, std::nullopt});
        test::write_bytes(dir / "RQ01.rql", dir / "clip.avi" + "\r\n" + dir / "tone.wav" + "\r\n");
        start();
        pw->settings.repeat = 0;
    }
    bool sent(const std::string& command) const {
        const auto log = commands();
        return std::find(log.begin(), log.end(), command) != log.end();
    }
};

TEST(RemoteControl, SeeksLandInTheUsersUnitAndKeepPlayOrPause) {
    struct Case {
        const char* what;
        bool frames;
        bool paused;
        int64_t to_us;
        const char* command;
        int64_t engine_ms;
    };
    const Case cases[] = {
        {"milliseconds, playing", false, false, 4'000'000, "play movie from 4000", 4000},
        {"milliseconds, paused", false, true, 4'000'000, "seek movie to 4000", 4000},
        {"frames, paused", true, true, 4'000'000, "seek movie to 100", 4000},
        {"frames, playing", true, false, 2'520'000, "play movie from 63", 2520},
        {"past the end", false, true, 99'000'000, "seek movie to 10000", 10000},
    };
    for (const Case& c : cases) {
        Remote r;
        if (c.frames) r.pw->device.prefer_milliseconds = set_time_format(*r.pw, 0);
        if (c.paused) {
            remote_pause(*r.pw);
            r.main_ticks(1, 0);
        }
        r.forget_commands();
        remote_seek_to(*r.pw, c.to_us);
        EXPECT_TRUE(r.commands().empty()) << c.what << ": nothing before the tick";
        r.main_ticks(1, 0);
        EXPECT_TRUE(r.sent(c.command)) << c.what;
        EXPECT_EQ(r.engine.position_ms(), c.engine_ms) << c.what;
        EXPECT_EQ(r.pw->device.paused, c.paused ? 1 : 0) << c.what;
        EXPECT_EQ(remote_view(*r.pw).position_us, c.engine_ms * 1000) << c.what;
    }
}

TEST(RemoteControl, WhatTheDesktopSees) {
    Remote r;
    RemoteView v = remote_view(*r.pw);
    EXPECT_EQ(v.status, RemoteStatus::Playing);
    EXPECT_EQ(v.title, "clip");
    EXPECT_EQ(v.length_us, 10'000'000);
    EXPECT_TRUE(v.can_go_next);

    remote_next(*r.pw);
    r.main_ticks(1, 0);
    v = remote_view(*r.pw);
    EXPECT_EQ(v.path, r.dir / "tone.wav");
    EXPECT_FALSE(v.can_go_next) << "the last entry without repeat";
    remote_set_repeat(*r.pw, true);
    EXPECT_TRUE(remote_view(*r.pw).can_go_next);

    // Stopped: nothing to seek, the entry still named, no length.
    remote_stop(*r.pw);
    r.main_ticks(1, 0);
    r.forget_commands();
    remote_seek_to(*r.pw, 1'000'000);
    r.main_ticks(1, 0);
    EXPECT_TRUE(r.commands().empty());
    v = remote_view(*r.pw);
    EXPECT_EQ(v.status, RemoteStatus::Stopped);
    EXPECT_EQ(v.title, "tone");
    EXPECT_EQ(v.length_us, 0);
    // Play from stopped opens the current entry, as PLAY does.
    remote_play(*r.pw);
    r.main_ticks(1, 0);
    EXPECT_EQ(remote_view(*r.pw).status, RemoteStatus::Playing);
    EXPECT_EQ(r.engine.open_path(), r.dir / "tone.wav");
}

TEST(RemoteControl, AFileTheDeviceRefusesReadsStoppedAndTheNextPlaysAndPauses) {
    // "long.avi" is no media the device knows, as a file it cannot read.
    test::Player p;
    for (const char* name : {"long.avi", "clip.avi"})
        test::write_bytes(p.dir / name, "clip");
    p.engine.add_media(p.dir / "clip.avi", {10000, 25, Rect{0, 0, 320, 240}});
    test::write_bytes(p.dir / "RQ01.rql",
                      p.dir / "long.avi" + "\r\n" + p.dir / "clip.avi" + "\r\n");
    p.start();
    ASSERT_TRUE(p.engine.open_path().empty());
    // The player passes it on at its next ticks; meanwhile nothing plays.
    RemoteView v = remote_view(*p.pw);
    EXPECT_EQ(v.status, RemoteStatus::Stopped);
    EXPECT_EQ(v.length_us, 0);
    EXPECT_EQ(v.path, p.dir / "long.avi");

    for (int i = 0; i < 10 && p.engine.open_path().empty(); ++i)
        p.main_ticks(1, 0);
    ASSERT_EQ(p.engine.open_path(), p.dir / "clip.avi");
    EXPECT_EQ(remote_view(*p.pw).status, RemoteStatus::Playing);
    remote_pause(*p.pw);
    p.main_ticks(1, 0);
    EXPECT_EQ(remote_view(*p.pw).status, RemoteStatus::Paused);
    p.main_ticks(5, 0);
    EXPECT_EQ(remote_view(*p.pw).status, RemoteStatus::Paused) << "and stays so";
}

}  // namespace
}  // namespace rq
