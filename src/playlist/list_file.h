#pragma once
// Playlist files (".rql" and ".m3u"): one absolute path per line, CR LF.

#include <string>

namespace rq {

class ListStore;

// Inserts every absolute-path line of the file, in file order, at positions
// 0, 1, 2, ... of `paths` (and, when `rows` is given, the editor row for
// it). Returns the number of lines taken; -1 when the file cannot be read.
int read_list_file(const std::string& path, ListStore& paths, ListStore* rows = nullptr);

// Writes every entry followed by CR LF, replacing the file atomically.
bool write_list_file(const std::string& path, const ListStore& paths);

}  // namespace rq
