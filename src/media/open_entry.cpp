#include "media/open_entry.h"

#include <sys/stat.h>

#include <string>

#include "app/player_window.h"
#include "media/device_ops.h"
#include "platform/path_util.h"

namespace rq {

namespace {

// "where movie destination": up to four blank-separated integers.
void read_destination(PlayerWindow& pw) {
    std::string reply = pw.query("where movie destination");
    if (reply.empty()) return;
    int v[4] = {0, 0, 0, 0};
    size_t pos = 0;
    for (int k = 0; k < 4 && pos <= reply.size(); ++k) {
        size_t blank = reply.find(' ', pos);
        size_t end = blank == std::string::npos ? reply.size() : blank;
        v[k] = parse_int(std::string_view(reply).substr(pos, end - pos));
        if (blank == std::string::npos) break;
        pos = blank + 1;
    }
    pw.media.dest_origin = {v[0], v[1]};
    pw.media.native_size = {v[2], v[3]};
}

}  // namespace

void open_current_entry(PlayerWindow& pw) {
    DeviceState& d = pw.device;
    PlaylistState& pl = pw.playlist;
    pw.marks.index_changed = 0;
    pw.transport.ab_state = 0;
    pw.media.audio_info_valid = 0;
    pw.tick.busy = 1;
    d.speed_index = 0;

    pl.entry_count = pw.stores.path_list.count();
    if (pl.entry_count == 0) {
        stop_playback(pw);
        pw.tick.busy = 0;
        if (pw.tick.window_active) pw.host.focus_scroll_bar();
        return;
    }
    if (pl.current_entry >= pl.entry_count) pl.current_entry = pl.entry_count - 1;
    if (pl.current_entry < 0) pl.current_entry = 0;
    const std::string path = pw.stores.path_list.text(pl.current_entry);
    pw.media.current_path = path;

    PathParts parts = split_path(path);
    pw.stores.lowercase_box.set_text(parts.extension);
    pw.media.current_extension = pw.stores.lowercase_box.text();
    pw.settings.current_folder = parts.folder;
    const std::string file_text = parts.name + parts.extension;

    pw.send("stop movie");
    pw.send("window movie handle default");
    pw.send("close movie");
    const std::string open_command = "open \"" + file_text + "\" type mpegvideo alias movie";

    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        pw.media.current_file_size = st.st_size;

    // The open names the file by its bare name, so it resolves in its folder.
    enter_prefixes(parts.folder);

    pw.send(open_command);
    pw.send("stop movie");

    read_destination(pw);

    set_time_format(pw, 0);
    d.length_frames = query_number(pw, "status movie length");
    set_time_format(pw, 1);
    d.length_ms = query_number(pw, "status movie length");
    d.prefer_milliseconds = set_time_format(pw, d.prefer_milliseconds);

    pl.entry_count = pw.stores.path_list.count();
    if (pl.entry_count == 0) {
        pw.transport.pending_command = Command::Stop;
    } else {
        d.stopped = 0;
        d.paused = 0;
        if (!pw.tick.fullscreen) pw.send("play movie");
    }
    d.position = 0;
    pw.media.title_scroll = -141;
    pw.tick.busy = 0;
    if (pw.tick.window_active) pw.host.focus_scroll_bar();
}

}  // namespace rq
