#pragma once
// The playlist editor's operations. Each edit changes path_list and the
// editor's row_list together, keeps marked_entry on the entry that carries
// the ">" marker and editor_entry_count on the number of rows. The window
// only calls these; the tick reads what they publish. Every operation does
// nothing while the editor is closed.

#include "platform/geometry.h"
#include "platform/popup_windows.h"

namespace rq {

class Player;

// The filter of the Load and Save dialogs and the extension a name typed
// without one gets.
inline constexpr char kListFileFilter[] = "Select List File|*.rql;*.m3u||";
inline constexpr char kListFileExtension[] = "rql";
// The first lines of the messages when a list file cannot be read or
// written; the path and the system's reason follow on lines of their own.
inline constexpr char kListReadFailed[] = "リストファイルを読み込めませんでした。";
inline constexpr char kListWriteFailed[] = "リストファイルを保存できませんでした。";

// The published numbers by kind: 0 editor_request, 1 requested_entry,
// 2 marked_entry, 3 editor_entry_count, 100 whether the window moved
// (clearing that); any other kind answers itself.
int editor_query(Player& p, int kind);
// Kind 0 clears editor_request, kind 1 requested_entry.
void editor_clear(Player& p, int kind);

// Empties the playlist; playback and the marked entry stay as they are.
void editor_new(Player& p);
// Asks for a list file (in the folder of the last one) and replaces the
// playlist with it. A file that cannot be read is reported and changes
// nothing; one of another extension leaves the playlist empty.
void editor_load(Player& p);
// Asks for a name (".rql" added when it has no extension) and writes the
// playlist there; a failed write is reported.
void editor_save(Player& p);
// Sorts every row, or only the selected ones among their own positions
// when two or more are selected, by sort_mode; then the next mode.
void editor_sort(Player& p);
// Removes the selected rows and selects the row now at the first of them.
void editor_delete(Player& p);
// Moves every selected row up (down) by one, still selected; nothing moves
// when the first (last) row is among them.
void editor_up(Player& p);
void editor_down(Player& p);
// Shuffles the whole list; no row stays selected.
void editor_random(Player& p);
// The double click: asks the tick to play the first selected row and takes
// the marker off the row that plays.
void editor_play_selected(Player& p);
// The selection changed: the first selected entry's folder is shown and
// becomes the working directory.
void editor_show_folder(Player& p);
// Back, Escape, Enter, a right click or the window's close: the main
// window closes the editor.
void editor_close_request(Player& p);

// Where the editor opens: at `saved`, unless that is still the default
// place and covers the face (its CONFIG, POWER and REPEAT buttons would
// take no click); then beside the face, below, right, left or above it,
// wherever the desktop holds it whole and it stays off the video window.
// With no such place, at `saved`.
Rect editor_open_rect(const Rect& saved, const Rect& face, const Rect& video, Size desktop);

// The window's own events.
void editor_resized(Player& p, Size client);
void editor_window_moved(Player& p);

// Where the controls stand in a client area of `client` pixels; below the
// smallest useful size the controls keep their smallest places.
EditorLayout editor_control_rects(Size client);
// The client size at which every control of editor_control_rects shows.
inline constexpr Size kEditorMinimumClient{110, 255};

}  // namespace rq
