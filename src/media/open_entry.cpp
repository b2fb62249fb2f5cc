#include "media/open_entry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "core/player.h"
#include "media/device_ops.h"
#include "media/index_files.h"
#include "media/media_info.h"
#include "panels/panel_values.h"
#include "platform/path_util.h"
#include "platform/text_decode.h"
#include "playlist/playlist_model.h"
#include "skin/text_canvas.h"
#include "video/layout.h"

namespace rq {

namespace {

// Reads `n` bytes at `offset` (fewer at the end of the file).
std::string read_at(int fd, off_t offset, size_t n) {
    std::string bytes(n, '\0');
    size_t got = 0;
    while (got < n) {
        ssize_t r = pread(fd, bytes.data() + got, n - got, offset + static_cast<off_t>(got));
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    bytes.resize(got);
    return bytes;
}

// The file's size, tag and audio header, read without the device. Only a
// regular file is read: a FIFO or a device would block or never end.
std::optional<Id3Tag> read_file_info(Player& p, const std::string& path) {
    MediaState& m = p.media;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<Id3Tag> tag;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        m.current_file_size = st.st_size;
        if (st.st_size >= static_cast<off_t>(kTagSize))
            tag = parse_id3v1(read_at(fd, st.st_size - static_cast<off_t>(kTagSize), kTagSize));
        if (m.current_extension == ".mp3" || m.current_extension == ".rmp") {
            m.audio_info_valid = 1;
            if (auto info = find_mpeg_audio_header(read_at(fd, 0, kHeaderScanSize))) {
                const int rate = info->bitrate_kbps;
                m.bitrate_digits = {rate / 100 % 10, rate / 10 % 10, rate % 10};
                m.sample_rate_digits = {info->sample_khz / 10 % 10, info->sample_khz % 10};
            }
        }
    }
    ::close(fd);
    return tag;
}

// "where movie destination": up to four blank-separated integers; an empty
// reply (no picture) leaves origin and size as they were.
void read_destination(Player& p) {
    std::string reply = p.query("where movie destination");
    if (reply.empty()) return;
    int v[4] = {0, 0, 0, 0};
    size_t pos = 0;
    for (int k = 0; k < 4; ++k) {
        size_t blank = reply.find(' ', pos);
        size_t end = blank == std::string::npos ? reply.size() : blank;
        v[k] = parse_int(std::string_view(reply).substr(pos, end - pos));
        if (blank == std::string::npos) break;
        pos = blank + 1;
    }
    p.media.dest_origin = {v[0], v[1]};
    p.media.native_size = {v[2], v[3]};
}

// The file's lines on the text canvas: name and length, then title and
// artist (or the name line again) twice, the second smaller.
void render_title_lines(Player& p, const std::string& file_text, const std::optional<Id3Tag>& tag) {
    SkinSurface& canvas = p.skin.text_canvas;
    for (const CanvasStrip& s : {kFileStrip, kTitleStrip, kTitleFieldStrip})
        clear_canvas_strip(canvas, s.top);
    const std::string file_line = file_line_text(to_utf8(file_text), p.device.length_ms / 1000);
    p.media.file_line_width = render_canvas_strip(canvas, p.env.text, kFileStrip, file_line);
    p.media.tag_title = tag ? to_utf8(tag->title) : std::string();
    p.media.tag_artist = tag ? to_utf8(tag->artist) : std::string();
    const std::string title_line =
        tag ? title_line_text(p.media.tag_title, p.media.tag_artist) : file_line;
    p.media.title_line_width = render_canvas_strip(canvas, p.env.text, kTitleStrip, title_line);
    p.media.title_field_width =
        render_canvas_strip(canvas, p.env.text, kTitleFieldStrip, title_line);
    p.media.title_scroll_started = 0;
    p.media.title_scroll = -141;
}

// The main window back on top (or not) after the device took the picture.
void restore_always_on_top(Player& p) {
    const Point pos = p.settings.main_window_pos;
    WindowPlacement place{
        pos.x, pos.y, p.main_window_width(), kMainWindowHeight, ZOrder::NotTopMost, true, false};
    const int by = p.geometry.minimised_by;
    if (p.settings.always_on_top == 1 && by == 0) {
        p.host().place(place);
        place.z = ZOrder::TopMost;
        p.host().place(place);
    } else if (by >= 2) {
        place.z = ZOrder::TopMost;
        p.host().place(place);
        if (p.settings.always_on_top == 0) {
            place.z = ZOrder::NotTopMost;
            p.host().place(place);
        }
    }
}

// What the bare name found outside the entry's folder (gone away since
// the list was made) is another file: it is closed again.
bool open_in_folder(Player& p, const std::string& open_command, bool in_folder) {
    if (p.env.mci.send(open_command, nullptr, 0) != 0) return false;
    if (in_folder) return true;
    p.send("close movie");
    return false;
}

// Opens the file and hands the device its picture target: the full-screen
// input window, or the video window (the main window to the bottom when
// the video size is the desktop's).
bool open_on_device(Player& p, const std::string& open_command, bool in_folder) {
    ChildWindows& w = p.windows();
    const bool opened = open_in_folder(p, open_command, in_folder);
    p.send("stop movie");
    if (p.tick.fullscreen) {
        p.send("window movie handle default");
        send_target(p, w.full_screen_input.handle());
    } else if (p.settings.video_size_mode <= 5) {
        send_target(p, w.video_window.handle());
    } else {
        p.send("window movie handle default state minimized");
        send_target(p, w.video_window.handle());
        const Point pos = p.settings.main_window_pos;
        p.host().place(
            {pos.x, pos.y, p.main_window_width(), kMainWindowHeight, ZOrder::Bottom, true, false});
    }
    return opened;
}

// Where the device put the picture (moved to its full-screen place), and
// the length in both units.
void read_placement_and_length(Player& p) {
    DeviceState& d = p.device;
    read_destination(p);
    if (p.tick.fullscreen) {
        Rect dest = full_screen_destination(p.media.native_size, p.geometry.screen_size,
                                            p.settings.fullscreen_fit_mode);
        dest.y += 20;
        send_destination(p, dest);
    }

    set_time_format(p, 0);
    d.length_frames = p.query_number("status movie length");
    set_time_format(p, 1);
    d.length_ms = p.query_number("status movie length");
    d.prefer_milliseconds = set_time_format(p, d.prefer_milliseconds);
}

// Plays what opened; a whole pass of entries that failed stops instead of
// cycling on.
OpenResult start_or_pass(Player& p, bool opened) {
    DeviceState& d = p.device;
    PlaylistState& pl = p.playlist;
    OpenResult result = opened ? OpenResult::Opened : OpenResult::NotOpened;
    if (pl.entry_count == 0) {
        p.transport.pending_command = Command::Stop;
    } else {
        d.stopped = 0;
        d.paused = 0;
        if (!p.tick.fullscreen) p.send("play movie");
    }
    if (opened) {
        pl.failed_opens = 0;
    } else if (++pl.failed_opens >= pl.entry_count) {
        // Every entry of a whole pass failed: stop instead of cycling on.
        pl.failed_opens = 0;
        stop_playback(p);
    }
    return result;
}

void finish(Player& p) {
    if (p.tick.window_active) p.host().focus_scroll_bar();
    p.tick.busy = 0;
}

}  // namespace

OpenResult open_current_entry(Player& p) {
    DeviceState& d = p.device;
    PlaylistState& pl = p.playlist;
    p.marks.index_changed = 0;
    p.transport.ab_state = AbState::Off;
    p.media.audio_info_valid = 0;
    p.tick.busy = 1;
    d.speed_index = 0;

    pl.entry_count = p.stores.path_list.count();
    if (pl.entry_count == 0) {
        stop_playback(p);
        finish(p);
        return OpenResult::EmptyList;
    }
    if (pl.current_entry >= pl.entry_count) pl.current_entry = pl.entry_count - 1;
    if (pl.current_entry < 0) pl.current_entry = 0;
    const std::string path = p.stores.path_list.text(pl.current_entry);
    p.media.current_path = path;

    const PathParts parts = split_path(path);
    p.media.current_extension = ascii_lower(parts.extension);
    p.settings.current_folder = parts.folder;
    const std::string file_text = parts.name + parts.extension;

    if (p.tick.fullscreen) read_panel_values(p);

    p.send("stop movie");
    p.send("window movie handle default");
    p.send("close movie");
    const std::string open_command = "open \"" + file_text + "\" type mpegvideo alias movie";

    const std::optional<Id3Tag> tag = read_file_info(p, path);

    // The open names the file by its bare name, so it resolves in its folder.
    const bool in_folder = enter_folder(p.env.cwd, parts.folder);

    const bool opened = open_on_device(p, open_command, in_folder);

    read_placement_and_length(p);

    pl.entry_count = p.stores.path_list.count();
    load_index(p);
    load_timed_text(p);
    layout(p);

    const OpenResult result = start_or_pass(p, opened);
    d.position = 0;

    render_title_lines(p, file_text, tag);
    restore_always_on_top(p);

    p.tick.busy = 0;
    if (pl.editor_open) mark_current_entry(p, 0, pl.current_entry);
    finish(p);
    return result;
}

}  // namespace rq
