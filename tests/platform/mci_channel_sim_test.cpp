// The command vocabulary against the simulated engine.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>

#include "platform/mci_channel.h"
#include "platform/sim_engine.h"
#include "support/temp_dir.h"

namespace rq {
namespace {

class Channel : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.add_media(dir / "clip.avi", {4000, 25.0, Rect{0, 0, 320, 240}});
        engine.add_media(dir / "with blanks.mpg", {10000, 29.97, Rect{0, 0, 352, 240}});
        engine.add_media(dir / "tone.wav", {3000, 0, std::nullopt});
    }
    int send(const std::string& cmd) { return mci.send(cmd, nullptr, 0); }
    std::string ask(const std::string& cmd) { return mci.query(cmd); }
    void open(const std::string& name) {
        ASSERT_EQ(send("open \"" + name + "\" type mpegvideo alias movie"), 0) << name;
    }

    test::TempDir dir;
    VirtualWorkingDirectory cwd;
    SimEngine engine;
    std::string log = dir / "mci.log";
    MciChannel mci{engine, cwd, log};
};

TEST_F(Channel, BareNameOpensInTheCurrentDirectory) {
    ASSERT_TRUE(cwd.change(dir.path()));
    open("clip.avi");
    EXPECT_EQ(engine.open_path(), dir / "clip.avi");
    EXPECT_EQ(send("close movie"), 0);
    open("with blanks.mpg");
    EXPECT_EQ(ask("status movie length"), "10000");
    EXPECT_EQ(send("close movie"), 0);
    ASSERT_TRUE(cwd.change("/"));
    EXPECT_NE(send("open \"clip.avi\" type mpegvideo alias movie"), 0);
}

TEST_F(Channel, OneDeviceAtATime) {
    open(dir / "clip.avi");
    EXPECT_NE(send("open \"" + (dir / "tone.wav") + "\" type mpegvideo alias movie"), 0);
    EXPECT_EQ(engine.open_path(), dir / "clip.avi");
}

TEST_F(Channel, LengthsInBothUnits) {
    open(dir / "clip.avi");
    EXPECT_EQ(ask("status movie time format"), "milliseconds");
    EXPECT_EQ(ask("status movie length"), "4000");
    EXPECT_EQ(send("set movie time format frames"), 0);
    EXPECT_EQ(ask("status movie time format"), "frames");
    EXPECT_EQ(ask("status movie length"), "100");
    send("close movie");
    open(dir / "tone.wav");
    send("set movie time format frames");
    EXPECT_EQ(ask("status movie length"), "3000");  // no frames: the same number
}

TEST_F(Channel, SeekPlayAndModes) {
    open(dir / "clip.avi");
    EXPECT_EQ(ask("status movie mode"), "stopped");
    send("play movie");
    EXPECT_EQ(ask("status movie mode"), "playing");
    engine.advance(1000);
    EXPECT_EQ(ask("status movie position"), "1000");
    send("pause movie");
    EXPECT_EQ(ask("status movie mode"), "paused");
    engine.advance(1000);
    EXPECT_EQ(ask("status movie position"), "1000");
    send("seek movie to 2500");
    EXPECT_EQ(ask("status movie position"), "2500");
    EXPECT_EQ(ask("status movie mode"), "paused");  // a seek does not resume
    send("set movie time format frames");
    EXPECT_EQ(ask("status movie position"), "62");
    send("seek movie to 50");
    send("set movie time format milliseconds");
    EXPECT_EQ(ask("status movie position"), "2000");
    send("play movie from 3900");
    engine.advance(500);
    EXPECT_EQ(ask("status movie position"), "4000");
    EXPECT_EQ(ask("status movie mode"), "stopped");
}

TEST_F(Channel, DestinationIsTheNativeSizeUntilPut) {
    open(dir / "clip.avi");
    EXPECT_EQ(ask("where movie destination"), "0 0 320 240");
    EXPECT_EQ(send("put movie destination at 10 20 640 480"), 0);
    EXPECT_EQ(ask("where movie destination"), "10 20 640 480");
    EXPECT_EQ(engine.destination(), (Rect{10, 20, 640, 480}));
    EXPECT_EQ(send("window movie handle 7"), 0);
    EXPECT_EQ(engine.target(), 7);
    EXPECT_EQ(send("window movie handle default state minimized"), 0);
    EXPECT_EQ(engine.target(), kDefaultTarget);
    EXPECT_TRUE(engine.target_minimized());
    send("close movie");
    open(dir / "clip.avi");
    EXPECT_EQ(ask("where movie destination"), "0 0 320 240");  // a new open forgets the put
}

