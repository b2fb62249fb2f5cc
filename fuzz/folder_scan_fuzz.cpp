// A dropped folder whose tree the input describes: files, folders, links
// back up the tree or sideways, pipes, and names of any bytes. The walk
// ends, takes only media files that are there, each once, and without
// links exactly the media files made.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/list_store.h"
#include "playlist/folder_scan.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using rq::fuzz::check;

constexpr int kMaxItems = 12;
constexpr int kMaxDepth = 4;

struct Tree {
    std::set<std::string> media;  // regular files with a media extension
    bool links = false;
    std::vector<std::string> made;  // in the order made; folders end in "/"

    // Removes what was made, last first, as cheaply as the file system
    // allows; the whole root when something else is there.
    void clear(const std::string& root) {
        for (auto it = made.rbegin(); it != made.rend(); ++it) {
            const bool folder = it->back() == '/';
            if ((folder ? rmdir(it->c_str()) : unlink(it->c_str())) != 0) {
                std::error_code ec;
                fs::remove_all(root, ec);
                fs::create_directory(root, ec);
                break;
            }
        }
        made.clear();
    }
};

// Records: a kind byte, then a name up to a NUL byte. Names keep every
// byte a file name may hold; "/" becomes "_".
void build(Tree& t, const std::string& root, std::string_view in) {
    t.media.clear();
    t.links = false;
    std::vector<std::string> folders{root};
    int made = 0;
    while (!in.empty() && made < kMaxItems) {
        const int kind = static_cast<unsigned char>(in[0]) % 7;
        in.remove_prefix(1);
        const size_t end = std::min(in.find('\0'), in.size());
        std::string name(in.substr(0, std::min<size_t>(end, 200)));
        in.remove_prefix(std::min(end + 1, in.size()));
        for (char& c : name)
            if (c == '/') c = '_';
        if (name.empty() || name == "." || name == "..") name += "x";

        const std::string here = folders.back();
        const std::string path = here + name;
        if (kind == 2) {  // back up one level
            if (folders.size() > 1) folders.pop_back();
            continue;
        }
        // A name taken already is refused by the call that would make it
        // again.
        switch (kind) {
            case 0:
            case 6: {
                const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                if (fd < 0) continue;
                close(fd);
                if (rq::is_media_extension(rq::extension_of(name))) t.media.insert(path);
                break;
            }
            case 1:
                if (folders.size() > kMaxDepth || mkdir(path.c_str(), 0755) != 0) continue;
                folders.push_back(path + "/");
                t.made.push_back(folders.back());
                ++made;
                continue;
            case 3:  // a link to the folder above (to itself at the top)
                if (symlink(folders.size() > 1 ? ".." : ".", path.c_str()) != 0) continue;
                t.links = true;
                break;
            case 4:  // a link to the outermost folder entered, or to nothing
                if (symlink(folders.size() > 1 ? folders[1].c_str() : "gone", path.c_str()) != 0)
                    continue;
                t.links = true;
                break;
            case 5:
                if (mkfifo(path.c_str(), 0644) != 0) continue;
                break;
        }
        t.made.push_back(path);
        ++made;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static rq::test::TempDir dir;
    static const std::string root = [] {
        fs::create_directory(dir / "drop/");
        return dir / "drop/";
    }();
    static Tree tree;
    tree.clear(root);
    build(tree, root, rq::fuzz::bytes(data, size));

    rq::ListStore queue;
    std::vector<std::string> taken;
    rq::scan_dropped_item(root, queue, [&](std::string path) { taken.push_back(std::move(path)); });
    check(queue.empty(), "the walk empties its queue");
    const std::set<std::string> unique(taken.begin(), taken.end());
    check(unique.size() == taken.size(), "no file taken twice");
    for (const std::string& path : taken) {
        struct stat st {};
        check(path.compare(0, root.size(), root) == 0, "inside the dropped folder");
        check(rq::is_media_extension(rq::extension_of(path)), "a media extension");
        check(stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode), "a file that is there");
    }
    if (!tree.links) check(unique == tree.media, "without links, exactly the media files made");
    return 0;
}
