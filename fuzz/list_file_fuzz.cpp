// Playlist files (".rql", ".m3u") from anywhere: every line taken is one
// absolute path, the editor rows match, and a list written back reads as
// the same list.

#include <string>

#include "fuzz_check.h"
#include "platform/list_store.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    const std::string_view in = rq::fuzz::bytes(data, size);
    rq::ListStore paths, rows;
    const int n = rq::parse_list_file(in, paths, &rows);
    check(n == paths.count() && n == rows.count(), "one row per path");

    std::string written;
    for (int i = 0; i < n; ++i) {
        const std::string& path = paths.text(i);
        check(!path.empty() && path.front() == '/', "a path is absolute");
        check(path.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
              "a path holds no line end and no NUL");
        check(rows.text(i) == rq::list_row(i, path, false), "the row names its path");
        written += path + "\r\n";
    }
    check(written.size() <= in.size() + size_t(n) + 1, "nothing taken twice");

    // What write_list_file would write.
    rq::ListStore again;
    check(rq::parse_list_file(written, again) == n, "the written list has as many lines");
    for (int i = 0; i < n; ++i)
        check(again.text(i) == paths.text(i), "the written list reads back");
    return 0;
}
