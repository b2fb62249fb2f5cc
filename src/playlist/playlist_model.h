#pragma once
// The playlist as the main window and the editor share it: numbered rows,
// the ">" marker on the entry that plays, the shuffle order, and the two
// lists kept in step while the editor is open.

#include <string>
#include <string_view>

namespace rq {

class Player;

// An editor row: " 0012 song.mp3", or ">0012 song.mp3" for the marked
// entry. The number is index + 1, at least four digits (more past 9999);
// the name is the path's last component.
std::string list_row(int index, std::string_view path, bool marked);

// The row with its number rewritten for `index`, marker and name kept. The
// whole number is replaced, however many digits the old one had.
std::string renumber_row(std::string_view row, int index);

// Moves the ">" marker of row_list to row `index`; does nothing when `skip`
// is not 0 or the playlist is empty. A rewritten row keeps its selection.
void mark_current_entry(Player& p, int skip, int index);

// A new shuffle order for entry_count entries; with shuffle on, the current
// entry becomes the first one of the order.
void build_shuffle_order(Player& p);

// Showing the editor: one unmarked row per entry, the entry that plays
// marked, editor_open = 1, and the window shown at its saved rectangle.
void show_editor(Player& p);

// The main window's side of closing the editor: the rows go, entry_count is
// recounted and current_entry kept within the list.
void close_editor(Player& p);

}  // namespace rq
