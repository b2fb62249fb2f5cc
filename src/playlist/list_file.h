#pragma once
// Playlist files (".rql" and ".m3u" alike): one absolute path per line,
// written with CR LF. Reading takes every line that starts with "/" and
// skips the rest (comments, "#EXTINF" lines, relative paths, empty lines).

#include <string>
#include <string_view>

namespace rq {

class ListStore;
class WorkingDirectory;
class Player;

// Inserts every absolute-path line of the file, in file order, at positions
// 0, 1, 2, ... of `paths` and, when `rows` is given, the editor row for it
// at the same position of `rows`. A line ends at CR LF, a bare LF or a bare
// CR; nothing is cut, whatever its length. Returns the number of lines
// taken, or -1 when the file cannot be read (the lists are then untouched).
int read_list_file(const std::string& path, ListStore& paths, ListStore* rows = nullptr);
// The same for the bytes of a list file already read; returns the number
// of lines taken.
int parse_list_file(std::string_view data, ListStore& paths, ListStore* rows = nullptr);

// Writes every entry followed by CR LF through a temporary file renamed
// over `path`, so a crash leaves the old list whole. False on failure.
bool write_list_file(const std::string& path, const ListStore& paths);
// The bytes write_list_file writes.
std::string list_file_bytes(const ListStore& paths);

// Makes the deepest existing folder along `path` the working directory: a
// file path leaves it in the file's folder. A path that does not start with
// "/" changes nothing. Returns false when not even the root was entered.
bool enter_path_folder(WorkingDirectory& cwd, std::string_view path);

// The default playlist "RQ01.rql" of the program folder read into path_list
// (entry_count recounted); created empty when it does not exist.
void read_default_playlist(Player& p);

}  // namespace rq
