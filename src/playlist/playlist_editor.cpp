#include "playlist/playlist_editor.h"

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/player.h"
#include "platform/path_util.h"
#include "playlist/folder_scan.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"

namespace rq {

namespace {

// The edits need both lists; should they ever disagree in length, an edit
// would pair rows with the wrong entries, so it does nothing instead.
bool editable(Player& p) {
    return p.playlist.editor_open == 1 && p.editor.row_list.count() == p.stores.path_list.count();
}

// Sort keys compare byte by byte with ASCII capitals folded to small
// letters, so "_" sorts before letters.
std::string sort_key(const std::string& path, int sort_mode) {
    // Modes 2 and 3 take the name with its extension: the last component.
    const size_t slash = sort_mode >= 2 ? path.rfind('/') : std::string::npos;
    return ascii_lower(slash == std::string::npos ? path : path.substr(slash + 1));
}

std::string reason_text() {
    return errno != 0 ? file_error_text(errno) : "unknown error";
}

// Both lists replaced at once: rows[i] is the row of paths[i].
void replace_lists(Player& p, std::vector<std::string> paths, std::vector<std::string> rows) {
    p.stores.path_list.assign(std::move(paths));
    p.editor.row_list.assign(std::move(rows));
    p.playlist.editor_entry_count = p.stores.path_list.count();
}

std::vector<std::string> texts_of(const ListStore& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out.push_back(list.text(i));
    return out;
}

// Entries `upper` and `upper` + 1 change places in both lists, each row
// renumbered for its new place; `upper_selected` says which of the two
// rows ends selected. The marked index follows its entry.
void swap_neighbours(Player& p, int upper, bool upper_selected) {
    ListStore& rows = p.editor.row_list;
    const int lower = upper + 1;
    int& marked = p.playlist.marked_entry;
    if (marked == upper)
        marked = lower;
    else if (marked == lower)
        marked = upper;
    p.stores.path_list.swap_rows(upper, lower);
    rows.swap_rows(upper, lower);
    rows.set_text(upper, renumber_row(rows.text(upper), upper));
    rows.set_text(lower, renumber_row(rows.text(lower), lower));
    rows.set_selected(upper, upper_selected);
    rows.set_selected(lower, !upper_selected);
}

bool overlap(const Rect& a, const Rect& b) {
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.x + b.w && b.x < a.x + a.w &&
           a.y < b.y + b.h && b.y < a.y + a.h;
}

}  // namespace

int editor_query(Player& p, int kind) {
    switch (kind) {
        case 0:
            return p.editor.editor_request;
        case 1:
            return p.editor.requested_entry;
        case 2:
            return p.playlist.marked_entry;
        case 3:
            return p.playlist.editor_entry_count;
        case 100: {
            const int moved = p.editor.editor_moved == 1 ? 1 : 0;
            p.editor.editor_moved = 0;
            return moved;
        }
        default:
            return kind;
    }
}

void editor_clear(Player& p, int kind) {
    if (kind == 0) p.editor.editor_request = 0;
    if (kind == 1) p.editor.requested_entry = 0;
}

void editor_new(Player& p) {
    if (p.playlist.editor_open != 1) return;
    p.stores.path_list.clear();
    p.editor.folder_queue.clear();
    p.editor.row_list.clear();
    p.playlist.editor_entry_count = 0;
}

void editor_load(Player& p) {
    if (p.playlist.editor_open != 1) return;
    const std::string last = p.stores.last_list_file.text();
    p.editor.shown_path = last;
    enter_path_folder(p.env.cwd, last);
    std::optional<std::string> chosen =
        p.env.dialogs.open_file(kListFileFilter, kListFileExtension);
    if (!chosen) return;
    const std::string path = p.env.cwd.resolve(*chosen);

    // Read aside first: a file that cannot be read leaves the list as it was.
    ListStore paths, rows;
    if (is_list_file_extension(extension_of(path))) {
        errno = 0;
        if (read_list_file(path, paths, &rows) < 0) {
            p.env.dialogs.message(std::string(kListReadFailed) + "\n" + path + "\n" +
                                  reason_text());
            return;
        }
    }
    p.editor.folder_queue.clear();
    p.stores.last_list_file.set_text(path);
    replace_lists(p, texts_of(paths), texts_of(rows));
}

void editor_save(Player& p) {
    if (p.playlist.editor_open != 1) return;
    enter_path_folder(p.env.cwd, p.stores.last_list_file.text());
    std::optional<std::string> chosen =
        p.env.dialogs.save_file(kListFileFilter, kListFileExtension);
    if (!chosen) return;
    std::string path = p.env.cwd.resolve(*chosen);
    if (split_path(path).extension.empty()) path += std::string(".") + kListFileExtension;
    errno = 0;
    if (!write_list_file(path, p.stores.path_list)) {
        p.env.dialogs.message(std::string(kListWriteFailed) + "\n" + path + "\n" + reason_text());
        return;
    }
    p.stores.last_list_file.set_text(path);
}

void editor_sort(Player& p) {
    if (!editable(p)) return;
    EditorState& ed = p.editor;
    ListStore& paths = p.stores.path_list;
    ListStore& rows = ed.row_list;
    const int mode = ed.sort_mode;
    ed.sort_mode = mode >= 3 || mode < 0 ? 0 : mode + 1;

    const bool only_selected = rows.selected_count() >= 2;
    std::vector<int> places;  // the positions taking part, ascending
    for (int i = 0; i < rows.count(); ++i)
        if (!only_selected || rows.selected(i)) places.push_back(i);

    std::vector<std::string> keys;
    keys.reserve(places.size());
    for (int at : places)
        keys.push_back(sort_key(paths.text(at), mode));
    // order[k]: the index into `places` of the entry that goes to places[k].
    std::vector<size_t> order(places.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const bool descending = mode == 1 || mode == 3;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });

