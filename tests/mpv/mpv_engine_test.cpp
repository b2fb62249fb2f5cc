// The libmpv engine driven through the command channel, as the player
// drives it, on clips made at test time. No sound device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "mpv/mpv_clips.h"
#include "mpv/mpv_engine.h"
#include "platform/frame_sink.h"
#include "platform/mci_channel.h"
#include "support/temp_dir.h"

namespace rq {
namespace {

using namespace std::chrono_literals;

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit = 4000ms) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// Keeps what the render thread hands over.
class RecordingSink : public FrameSink {
  public:
    struct Frame {
        int handle = -1;
        bool minimized = false;
        int w = 0, h = 0;
        Rect dest;
        bool lit = false;  // any pixel not black
    };
    void present_frame(int handle, bool minimized, const uint8_t* pixels, int w, int h, int stride,
                       const Rect& dest) override {
        Frame f{handle, minimized, w, h, dest, false};
        for (int y = 0; y < h && !f.lit; ++y)
            for (int x = 0; x < w * 4 && !f.lit; x += 4)
                f.lit = pixels[y * stride + x] > 16 || pixels[y * stride + x + 1] > 16 ||
                        pixels[y * stride + x + 2] > 16;
        std::lock_guard lock(mutex_);
        frames_.push_back(f);
    }
    void clear(int handle) override {
        std::lock_guard lock(mutex_);
        cleared_.push_back(handle);
    }
    double pixel_ratio() const override { return ratio; }
    std::vector<Frame> frames() const {
        std::lock_guard lock(mutex_);
        return frames_;
    }
    std::atomic<double> ratio{1.0};
    std::vector<int> cleared() const {
        std::lock_guard lock(mutex_);
        return cleared_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<Frame> frames_;
    std::vector<int> cleared_;
};

class MpvChannelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { clips_ = std::make_unique<test::MpvClips>(); }
    static void TearDownTestSuite() { clips_.reset(); }

    void SetUp() override { ASSERT_TRUE(clips_->ok) << "ffmpeg could not make the clips"; }

    int send(const std::string& cmd) { return mci_.send(cmd, nullptr, 0); }
    std::string query(const std::string& cmd) { return mci_.query(cmd); }
    long number(const std::string& cmd) { return parse_decimal(query(cmd)); }

    // Opens a clip of the suite by its bare name, from inside its folder.
    int open(const std::string& name) {
        if (!cwd_.change(clips_->dir.path())) return -1;
        return send("open \"" + name + "\" type mpegvideo alias movie");
    }
    long position_in(const char* unit) {
        send(std::string("set movie time format ") + unit);
        long p = number("status movie position");
        send("set movie time format milliseconds");
        return p;
    }
    long length_in(const char* unit) {
        send(std::string("set movie time format ") + unit);
        long p = number("status movie length");
        send("set movie time format milliseconds");
        return p;
    }
    bool settle() {
        return wait_until([&] { return !engine_.seeking(); });
    }

