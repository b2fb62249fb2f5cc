#include "transport/ab_repeat.h"

#include <string>

#include "core/player.h"
#include "media/device_ops.h"

namespace rq {

namespace {

// Reads the position in milliseconds as a point, in both units.
AbPoint take_point(Player& p) {
    DeviceState& d = p.device;
    set_time_format(p, 1);
    d.position = query_position(p);
    AbPoint point{d.position, d.position};
    if (d.length_frames != d.length_ms) {
        const double ms_per_frame =
            d.length_frames != 0 ? static_cast<double>(d.length_ms) / d.length_frames : 0.0;
        point.frames = ms_per_frame > 0 ? static_cast<int>(d.position / ms_per_frame) : 0;
    }
    d.prefer_milliseconds = set_time_format(p, d.prefer_milliseconds);
    d.position = query_position(p);
    return point;
}

}  // namespace

void ab_repeat_step(Player& p, int position) {
    TransportState& t = p.transport;
    DeviceState& d = p.device;
    switch (t.ab_state) {
        case AbState::TakeA:
            t.ab_point_a = take_point(p);
            t.ab_state = AbState::AHeld;
            break;
        case AbState::TakeB:
            t.ab_point_b = take_point(p);
            t.ab_state = AbState::Looping;
            break;
        case AbState::Looping: {
            const bool ms = d.prefer_milliseconds != 0;
            const int a = ms ? t.ab_point_a.ms : t.ab_point_a.frames;
            const int b = ms ? t.ab_point_b.ms : t.ab_point_b.frames;
            if (position <= a || position >= b) {
                p.send("pause movie");
                p.send("seek movie to " + std::to_string(a + 1));
                if (!d.paused && d.speed_index == 0) p.send("play movie");
            }
            break;
        }
        default:
            break;
    }
}

void keep_awake_step(Player& p, int limit) {
    int& calls = p.transport.keep_awake_calls;
    if (calls < limit) {
        ++calls;
        return;
    }
    p.env.screen_saver.keep_awake();
    calls = 0;
}

}  // namespace rq