    // A moved row keeps its marker and name and takes its new number.
    int& marked = p.playlist.marked_entry;
    int new_marked = marked;
    if (!only_selected) {
        // The whole list in one go; a row that took another entry is no
        // longer selected.
        const size_t n = places.size();
        std::vector<std::string> new_paths(n), new_rows(n);
        std::vector<char> still_selected(n);
        for (size_t k = 0; k < n; ++k) {
            const int from = static_cast<int>(order[k]);
            const int to = static_cast<int>(k);
            new_paths[k] = paths.text(from);
            new_rows[k] = from == to ? rows.text(to) : renumber_row(rows.text(from), to);
            still_selected[k] = from == to && rows.selected(to);
            if (from == marked) new_marked = to;
        }
        paths.assign(std::move(new_paths));
        rows.assign(std::move(new_rows));
        for (size_t k = 0; k < n; ++k)
            if (still_selected[k]) rows.set_selected(static_cast<int>(k), true);
        marked = new_marked;
        return;
    }
    std::vector<std::string> moved_paths(places.size()), moved_rows(places.size());
    for (size_t k = 0; k < places.size(); ++k) {
        moved_paths[k] = paths.text(places[order[k]]);
        moved_rows[k] = rows.text(places[order[k]]);
    }
    // The selected rows stay selected where they are.
    for (size_t k = 0; k < places.size(); ++k) {
        const int to = places[k];
        const int from = places[order[k]];
        if (from == to) continue;
        if (from == marked) new_marked = to;
        paths.set_text(to, std::move(moved_paths[k]));
        rows.set_text(to, renumber_row(moved_rows[k], to));
    }
    marked = new_marked;
}

void editor_delete(Player& p) {
    if (!editable(p)) return;
    ListStore& paths = p.stores.path_list;
    ListStore& rows = p.editor.row_list;
    const int n = rows.count();
    const int first = std::max(0, rows.first_selected());
    if (rows.selected_count() > 0) {
        std::vector<std::string> kept_paths, kept_rows;
        kept_paths.reserve(static_cast<size_t>(n));
        kept_rows.reserve(static_cast<size_t>(n));
        int& marked = p.playlist.marked_entry;
        int removed_before_marked = 0;
        for (int i = 0; i < n; ++i) {
            if (rows.selected(i)) {
                if (i < marked) ++removed_before_marked;
                continue;
            }
            const int at = static_cast<int>(kept_rows.size());
            kept_paths.push_back(paths.text(i));
            kept_rows.push_back(at >= first ? renumber_row(rows.text(i), at) : rows.text(i));
        }
        // The marked index follows its row, so the entry that carries the
        // marker stays the current entry. When that row itself went, the
        // index names the row that took its place.
        marked -= removed_before_marked;
        replace_lists(p, std::move(kept_paths), std::move(kept_rows));
    }
    const int count = rows.count();
    if (first == count)
        rows.set_selected(first - 1, true);
    else if (count > 0)
        rows.set_selected(first, true);
    int& marked = p.playlist.marked_entry;
    if (marked >= count) marked = std::max(0, count - 1);
    p.playlist.editor_entry_count = count;
}

