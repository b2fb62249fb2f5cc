#pragma once
// Files reaching the playlist from outside: drops on the main window
// (replace the playlist and play), drops on the editor (append), and the
// FILE button (a file dialog, or the editor shown or closed).

#include <string>
#include <vector>

namespace rq {

class Player;

// The main window's drop: the media files of the dropped items in sorted
// order replace the playlist, and the first entry (or, with shuffle on, the
// first of the new shuffle order) is opened. A dropped playlist file alone
// is read as one. Ignored while the editor is open or the player is busy.
void scan_drop(Player& p, const std::vector<std::string>& paths);

// The editor's drop: the media files of the dropped items, in walk order,
// appended to the playlist and the editor's rows. Nothing else changes.
void append_drop(Player& p, const std::vector<std::string>& paths);

// The FILE button: mode 0 (left release) asks for one file and plays it or
// the playlist file it names; mode 1 (right press), or either mode while the
// editor is open, shows or closes the editor.
void open_file_or_toggle_editor(Player& p, int mode);

// The filter of FILE's dialog: any file, a media file or a list file.
inline constexpr char kAnyFileFilter[] = "Filename|*.*||";

}  // namespace rq
