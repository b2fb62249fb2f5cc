#include "playlist/list_file.h"

#include "platform/list_store.h"
#include "platform/path_util.h"

namespace rq {

int read_list_file(const std::string& path, ListStore& paths, ListStore* rows) {
    std::string data;
    if (!read_file(path, data)) return -1;
    (void)rows;
    int count = 0;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = data.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = data.size();
        std::string line = data.substr(pos, end - pos);
        if (!line.empty() && line.front() == '/') paths.insert_at(count++, std::move(line));
        pos = end;
        if (pos < data.size() && data[pos] == '\r') ++pos;
        if (pos < data.size() && data[pos] == '\n') ++pos;
    }
    return count;
}

bool write_list_file(const std::string& path, const ListStore& paths) {
    std::string out;
    for (int i = 0; i < paths.count(); ++i) {
        out += paths.text(i);
        out += "\r\n";
    }
    return write_file_atomic(path, out);
}

}  // namespace rq
