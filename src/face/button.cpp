#include "face/button.h"

#include <algorithm>
#include <string>

#include "media/drops.h"
#include "media/index_files.h"
#include "panels/settings_dialog.h"
#include "video/full_screen.h"
#include "video/layout.h"

namespace rq {

namespace {

constexpr int kSearchButtonTicks = 30;

void light(Player& p, int timer) {
    p.transport.button_timers[static_cast<size_t>(timer)] = 1;
}

void ask(Player& p, Command code) {
    p.transport.pending_command = code;
}

bool armed_for_release(Command c) {
    return c == Command::FileRelease || c == Command::ConfigRelease || c == Command::FullRelease;
}

// A face button lit while its timer counts: its lit look, or a look of its
// own kept beside the faces.
struct PressedLook {
    int timer;
    SpriteId look;
    bool lit;
};

// In drawing order; search back and forward come last of the first group
// because holding them also moves the transport.
constexpr PressedLook kPressedLooks[] = {
    {button::kPlay, SpriteId::PlayButton, true},
    {button::kStillToPause, SpriteId::StillPressedPausedLook, false},
    {button::kStill, SpriteId::StillButton, true},
    {button::kStop, SpriteId::StopButton, true},
    {button::kBack, SpriteId::BackButton, true},
    {button::kNext, SpriteId::NextButton, true},
    {button::kSearchBack, SpriteId::RewButton, true},
    {button::kSearchForward, SpriteId::FfButton, true},
};
constexpr PressedLook kPressedZoom[] = {
    {button::kSmaller, SpriteId::ZoomMinusPressedLook, false},
    {button::kLarger, SpriteId::ZoomPlusPressedLook, false},
};
constexpr PressedLook kPressedLater[] = {
    {button::kFile, SpriteId::FileButton, true},
    {button::kConfig, SpriteId::ConfigButton, true},
    {button::kFull, SpriteId::FullButtonLit, false},
    {button::kPower, SpriteId::PowerButton, true},
};

template <size_t N>
void draw_pressed(const Player& p, FaceCanvas& c, const PressedLook (&looks)[N]) {
    for (const PressedLook& b : looks) {
        if (p.transport.button_timers[static_cast<size_t>(b.timer)] <= 0) continue;
        if (b.lit)
            c.show_lit(b.look);
        else
            c.show(b.look);
    }
}

}  // namespace

void Button::press(Player& p) const {
    light(p, timer);
    ask(p, request);
}

void Button::play(Player& p) {
    DeviceState& d = p.device;
    light(p, button::kPlay);
    if (d.speed_index != 0) {
        ask(p, Command::Play);
    } else if (d.stopped) {
        ask(p, Command::Open);
        p.transport.selection_pending = 0;
    } else if (d.paused) {
        ask(p, Command::Play);
    }
}

void Button::still(Player& p) {
    const DeviceState& d = p.device;
    if (d.stopped) {
        light(p, button::kStill);
    } else if (d.paused) {
        light(p, button::kStill);
        ask(p, Command::Play);
    } else {
        light(p, button::kStillToPause);
        ask(p, Command::Pause);
    }
}

void Button::stop(Player& p) {
    save_index(p);
    light(p, button::kStop);
    ask(p, Command::Stop);
}

void Button::back_or_next(Player& p, bool next) {
    light(p, next ? button::kNext : button::kBack);
    ask(p, next ? Command::Next : Command::Previous);
    DeviceState& d = p.device;
    if (d.paused) {
        d.position = std::max(d.position + (next ? 1 : -1), 0);
        p.send("seek movie to " + std::to_string(d.position));
    }
}

void Button::search(Player& p, bool forward) {
    TransportState& t = p.transport;
    t.button_timers[forward ? button::kSearchForward : button::kSearchBack] = kSearchButtonTicks;
    if (p.device.stopped) return;
    ask(p, forward ? Command::FastForward : Command::FastReverse);
    p.input.search_held = 1;
}

void Button::power(Player& p) {
    light(p, button::kPower);
    p.input.quit_armed = 1;
}

void Button::minimise(Player& p, int by) {
    p.geometry.minimised_by = by;
    p.tick.window_active = 0;
    p.host().minimize();
    layout(p);
}

void Button::end_search(Player& p) {
    if (p.input.search_held == 0) return;
    p.input.search_held = 0;
    ask(p, Command::NormalSpeed);
}

void Button::run_release_action(Player& p) {
    TransportState& t = p.transport;
    const Command armed = t.pending_command;
    if (armed_for_release(armed)) {
        t.pending_command = Command::None;
        if (armed == Command::FileRelease)
            open_file_or_toggle_editor(p, 0);
        else if (armed == Command::ConfigRelease)
            open_settings_dialog(p);
        else
            enter_full_screen(p);
    }
    if (p.input.quit_armed) {
        p.input.quit_armed = 0;
        p.tick.quit_requested = 1;
    }
}

void Button::disarm(Player& p) {
    if (armed_for_release(p.transport.pending_command)) p.transport.pending_command = Command::None;
    p.input.quit_armed = 0;
}

void Button::held_search_step(Player& p) {
    TransportState& t = p.transport;
    if (t.button_timers[button::kSearchBack] > 0) {
        p.device.speed_index = -1;
        t.button_search = 1;
    }
    if (t.button_timers[button::kSearchForward] > 0) {
        p.device.speed_index = 1;
        t.button_search = 1;
    }
}

void Button::draw_transport(const Player& p, FaceCanvas& c) {
    draw_pressed(p, c, kPressedLooks);
}

void Button::draw_zoom(const Player& p, FaceCanvas& c) {
    draw_pressed(p, c, kPressedZoom);
}

void Button::draw_later(const Player& p, FaceCanvas& c) {
    draw_pressed(p, c, kPressedLater);
}

}  // namespace rq
