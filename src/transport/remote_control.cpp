#include "transport/remote_control.h"

#include <algorithm>
#include <cmath>

#include "core/player.h"
#include "media/drops.h"
#include "platform/path_util.h"
#include "playlist/playlist_model.h"
#include "transport/keyboard.h"

namespace rq {

namespace {

// An entry the device refused leaves the player running until the tick
// passes it on; nothing is open meanwhile, and the desktop sees it stopped.
bool file_open(const Player& p) {
    return p.device.stopped == 0 && !p.media.current_path.empty() && p.playlist.failed_opens == 0;
}

// The device's position in milliseconds, whatever the user's unit.
int64_t position_ms(const Player& p) {
    const DeviceState& d = p.device;
    if (d.prefer_milliseconds || d.length_frames <= 0) return d.position;
    return int64_t(d.position) * d.length_ms / d.length_frames;
}

void request(Player& p, Command code) {
    p.transport.pending_command = code;
}

}  // namespace

RemoteView remote_view(const Player& p) {
    const DeviceState& d = p.device;
    const PlaylistState& pl = p.playlist;
    RemoteView v;
    const bool open = file_open(p);
    v.status = !open      ? RemoteStatus::Stopped
               : d.paused ? RemoteStatus::Paused
                          : RemoteStatus::Playing;
    const int count = p.stores.path_list.count();
    if (count > 0) v.entry = std::clamp(pl.current_entry, 0, count - 1);
    v.path = open           ? p.media.current_path
             : v.entry >= 0 ? p.stores.path_list.text(v.entry)
                            : std::string();
    if (!v.path.empty()) {
        v.title = open && !p.media.tag_title.empty() ? p.media.tag_title : split_path(v.path).name;
        if (open) v.artist = p.media.tag_artist;
    }
    if (open) {
        v.length_us = int64_t(d.length_ms) * 1000;
        v.position_us = std::clamp<int64_t>(position_ms(p), 0, d.length_ms) * 1000;
    }
    const uint32_t volume = p.env.volume.get();
    v.volume = std::max(volume & 0xFFFFu, volume >> 16) / 65535.0;
    v.shuffle = p.settings.shuffle != 0;
    v.repeat = p.settings.repeat != 0;
    v.can_go_next = count > 0 && (v.repeat || v.entry < count - 1);
    v.can_go_previous = count > 0;
    v.can_play = count > 0 || open;
    return v;
}

void remote_play(Player& p) {
    const DeviceState& d = p.device;
    if (d.stopped) {
        if (p.stores.path_list.count() > 0) request(p, Command::Open);
        p.transport.selection_pending = 0;
    } else if (d.paused || d.speed_index != 0) {
        request(p, Command::Play);
    }
}

void remote_pause(Player& p) {
    if (p.device.stopped == 0 && p.device.paused == 0) request(p, Command::Pause);
}

void remote_play_pause(Player& p) {
    if (p.device.stopped == 0 && p.device.paused == 0 && p.device.speed_index == 0)
        remote_pause(p);
    else
        remote_play(p);
}

void remote_stop(Player& p) {
    if (p.device.stopped == 0) request(p, Command::Stop);
}

void remote_next(Player& p) {
    if (p.stores.path_list.count() > 0) request(p, Command::Next);
}

void remote_previous(Player& p) {
    if (p.stores.path_list.count() > 0) request(p, Command::Previous);
}

void remote_seek_to(Player& p, int64_t position_us) {
    if (!file_open(p)) return;
    const int64_t ms = std::clamp<int64_t>(position_us / 1000, 0, p.device.length_ms);
    p.transport.remote_seek_ms = static_cast<int>(ms);
}

void remote_seek_by(Player& p, int64_t offset_us) {
    const int64_t from =
        p.transport.remote_seek_ms >= 0 ? p.transport.remote_seek_ms : position_ms(p);
    remote_seek_to(p, from * 1000 + offset_us);
}

void remote_open(Player& p, const std::string& path) {
    if (path.empty() || path.front() != '/') return;
    scan_drop(p, {path});
}

void remote_set_shuffle(Player& p, bool on) {
    if ((p.settings.shuffle != 0) == on) return;
    p.settings.shuffle = on ? 1 : 0;
    if (on) build_shuffle_order(p);
}

void remote_set_repeat(Player& p, bool on) {
    p.settings.repeat = on ? 1 : 0;
}

void remote_set_volume(Player& p, double volume) {
    if (!std::isfinite(volume)) return;
    const auto v = static_cast<uint32_t>(std::lround(std::clamp(volume, 0.0, 1.0) * 0xFFFF));
    const uint32_t both = v * 65537u;
    p.env.volume.set(both);
    p.input.volume_knob = volume_knob_for(both);
}

void apply_remote_seek(Player& p) {
    TransportState& t = p.transport;
    if (t.remote_seek_ms < 0) return;
    const int64_t ms = t.remote_seek_ms;
    t.remote_seek_ms = -1;
    DeviceState& d = p.device;
    if (!file_open(p)) return;
    const int64_t target =
        d.prefer_milliseconds || d.length_ms <= 0 ? ms : ms * d.length_frames / d.length_ms;
    d.position = static_cast<int>(target);
    const std::string to = std::to_string(target);
    // As the seek knob: a paused file stays paused, a playing one plays on.
    p.send(d.paused ? "seek movie to " + to : "play movie from " + to);
}

}  // namespace rq
