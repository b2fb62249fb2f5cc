#include "playlist/playlist_model.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "core/player.h"
#include "platform/path_util.h"
#include "playlist/playlist_editor.h"

namespace rq {

namespace {

std::string row_number(int index) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", index + 1);
    return digits;
}

// Replaces row i of the editor, keeping its selection.
void rewrite_row(ListStore& rows, int i, std::string text) {
    const bool was_selected = rows.selected(i);
    rows.delete_at(i);
    rows.insert_at(i, std::move(text));
    if (was_selected) rows.set_selected(i, true);
}

}  // namespace

std::string list_row(int index, std::string_view path, bool marked) {
    // The name with its extension: the whole last component.
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string row(1, marked ? '>' : ' ');
    row += row_number(index);
    row += ' ';
    row += name;
    return row;
}

std::string renumber_row(std::string_view row, int index) {
    if (row.empty()) return list_row(index, "", false);
    size_t end = row.find(' ', 1);
    if (end == std::string_view::npos) end = row.size();
    std::string out(row.substr(0, 1));
    out += row_number(index);
    out += row.substr(end);
    return out;
}

void mark_current_entry(Player& p, int skip, int index) {
    const ListStore& paths = p.stores.path_list;
    if (skip != 0 || paths.empty()) return;
    ListStore& rows = p.editor.row_list;
    int& marked = p.playlist.marked_entry;
    // A row that no longer exists (the list shrank) is left alone; so is an
    // index past the rows, which must not grow the list.
    if (marked >= 0 && marked < rows.count())
        rewrite_row(rows, marked, list_row(marked, paths.text(marked), false));
    if (index >= 0 && index < rows.count())
        rewrite_row(rows, index, list_row(index, paths.text(index), true));
    marked = index;
}

void build_shuffle_order(Player& p) {
    PlaylistState& pl = p.playlist;
    pl.shuffle_order.clear();
    if (pl.entry_count <= 0) return;
    pl.shuffle_count = pl.entry_count;
    pl.shuffle_position = pl.current_entry;
    const int n = pl.entry_count;
    pl.shuffle_order.resize(static_cast<size_t>(n));
    std::iota(pl.shuffle_order.begin(), pl.shuffle_order.end(), 0);
    // Every step may swap with any position of the whole table.
    for (int i = 0; i < n; ++i) {
        const int r = random_below(pl.random, n);
        std::swap(pl.shuffle_order[static_cast<size_t>(i)],
                  pl.shuffle_order[static_cast<size_t>(r)]);
    }
    if (p.settings.shuffle) pl.current_entry = pl.shuffle_order.front();
}

void show_editor(Player& p) {
    EditorState& ed = p.editor;
    const ListStore& paths = p.stores.path_list;
    std::vector<std::string> rows;
    rows.reserve(static_cast<size_t>(paths.count()));
    for (int i = 0; i < paths.count(); ++i)
        rows.push_back(list_row(i, paths.text(i), false));
    ed.row_list.assign(std::move(rows));
    p.playlist.editor_entry_count = paths.count();
    ed.random.seed(clock_seed());
    p.windows().editor.create();
    p.playlist.editor_open = 1;
    mark_current_entry(p, 0, p.playlist.current_entry);
    const auto& at = p.settings.editor_rect;
    const Rect saved{at.x, at.y, at.w, at.h};
    const Point face = p.settings.main_window_pos;
    const Rect open =
        editor_open_rect(saved, {face.x, face.y, p.main_window_width(), kMainWindowHeight},
                         p.windows().video_window.rect(), p.host().desktop_size());
    ed.beside_face.reset();
    if (open != saved) ed.beside_face = Point{open.x, open.y};
    p.windows().editor.place({open.x, open.y, open.w, open.h, ZOrder::NotTopMost, true, true});
}

void close_editor(Player& p) {
    EditorState& ed = p.editor;
    p.windows().editor.destroy();
    ed.row_list.clear();
    ed.folder_queue.clear();
    PlaylistState& pl = p.playlist;
    pl.editor_open = 0;
    pl.entry_count = p.stores.path_list.count();
    // An empty list still leaves a usable index of 0.
    if (pl.current_entry > pl.entry_count - 1) pl.current_entry = std::max(0, pl.entry_count - 1);
}

}  // namespace rq