void editor_up(Player& p) {
    if (!editable(p)) return;
    ListStore& rows = p.editor.row_list;
    // A row reached here was never moved: the rows that moved up went to
    // positions already passed, and the rows they passed are unselected.
    for (int i = 0; i < rows.count(); ++i) {
        if (!rows.selected(i)) continue;
        if (i == 0) return;
        swap_neighbours(p, i - 1, true);
    }
}

void editor_down(Player& p) {
    if (!editable(p)) return;
    ListStore& rows = p.editor.row_list;
    const int last = rows.count() - 1;
    for (int i = last; i >= 0; --i) {
        if (!rows.selected(i)) continue;
        if (i == last) return;
        swap_neighbours(p, i, false);
    }
}

void editor_random(Player& p) {
    if (!editable(p)) return;
    const int n = p.stores.path_list.count();
    std::vector<std::string> paths = texts_of(p.stores.path_list);
    std::vector<std::string> rows = texts_of(p.editor.row_list);
    int& marked = p.playlist.marked_entry;
    // Every step may swap with any position of the whole list, as the
    // shuffle order is built. Rows carry their marker along.
    for (int i = 0; i < n; ++i) {
        const int r = random_below(p.editor.random, n);
        std::swap(paths[static_cast<size_t>(i)], paths[static_cast<size_t>(r)]);
        std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(r)]);
        if (marked == i)
            marked = r;
        else if (marked == r)
            marked = i;
    }
    for (int i = 0; i < n; ++i)
        rows[static_cast<size_t>(i)] = renumber_row(rows[static_cast<size_t>(i)], i);
    replace_lists(p, std::move(paths), std::move(rows));
}

void editor_play_selected(Player& p) {
    if (!editable(p)) return;
    ListStore& rows = p.editor.row_list;
    const int i = rows.first_selected();
    if (i < 0) return;
    p.editor.editor_request = 1;
    p.editor.requested_entry = i;
    int& marked = p.playlist.marked_entry;
    // The marker comes back on the new row once the entry has been opened.
    if (marked >= 0 && marked < rows.count()) {
        std::string row = rows.text(marked);
        row[0] = ' ';
        rows.set_text(marked, std::move(row));
    }
    marked = i;
}

void editor_show_folder(Player& p) {
    if (!editable(p)) return;
    const int i = p.editor.row_list.first_selected();
    if (i < 0) return;
    p.editor.shown_path = folder_of(p.stores.path_list.text(i));
    enter_path_folder(p.env.cwd, p.editor.shown_path);
}

void editor_close_request(Player& p) {
    if (p.playlist.editor_open != 1) return;
    close_editor(p);
    p.host().focus_scroll_bar();
}

void editor_resized(Player& p, Size client) {
    p.editor.editor_client_size = client;
    p.editor.editor_request = 10;
}

void editor_window_moved(Player& p) {
    p.editor.editor_moved = 1;
}

Rect editor_open_rect(const Rect& saved, const Rect& face, const Rect& video, Size desktop) {
    const auto fresh = Settings{}.editor_rect;
    if (saved.x != fresh.x || saved.y != fresh.y || !overlap(saved, face)) return saved;
    const Point beside[] = {{face.x, face.y + face.h},
                            {face.x + face.w, face.y},
                            {face.x - saved.w, face.y},
                            {face.x, face.y - saved.h}};
    for (const Point at : beside) {
        const Rect r{at.x, at.y, saved.w, saved.h};
        const bool whole = r.x >= 0 && r.y >= 0 && r.x + r.w <= desktop.w && r.y + r.h <= desktop.h;
        if (whole && !overlap(r, video)) return r;
    }
    return saved;
}

EditorLayout editor_control_rects(Size client) {
    const int cx = client.w;
    const int cy = client.h;
    const int list_w = std::max(cx - 65, 45);
    const int buttons_x = list_w + 10;
    EditorLayout at{};
    auto set = [&](EditorControl c, Rect r) { at[static_cast<size_t>(c)] = r; };
    set(EditorControl::List, {5, 16, list_w, std::max(cy - 45, 207)});
    set(EditorControl::PathBox, {5, std::max(cy - 22, 230), std::max(cx - 10, 100), 20});
    const std::pair<EditorControl, int> buttons[] = {
        {EditorControl::New, 20},   {EditorControl::Load, 45},    {EditorControl::Save, 65},
        {EditorControl::Sort, 90},  {EditorControl::Delete, 115}, {EditorControl::Up, 140},
        {EditorControl::Down, 160}, {EditorControl::Random, 190},
    };
    for (const auto& [control, y] : buttons)
        set(control, {buttons_x, y, 50, 20});
    set(EditorControl::Back, {buttons_x, std::max(cy - 65, 200) + 10, 50, 20});
    return at;
}

}  // namespace rq
