#include "playlist/drops.h"

#include "app/player_window.h"
#include "media/device_ops.h"
#include "media/open_entry.h"
#include "playlist/file_dialogs.h"
#include "playlist/folder_scan.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"

namespace rq {

namespace {

// A playlist file is read as one; any other path becomes the only entry.
void fill_from_single_path(PlayerWindow& pw, const std::string& path) {
    if (is_list_file_extension(extension_of(path)))
        read_list_file(path, pw.stores.path_list);
    else
        pw.stores.path_list.add_sorted(path);
}

}  // namespace

void scan_drop(PlayerWindow& pw, const std::vector<std::string>& paths) {
    PlaylistState& pl = pw.playlist;
    if (pl.editor_open || pw.tick.busy == 1) return;
    pw.tick.busy = 1;
    pw.transport.selection_pending = 0;
    pl.current_entry = 0;
    pw.device.paused = 0;
    stop_playback(pw);

    ListStore& list = pw.stores.path_list;
    list.clear();
    pw.stores.folder_queue.clear();
    // Collected and sorted once: the same order as one sorted add per file.
    std::vector<std::string> found;
    for (const std::string& item : paths)
        scan_dropped_item(item, pw.stores.folder_queue,
                          [&](std::string full) { found.push_back(std::move(full)); });
    list.add_sorted_all(std::move(found));
    pl.entry_count = list.count();

    if (pl.entry_count == 0 && !paths.empty()) {
        fill_from_single_path(pw, paths.back());
        pl.entry_count = list.count();
    }

    pl.current_entry = 0;
    pw.send("close movie");
    pw.tick.busy = 0;
    pw.device.position = 0;
    build_shuffle_order(pw);
    open_current_entry(pw);
    pw.host.focus_scroll_bar();
}

void append_drop(PlayerWindow& pw, const std::vector<std::string>& paths) {
    // The rows exist only while the editor does; without them the two lists
    // would fall out of step.
    if (!pw.playlist.editor_open) return;
    PlaylistEditor& ed = *pw.playlist_editor;
    ListStore& list = pw.stores.path_list;
    ed.folder_queue.clear();
    for (const std::string& item : paths)
        scan_dropped_item(item, ed.folder_queue, [&](std::string full) {
            const int at = list.count();
            ed.row_list.insert_at(at, list_row(at, full, false));
            list.insert_at(at, std::move(full));
        });
    pw.playlist.editor_entry_count = list.count();
}

void open_file_or_toggle_editor(PlayerWindow& pw, int mode) {
    PlaylistState& pl = pw.playlist;
    if (mode == 1 || pl.editor_open) {
        if (pl.editor_open)
            close_editor(pw);
        else
            show_editor(pw);
        return;
    }
    std::optional<std::string> chosen =
        pw.file_dialogs ? pw.file_dialogs->open_file("Filename|*.*||", "rql") : std::nullopt;
    if (!chosen) return;

    pw.tick.busy = 1;
    pw.send("close movie");
    pw.device.stopped = 0;
    pw.input.seek_knob = 0;
    pw.stores.path_list.clear();
    pw.stores.folder_queue.clear();
    fill_from_single_path(pw, *chosen);
    pl.entry_count = pw.stores.path_list.count();
    pl.current_entry = 0;
    open_current_entry(pw);
    pw.tick.busy = 0;
}

}  // namespace rq
