#include "transport/panel_exchange.h"

#include <string>

#include "core/player.h"
#include "panels/control_panel.h"
#include "video/layout.h"

namespace rq {

namespace {

void seek_to(Player& p, int position) {
    p.send("seek movie to " + std::to_string(position));
}

// BACK, PLAY/PAUSE or NEXT: a paused picture steps one unit; a playing one
// moves to the neighbouring entry or toggles.
void carry_out_button(Player& p, int code) {
    DeviceState& d = p.device;
    Command& pending = p.transport.pending_command;
    if (code == 2) {
        if (d.paused)
            seek_to(p, ++d.position);
        else
            pending = Command::Next;
    } else if (code == 3) {
        if (d.paused)
            seek_to(p, --d.position);
        else
            pending = Command::Previous;
    } else if (code <= 1) {
        if (d.stopped == 0) pending = d.paused ? Command::Play : Command::Pause;
    } else {
        return;
    }
    p.host().focus_scroll_bar();
}

}  // namespace

void exchange_with_panel(Player& p) {
    ControlPanel& panel = p.windows().control_panel;
    DeviceState& d = p.device;
    d.position = p.query_number("status movie position");
    panel_set(panel, 0, p.query_number("status movie length"));
    p.settings.caption_flag = panel.caption;

    if (panel_poll(panel, 0) == 1) {
        d.position = panel_poll(panel, 1);
        if (d.paused)
            seek_to(p, d.position);
        else
            p.send("play movie from " + std::to_string(d.position));
        panel_set(panel, 1, d.position);
        p.host().focus_scroll_bar();
    } else {
        panel_set(panel, 1, d.position);
    }

    if (panel_poll(panel, 6) == 4) {
        p.settings.fullscreen_fit_mode = panel_read(panel, 4);
        layout(p);
    }

    if (panel_poll(panel, 2) == 2) {
        const uint32_t volume = static_cast<uint32_t>(panel_poll(panel, 3)) * 16843009u;
        if (p.input.seek_drag == 0) {
            p.env.volume.set(volume);
            p.input.volume_knob = volume_knob_for(volume);
        }
        p.host().focus_scroll_bar();
    }

    if (panel_poll(panel, 4) == 3) carry_out_button(p, panel_poll(panel, 5));
}

}  // namespace rq