TEST_F(Channel, SoundOnlyHasAnEmptyDestination) {
    open(dir / "tone.wav");
    char reply[256];
    std::strcpy(reply, "untouched");
    EXPECT_EQ(mci.send("where movie destination", reply, sizeof reply), 0);
    EXPECT_STREQ(reply, "");
}

TEST_F(Channel, FailedQueriesLeaveTheReplyAlone) {
    const char* queries[] = {"status movie position", "status movie length", "status movie mode",
                             "status movie time format", "where movie destination"};
    for (const char* q : queries) {
        char reply[256];
        std::strcpy(reply, "untouched");
        EXPECT_NE(mci.send(q, reply, sizeof reply), 0) << q;
        EXPECT_STREQ(reply, "untouched") << q;
    }
    EXPECT_NE(send("close movie"), 0);
    EXPECT_NE(send("play movie"), 0);
}

TEST_F(Channel, OnlyTheVocabularyIsUnderstood) {
    open(dir / "clip.avi");
    const char* rejected[] = {
        "status movie volume",
        "seek movie to",
        "seek movie to 12x",
        "seek movie to end",
        "play movie from",
        "play movie to 100",
        "put movie destination at 1 2 3",
        "put movie destination at 1 2 3 4 5",
        "set movie time format smpte 30",
        "window movie handle",
        "window movie handle 12abc",
        "pause film",
        "pausemovie",
        "open clip.avi type mpegvideo alias movie",
        "",
    };
    for (const char* cmd : rejected) {
        char reply[256];
        std::strcpy(reply, "untouched");
        EXPECT_NE(mci.send(cmd, reply, sizeof reply), 0) << cmd;
        EXPECT_STREQ(reply, "untouched") << cmd;
    }
    EXPECT_EQ(ask("status movie time format"), "milliseconds");
}

TEST_F(Channel, NumbersBeyondAnIntAreRefused) {
    open(dir / "clip.avi");
    ASSERT_EQ(send("put movie destination at 10 20 640 480"), 0);
    ASSERT_EQ(send("window movie handle 7"), 0);
    ASSERT_EQ(send("seek movie to 1000"), 0);
    const std::string mode = ask("status movie mode");
    const char* refused[] = {
        "put movie destination at 4294967296 0 4294967616 -4294967000",
        "put movie destination at 0 0 2147483648 240",
        "put movie destination at -2147483649 0 320 240",
        "window movie handle 99999999999",
        "window movie handle 2147483648",
        "seek movie to 2147483648",
        "seek movie to 18446744073709551616",
        "play movie from -2147483649",
    };
    for (const char* cmd : refused)
        EXPECT_EQ(send(cmd), 261) << cmd;
    // Nothing of a refused command reached the device.
    EXPECT_EQ(ask("where movie destination"), "10 20 640 480");
    EXPECT_EQ(engine.destination(), (Rect{10, 20, 640, 480}));
    EXPECT_EQ(engine.target(), 7);
    EXPECT_EQ(ask("status movie position"), "1000");
    EXPECT_EQ(ask("status movie mode"), mode);

    // The limits themselves still fit.
    EXPECT_EQ(send("put movie destination at -2147483648 0 2147483647 1"), 0);
    EXPECT_EQ(engine.destination(), (Rect{INT_MIN, 0, INT_MAX, 1}));
    EXPECT_EQ(send("window movie handle 2147483647"), 0);
    EXPECT_EQ(engine.target(), INT_MAX);
}

TEST_F(Channel, ShortReplyBuffersAreFilledSafely) {
    open(dir / "clip.avi");
    send("play movie");
    engine.advance(5000);
    char reply[8];
    std::memset(reply, 'x', sizeof reply);
    mci.send("status movie mode", reply, sizeof reply);
    EXPECT_STREQ(reply, "stopped");
    char tiny[4];
    mci.send("status movie time format", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "mil");
}

TEST_F(Channel, EveryCommandIsLoggedWithItsReply) {
    open(dir / "clip.avi");
    ask("status movie length");
    send("close movie");
    send("close movie");
    std::string text = test::read_bytes(log);
    EXPECT_NE(text.find("status movie length\t0\t4000\n"), std::string::npos);
    EXPECT_NE(text.find("close movie\t0\t\n"), std::string::npos);
    EXPECT_NE(text.find("close movie\t263\t\n"), std::string::npos);
}

TEST(ParseDecimal, ReadsLeadingDigitsOnly) {
    EXPECT_EQ(parse_decimal("1234"), 1234);
    EXPECT_EQ(parse_decimal("-33 rest"), -33);
    EXPECT_EQ(parse_decimal("12abc"), 12);
    EXPECT_EQ(parse_decimal("abc"), 0);
    EXPECT_EQ(parse_decimal(""), 0);
    EXPECT_EQ(parse_decimal("stopped"), 0);
}

}  // namespace
}  // namespace rq
