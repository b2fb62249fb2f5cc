#pragma once
// What a remote control (the desktop's media controls and media keys) sees
// of the player, and what it may ask. A request goes the way of the face's
// buttons and the keys: it sets the pending command, or the seek request,
// and the next main tick carries it out.

#include <cstdint>
#include <string>

namespace rq {

class Player;

enum class RemoteStatus {
    Stopped = 0,  // no file open
    Playing = 1,  // playing, searching included
    Paused = 2,
};

// A snapshot for the remote control; times in microseconds.
struct RemoteView {
    RemoteStatus status = RemoteStatus::Stopped;
    int entry = -1;         // the current entry, -1 with an empty playlist
    std::string path;       // its full path, "" when none
    std::string title;      // from the tag, else the file's name
    std::string artist;     // from the tag, else ""
    int64_t length_us = 0;  // 0 while stopped
    int64_t position_us = 0;
    double volume = 0;  // 0..1, the louder channel's amplitude
    bool shuffle = false;
    bool repeat = false;
    bool can_go_next = false;
    bool can_go_previous = false;
    bool can_play = false;  // an entry to play, or a file open

    bool operator==(const RemoteView&) const = default;
};

RemoteView remote_view(const Player& p);

// As PLAY: resumes, or opens and starts the current entry when stopped.
void remote_play(Player& p);
// As STILL while playing; nothing while stopped or paused.
void remote_pause(Player& p);
void remote_play_pause(Player& p);
void remote_stop(Player& p);
void remote_next(Player& p);
void remote_previous(Player& p);
// A seek to `position_us` (clamped to the file) for the next main tick;
// nothing while stopped. A later request replaces an earlier one.
void remote_seek_to(Player& p, int64_t position_us);
// The same, relative to the position last read.
void remote_seek_by(Player& p, int64_t offset_us);
// The file replaces the playlist and starts, as a file dropped on the face.
void remote_open(Player& p, const std::string& path);
// As a click on the SHUFFLE or REPEAT lamp when the state differs.
void remote_set_shuffle(Player& p, bool on);
void remote_set_repeat(Player& p, bool on);
// Both channels to `volume` (0..1), as the volume keys set them.
void remote_set_volume(Player& p, double volume);

// The tick's step: the seek a remote control asked for.
void apply_remote_seek(Player& p);

}  // namespace rq