    static inline std::unique_ptr<test::MpvClips> clips_;
    VirtualWorkingDirectory cwd_;
    RecordingSink sink_;
    MpvEngine engine_{&sink_, true};
    MciChannel mci_{engine_, cwd_};
};

TEST_F(MpvChannelTest, OpensBareNameFromTheCurrentFolderAndWaitsStopped) {
    ASSERT_EQ(open("clip.avi"), 0);
    EXPECT_TRUE(engine_.is_open());
    EXPECT_EQ(query("status movie mode"), "stopped");
    EXPECT_EQ(query("status movie position"), "0");
    EXPECT_EQ(query("status movie time format"), "milliseconds");
    // A second open under the same alias is refused; the first stays.
    EXPECT_NE(open("tone.wav"), 0);
    EXPECT_EQ(number("status movie length"), 4000);
}

TEST_F(MpvChannelTest, OpensNameWithBlanks) {
    ASSERT_EQ(open("my clip.avi"), 0);
    EXPECT_EQ(number("status movie length"), 4000);
    EXPECT_EQ(query("where movie destination"), "0 0 320 240");
}

struct LengthCase {
    const char* file;
    long ms_low, ms_high;  // equal when the length is exact
    long fps;              // 0: frames equal milliseconds
    const char* where;     // the reply before any "put"
};

TEST_F(MpvChannelTest, LengthsInBothFormatsAndNativeDestination) {
    const LengthCase cases[] = {
        {"clip.avi", 4000, 4000, 25, "0 0 320 240"},
        {"tone.wav", 2000, 2000, 0, ""},
        // Encoder padding: MPEG-PS and MP3 lengths are only about right.
        {"clip.mpg", 1900, 2600, 25, "0 0 352 288"},
        {"tone.mp3", 1900, 2200, 0, ""},
        {"cover.mp3", 1900, 2200, 0, ""},  // cover art is no picture
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(open(c.file), 0);
        long ms = length_in("milliseconds");
        long frames = length_in("frames");
        EXPECT_GE(ms, c.ms_low);
        EXPECT_LE(ms, c.ms_high);
        if (c.fps == 0)
            EXPECT_EQ(frames, ms);
        else
            EXPECT_NEAR(frames, ms * c.fps / 1000.0, 1.0);
        EXPECT_EQ(query("where movie destination"), c.where);
        EXPECT_EQ(send("close movie"), 0);
    }
}

TEST_F(MpvChannelTest, PutMovesTheDestinationOfAPictureOnly) {
    ASSERT_EQ(open("clip.avi"), 0);
    EXPECT_EQ(query("where movie destination"), "0 0 320 240");
    EXPECT_EQ(send("put movie destination at 10 20 160 120"), 0);
    EXPECT_EQ(query("where movie destination"), "10 20 160 120");
    EXPECT_EQ(send("close movie"), 0);

    // The next file starts from its own native size again.
    ASSERT_EQ(open("clip.mpg"), 0);
    EXPECT_EQ(query("where movie destination"), "0 0 352 288");
    EXPECT_EQ(send("close movie"), 0);

    ASSERT_EQ(open("tone.wav"), 0);
    EXPECT_EQ(send("put movie destination at 10 20 160 120"), 0);
    EXPECT_EQ(query("where movie destination"), "");
}

struct SeekCase {
    const char* unit;
    long to;
    long expect_ms, expect_frames;
};

TEST_F(MpvChannelTest, ExactSeekLandsOnTheTargetInBothFormats) {
    ASSERT_EQ(open("clip.avi"), 0);
    const SeekCase cases[] = {
        {"milliseconds", 2000, 2000, 50}, {"frames", 37, 1480, 37},
        {"milliseconds", 0, 0, 0},        {"frames", 99, 3960, 99},  // the last frame
        {"milliseconds", 1000, 1000, 25},
    };
    for (const SeekCase& c : cases) {
        SCOPED_TRACE(std::string(c.unit) + " " + std::to_string(c.to));
        send(std::string("set movie time format ") + c.unit);
        EXPECT_EQ(send("seek movie to " + std::to_string(c.to)), 0);
        send("set movie time format milliseconds");
        // At once, before the engine got there: the target.
        EXPECT_EQ(position_in("milliseconds"), c.expect_ms);
        EXPECT_EQ(position_in("frames"), c.expect_frames);
        EXPECT_EQ(query("status movie mode"), "paused");
        // And where the engine really landed.
        ASSERT_TRUE(settle());
        EXPECT_EQ(position_in("milliseconds"), c.expect_ms);
        EXPECT_EQ(position_in("frames"), c.expect_frames);
        EXPECT_EQ(query("status movie mode"), "paused");
    }
}

TEST_F(MpvChannelTest, ALaterSeekReplacesAPendingOne) {
    ASSERT_EQ(open("clip.avi"), 0);
    for (long to : {500, 1000, 1500, 3000})
        send("seek movie to " + std::to_string(to));
    EXPECT_EQ(number("status movie position"), 3000);
    ASSERT_TRUE(settle());
    EXPECT_EQ(number("status movie position"), 3000);
}

TEST_F(MpvChannelTest, MpegProgramStreamSeekDoesNotOvershoot) {
    ASSERT_EQ(open("clip.mpg"), 0);
    for (long to : {1000, 400, 1520}) {
        SCOPED_TRACE(to);
        send("seek movie to " + std::to_string(to));
        ASSERT_TRUE(settle());
        long at = number("status movie position");
        EXPECT_GE(at, to - 1);
        EXPECT_LT(at, to + 40);  // within one frame
    }
}

TEST_F(MpvChannelTest, PlayingToTheEndReadsStoppedAtTheLength) {
    const struct {
        const char* file;
        long from;
    } cases[] = {{"clip.avi", 3500}, {"tone.wav", 1700}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(open(c.file), 0);
        const long length = number("status movie length");
        const long frames = length_in("frames");
        EXPECT_EQ(send("play movie from " + std::to_string(c.from)), 0);
        EXPECT_EQ(query("status movie mode"), "playing");
        ASSERT_TRUE(wait_until([&] { return query("status movie mode") == "stopped"; }));
        EXPECT_EQ(number("status movie position"), length);
        EXPECT_EQ(position_in("frames"), frames);

        // Back from the end: parked, then playing again.
        send("seek movie to 1000");
        EXPECT_EQ(query("status movie mode"), "paused");
        ASSERT_TRUE(settle());
        EXPECT_EQ(query("status movie mode"), "paused");
        EXPECT_EQ(number("status movie position"), 1000);
        send("play movie");
        EXPECT_EQ(query("status movie mode"), "playing");
        EXPECT_EQ(send("close movie"), 0);
    }
}

TEST_F(MpvChannelTest, PauseStopAndPlayModes) {
    ASSERT_EQ(open("clip.avi"), 0);
    EXPECT_EQ(query("status movie mode"), "stopped");
    send("pause movie");  // pausing a stopped device leaves it stopped
    EXPECT_EQ(query("status movie mode"), "stopped");
    send("play movie");
    EXPECT_EQ(query("status movie mode"), "playing");
    ASSERT_TRUE(wait_until([&] { return number("status movie position") >= 200; }));

    send("pause movie");
    EXPECT_EQ(query("status movie mode"), "paused");
    std::this_thread::sleep_for(100ms);  // let the pause reach the engine
    long held = number("status movie position");
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(number("status movie position"), held);
    EXPECT_LT(held, 4000);

    send("play movie");
    EXPECT_EQ(query("status movie mode"), "playing");
    send("stop movie");
    EXPECT_EQ(query("status movie mode"), "stopped");
    send("seek movie to 500");
    EXPECT_EQ(query("status movie mode"), "paused");
}

TEST_F(MpvChannelTest, AFileOpenedAfterAPlayingOneStaysStill) {
    ASSERT_EQ(open("clip.avi"), 0);
    send("play movie");
    ASSERT_TRUE(wait_until([&] { return number("status movie position") >= 100; }));
    send("close movie");
    ASSERT_EQ(open("clip.mpg"), 0);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(query("status movie mode"), "stopped");
    // Still on the first frame (this stream's picture starts a little late).
    EXPECT_LT(number("status movie position"), 40);
}

TEST_F(MpvChannelTest, AfterCloseQueriesFailAndLeaveTheReply) {
    ASSERT_EQ(open("clip.avi"), 0);
    EXPECT_EQ(send("close movie"), 0);
    EXPECT_FALSE(engine_.is_open());
    for (const char* cmd : {"status movie position", "status movie length", "status movie mode",
                            "where movie destination"}) {
        SCOPED_TRACE(cmd);
        char reply[256] = "untouched";
        EXPECT_NE(mci_.send(cmd, reply, sizeof reply), 0);
        EXPECT_STREQ(reply, "untouched");
    }
    EXPECT_NE(send("close movie"), 0);
    EXPECT_NE(send("play movie"), 0);
    // The device opens again afterwards.
    ASSERT_EQ(open("tone.wav"), 0);
    EXPECT_EQ(number("status movie length"), 2000);
}

TEST_F(MpvChannelTest, UnplayableFilesDoNotOpen) {
    test::TempDir junk;
    test::write_bytes(junk / "garbage.avi", std::string(5000, '\x5a'));
    test::write_bytes(junk / "empty.mpg", "");
    test::write_bytes(junk / "text.mp3", "just some words\n");
    for (const char* name : {"missing.avi", "garbage.avi", "empty.mpg", "text.mp3", "."}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(cwd_.change(junk.path()));
        EXPECT_NE(send(std::string("open \"") + name + "\" type mpegvideo alias movie"), 0);
        EXPECT_FALSE(engine_.is_open());
        char reply[256] = "untouched";
        EXPECT_NE(mci_.send("status movie length", reply, sizeof reply), 0);
        EXPECT_STREQ(reply, "untouched");
    }
    ASSERT_EQ(open("clip.avi"), 0);
    EXPECT_EQ(number("status movie length"), 4000);
}

TEST_F(MpvChannelTest, FramesReachTheTargetAtTheDestinationSize) {
    ASSERT_EQ(open("clip.avi"), 0);
    // Before any target is given, frames go to the default window at native size.
    ASSERT_TRUE(wait_until([&] {
        for (const auto& f : sink_.frames())
            if (f.handle == kDefaultTarget && f.w == 320 && f.h == 240 && f.lit) return true;
        return false;
    }));
    send("window movie handle 7");
    send("put movie destination at 10 20 160 120");
    send("seek movie to 1000");
    ASSERT_TRUE(wait_until([&] {
        for (const auto& f : sink_.frames())
            if (f.handle == 7 && f.w == 160 && f.h == 120 && f.lit &&
                f.dest == Rect{10, 20, 160, 120})
                return true;
        return false;
    }));
    EXPECT_EQ(sink_.cleared(), std::vector<int>{kDefaultTarget});

    send("window movie handle default state minimized");
    ASSERT_TRUE(wait_until([&] {
        auto frames = sink_.frames();
        return frames.back().handle == kDefaultTarget && frames.back().minimized;
    }));

    send("close movie");
    const size_t presented = sink_.frames().size();
    EXPECT_EQ(sink_.cleared().back(), kDefaultTarget);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(sink_.frames().size(), presented);  // nothing after the close
}

TEST_F(MpvChannelTest, OnAScaledScreenFramesAreRenderedInDevicePixels) {
    sink_.ratio = 2.0;
    ASSERT_EQ(open("clip.avi"), 0);
    send("window movie handle 7");
    send("put movie destination at 10 20 160 120");
    send("seek movie to 1000");
    ASSERT_TRUE(wait_until([&] {
        for (const auto& f : sink_.frames())
            if (f.handle == 7 && f.w == 320 && f.h == 240 && f.lit &&
                f.dest == Rect{10, 20, 160, 120})
                return true;
        return false;
    }));
    // The device's own coordinates stay the desktop's.
    EXPECT_EQ(query("where movie destination"), "10 20 160 120");
}

TEST_F(MpvChannelTest, AnEmptyDestinationShowsNothingAndSeeksStillSettle) {
    ASSERT_EQ(open("clip.avi"), 0);
    send("window movie handle 3");
    send("put movie destination at 0 0 0 0");
    const size_t before = sink_.frames().size();
    for (long to : {2000, 480, 3000}) {  // frame times: 40 ms apart
        send("seek movie to " + std::to_string(to));
        ASSERT_TRUE(settle());
        EXPECT_EQ(number("status movie position"), to);
    }
    for (size_t k = before; k < sink_.frames().size(); ++k)
        EXPECT_NE(sink_.frames()[k].handle, 3);
    send("put movie destination at 0 0 64 48");
    send("play movie");
    ASSERT_TRUE(wait_until([&] {
        auto frames = sink_.frames();
        return !frames.empty() && frames.back().handle == 3 && frames.back().w == 64;
    }));
}

TEST_F(MpvChannelTest, SoundOnlyFilesPlayWithoutFrames) {
    ASSERT_EQ(open("tone.mp3"), 0);
    send("play movie");
    ASSERT_TRUE(wait_until([&] { return number("status movie position") >= 100; }));
    EXPECT_TRUE(sink_.frames().empty());
}

TEST(MpvVolume, LinearAmplitudeBecomesCubeRootVolume) {
    const struct {
        double left, right, volume;
    } cases[] = {
        {1, 1, 100},       {0.125, 0, 50}, {0, 0.125, 50}, {0.125, 0.5, 100 * std::cbrt(0.5)},
        {0, 0, 0},         {2, 0, 100},    {-1, -1, 0},    {std::nan(""), 0, 0},
        {1.0 / 64, 0, 25},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(mpv_volume_for(c.left, c.right), c.volume, 1e-9) << c.left << " " << c.right;
}

}  // namespace
}  // namespace rq
