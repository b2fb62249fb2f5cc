#include "media/drops.h"

#include "core/player.h"
#include "media/device_ops.h"
#include "media/open_entry.h"
#include "platform/file_dialogs.h"
#include "playlist/folder_scan.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"

namespace rq {

namespace {

// A playlist file is read as one; any other path becomes the only entry.
void fill_from_single_path(Player& p, const std::string& path) {
    if (is_list_file_extension(extension_of(path)))
        read_list_file(path, p.stores.path_list);
    else
        p.stores.path_list.add_sorted(path);
}

}  // namespace

void scan_drop(Player& p, const std::vector<std::string>& paths) {
    PlaylistState& pl = p.playlist;
    if (pl.editor_open || p.tick.busy == 1) return;
    p.tick.busy = 1;
    p.transport.selection_pending = 0;
    pl.current_entry = 0;
    p.device.paused = 0;
    stop_playback(p);

    ListStore& list = p.stores.path_list;
    list.clear();
    p.stores.folder_queue.clear();
    // Collected and sorted once: the same order as one sorted add per file.
    std::vector<std::string> found;
    for (const std::string& item : paths)
        scan_dropped_item(item, p.stores.folder_queue,
                          [&](std::string full) { found.push_back(std::move(full)); });
    list.add_sorted_all(std::move(found));
    pl.entry_count = list.count();

    if (pl.entry_count == 0 && !paths.empty()) {
        fill_from_single_path(p, paths.back());
        pl.entry_count = list.count();
    }

    pl.current_entry = 0;
    p.send("close movie");
    p.tick.busy = 0;
    p.device.position = 0;
    build_shuffle_order(p);
    open_current_entry(p);
    p.host().focus_scroll_bar();
}

void append_drop(Player& p, const std::vector<std::string>& paths) {
    // The rows exist only while the editor does; without them the two lists
    // would fall out of step.
    if (!p.playlist.editor_open) return;
    EditorState& ed = p.editor;
    ListStore& list = p.stores.path_list;
    ed.folder_queue.clear();
    for (const std::string& item : paths)
        scan_dropped_item(item, ed.folder_queue, [&](std::string full) {
            const int at = list.count();
            ed.row_list.insert_at(at, list_row(at, full, false));
            list.insert_at(at, std::move(full));
        });
    p.playlist.editor_entry_count = list.count();
}

void open_file_or_toggle_editor(Player& p, int mode) {
    PlaylistState& pl = p.playlist;
    if (mode == 1 || pl.editor_open) {
        if (pl.editor_open)
            close_editor(p);
        else
            show_editor(p);
        return;
    }
    std::optional<std::string> chosen = p.env.dialogs.open_file(kAnyFileFilter, "rql");
    if (!chosen) return;

    p.tick.busy = 1;
    p.send("close movie");
    p.device.stopped = 0;
    p.input.seek_knob = 0;
    p.stores.path_list.clear();
    p.stores.folder_queue.clear();
    fill_from_single_path(p, *chosen);
    pl.entry_count = p.stores.path_list.count();
    pl.current_entry = 0;
    open_current_entry(p);
    p.tick.busy = 0;
}

}  // namespace rq
