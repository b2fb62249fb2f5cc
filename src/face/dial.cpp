#include "face/dial.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "skin/face_layout.h"

namespace rq {

int dial_sector(Point pt, int n) {
    // 57.297 degrees a radian, as the dial has always turned.
    const double dx = pt.x - kDialCentre.x, dy = pt.y - kDialCentre.y;
    double angle;
    if (dy < 0 || (dy == 0 && dx >= 0))
        angle = std::atan2(dy, dx) * 57.297 * -1;
    else if (dy == 0)
        angle = 180;  // straight left: half a turn, not minus half a turn
    else
        angle = std::atan2(dy, -dx) * 57.297 + 180;
    const int sector = static_cast<int>(angle / (360.0 / n));
    return std::clamp(sector, 0, n - 1);
}

void Dial::press(Player& p, Point pt) {
    TransportState& t = p.transport;
    const double dx = pt.x - kDialCentre.x, dy = pt.y - kDialCentre.y;
    if (std::sqrt(dx * dx + dy * dy) > kDialInnerRadius) {
        t.dial_mode = 2;
        t.button_timers[button::kShuttle] = 1;
        t.shuttle_alpha = -100;
        t.shuttle_speed = 0;
        t.shuttle_start_sector = t.shuttle_sector = dial_sector(pt, 32);
    } else {
        t.dial_mode = 1;
        t.button_timers[button::kJog] = 1;
        t.jog_start_sector = t.jog_sector = dial_sector(pt, 12);
    }
}

void Dial::follow(Player& p, Point pt) {
    TransportState& t = p.transport;
    if (t.dial_mode == 1) t.jog_sector = dial_sector(pt, 12);
    if (t.dial_mode == 2) t.shuttle_sector = dial_sector(pt, 32);
}

void Dial::release(Player& p) {
    TransportState& t = p.transport;
    if (t.dial_mode == 2) {
        p.device.speed_index = 0;
        t.pending_command = p.device.paused ? Command::Pause : Command::Play;
    }
    t.dial_mode = 0;
}

void Dial::jog_step(Player& p) {
    TransportState& t = p.transport;
    if (t.button_timers[button::kJog] <= 0) return;
    p.device.speed_index = 0;
    if (t.jog_start_sector == t.jog_sector) return;
    bool up = false;
    int steps = 5;
    for (int k = 0; k <= 5; ++k) {
        if ((t.jog_start_sector + k) % 12 == t.jog_sector) {
            up = true;
            steps = k;
            break;
        }
    }
    if (!up) {
        for (int k = 0; k <= 5; ++k) {
            if (((t.jog_start_sector - k) % 12 + 12) % 12 == t.jog_sector) {
                steps = k;
                break;
            }
        }
    }
    steps = std::min(steps, 3);
    for (int i = 0; i < steps; ++i) {
        if (up) {
            t.jog_start_sector = (t.jog_start_sector + 1) % 12;
            t.jog_knob = (t.jog_knob + 11) % 12;
        } else {
            t.jog_start_sector = (t.jog_start_sector + 11) % 12;
            t.jog_knob = (t.jog_knob + 1) % 12;
        }
    }
    if (p.device.paused) p.device.speed_index = up ? -steps : steps;
}

void Dial::shuttle_step(Player& p) {
    TransportState& t = p.transport;
    if (t.button_timers[button::kShuttle] <= 0) {
        if (t.shuttle_alpha >= -255) t.shuttle_alpha -= 25;
        return;
    }
    if (t.shuttle_start_sector != t.shuttle_sector) {
        bool ahead = false;
        for (int k = 0; k <= 15 && !ahead; ++k)
            ahead = (t.shuttle_start_sector + k) % 32 == t.shuttle_sector;
        if (ahead) {
            t.shuttle_start_sector = (t.shuttle_start_sector + 1) % 32;
            t.shuttle_speed = std::max(t.shuttle_speed - 1, -9);
        } else {
            t.shuttle_start_sector = (t.shuttle_start_sector + 31) % 32;
            t.shuttle_speed = std::min(t.shuttle_speed + 1, 9);
        }
        if (p.device.stopped == 0) p.device.speed_index = t.shuttle_speed;
    }
    t.shuttle_alpha = std::min(t.shuttle_alpha + 25, 255);
}

void Dial::draw(const Player& p, FaceCanvas& c) {
    const TransportState& t = p.transport;
    const FacePoint knob = kJogCircle[static_cast<size_t>(std::clamp(t.jog_knob, 0, 11))];
    c.key({knob.x + kJogKnobOffset.x, knob.y + kJogKnobOffset.y}, sprite(SpriteId::JogKnob).rect);
    if (t.dial_mode != 2 && t.shuttle_alpha < -255) return;
    const int speed = std::clamp(t.shuttle_speed, -9, 9);
    const FacePoint arc = kShuttleArc[static_cast<size_t>(std::abs(speed))];
    const int x = speed < 0 ? kShuttleDotX - arc.x : kShuttleDotX + arc.x;
    c.blits.fade(SurfaceId::SkinSheet, x, arc.y, x, arc.y + kLitRows, kShuttleDotSize,
                 kShuttleDotSize, t.shuttle_alpha);
}

}  // namespace rq
