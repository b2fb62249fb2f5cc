#include "playlist/list_file.h"

#include <filesystem>

#include "core/player.h"
#include "platform/list_store.h"
#include "platform/path_util.h"
#include "playlist/playlist_model.h"

namespace rq {

namespace {

// Calls take(line) for every line of `data` that names an absolute path.
template <typename Take>
void for_each_path_line(std::string_view data, Take&& take) {
    // Lists saved by editors elsewhere may start with a UTF-8 byte order mark.
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = data.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = data.size();
        std::string_view line = data.substr(pos, end - pos);
        // No path holds a NUL byte: the line ends there.
        line = line.substr(0, line.find('\0'));
        if (!line.empty() && line.front() == '/') take(line);
        pos = end;
        if (pos < data.size()) {
            if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n') ++pos;
            ++pos;
        }
    }
}

}  // namespace

int read_list_file(const std::string& path, ListStore& paths, ListStore* rows) {
    std::string data;
    if (!read_file(path, data)) return -1;
    return parse_list_file(data, paths, rows);
}

int parse_list_file(std::string_view data, ListStore& paths, ListStore* rows) {
    int count = 0;
    for_each_path_line(data, [&](std::string_view line) {
        if (rows) rows->insert_at(count, list_row(count, line, false));
        paths.insert_at(count, std::string(line));
        ++count;
    });
    return count;
}

std::string list_file_bytes(const ListStore& paths) {
    size_t size = 0;
    for (int i = 0; i < paths.count(); ++i)
        size += paths.text(i).size() + 2;
    std::string out;
    out.reserve(size);
    for (int i = 0; i < paths.count(); ++i) {
        out += paths.text(i);
        out += "\r\n";
    }
    return out;
}

bool write_list_file(const std::string& path, const ListStore& paths) {
    return write_file_atomic(path, list_file_bytes(paths));
}

bool enter_path_folder(WorkingDirectory& cwd, std::string_view path) {
    if (path.empty() || path.front() != '/') return false;
    return enter_prefixes(cwd, path) > 0;
}

void read_default_playlist(Player& p) {
    const std::string path = p.default_playlist_path();
    if (read_list_file(path, p.stores.path_list) < 0) {
        // Only a missing list is created: one that exists but cannot be
        // read must not be replaced by an empty one.
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !ec) write_file_atomic(path, "");
    }
    p.playlist.entry_count = p.stores.path_list.count();
}

}  // namespace rq
