#include "playlist/folder_scan.h"
#include "platform/path_util.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>
#include <vector>

#include "platform/list_store.h"

namespace fs = std::filesystem;

namespace rq {

namespace {

// Case-insensitive name order; names that differ only in case (possible
// here, unlike on the file systems users know the order from) keep a fixed
// order by their bytes.
bool name_before(const std::string& a, const std::string& b) {
    if (ListStore::less_nocase(a, b)) return true;
    if (ListStore::less_nocase(b, a)) return false;
    return a < b;
}

struct FileItem {
    std::string name;
    bool playable;  // a regular file, or a link to one (not a pipe or a device)
};

struct Listing {
    std::vector<FileItem> files;       // everything that is not a folder
    std::vector<std::string> folders;  // subfolders, links to folders included
};

// One listing of `folder`, names sorted. Stops quietly at the first error.
Listing list_folder(const std::string& folder) {
    Listing out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code type_ec;
        // Follows links, so a link to a folder is walked like a folder.
        std::string name = it->path().filename().native();
        if (it->is_directory(type_ec))
            out.folders.push_back(std::move(name));
        else
            out.files.push_back({std::move(name), it->is_regular_file(type_ec)});
    }
    std::sort(out.files.begin(), out.files.end(),
              [](const FileItem& a, const FileItem& b) { return name_before(a.name, b.name); });
    std::sort(out.folders.begin(), out.folders.end(), name_before);
    return out;
}

std::string join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace

bool is_media_extension(std::string_view extension) {
    return std::any_of(media_extensions.begin(), media_extensions.end(),
                       [&](std::string_view m) { return equal_nocase(m, extension); });
}

bool is_list_file_extension(std::string_view extension) {
    return equal_nocase(extension, ".m3u") || equal_nocase(extension, ".rql");
}

std::string_view extension_of(std::string_view path) {
    size_t slash = path.rfind('/');
    std::string_view last = path.substr(slash == std::string_view::npos ? 0 : slash + 1);
    size_t dot = last.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : last.substr(dot);
}

void scan_dropped_item(const std::string& item, ListStore& folder_queue,
                       const std::function<void(std::string)>& accept) {
    long found = 0;
    std::set<std::pair<dev_t, ino_t>> visited;
    std::string folder = item;
    bool first = true;
    while (first || !folder_queue.empty()) {
        if (!first) {
            folder = folder_queue.text(0);
            folder_queue.delete_at(0);
        }
        first = false;
        struct stat st {};
        if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
        if (!visited.insert({st.st_dev, st.st_ino}).second) continue;

        Listing listing = list_folder(folder);
        for (const FileItem& file : listing.files) {
            ++found;
            if (file.playable && is_media_extension(extension_of(file.name)))
                accept(join(folder, file.name));
        }
        for (const std::string& name : listing.folders) {
            ++found;
            folder_queue.insert_at(folder_queue.count(), join(folder, name));
        }
    }
    if (found == 0 && is_media_extension(extension_of(item))) accept(item);
}

}  // namespace rq
