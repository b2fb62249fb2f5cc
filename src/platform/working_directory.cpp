#include "platform/working_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace rq {

namespace {

// Folds "." and ".." and doubled "/" so the kept path stays canonical.
std::string normalize(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string_view::npos) next = path.size();
        std::string_view part = path.substr(pos, next - pos);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = next + 1;
    }
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

}  // namespace

std::string WorkingDirectory::resolve(std::string_view name) const {
    if (!name.empty() && name.front() == '/') return std::string(name);
    std::string dir = current();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir + std::string(name);
}

bool ProcessWorkingDirectory::change(const std::string& dir) {
    return chdir(dir.c_str()) == 0;
}

std::string ProcessWorkingDirectory::current() const {
    std::vector<char> buf(4096);
    while (!getcwd(buf.data(), buf.size())) {
        if (buf.size() > (1u << 20)) return "/";
        buf.resize(buf.size() * 2);
    }
    return buf.data();
}

bool VirtualWorkingDirectory::change(const std::string& dir) {
    std::string target = normalize(resolve(dir));
    struct stat st {};
    if (stat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // Entering needs search permission, as chdir does.
    if (access(target.c_str(), X_OK) != 0) return false;
    dir_ = std::move(target);
    return true;
}

int enter_prefixes(WorkingDirectory& cwd, std::string_view path) {
    if (!cwd.change("/")) return 0;
    int entered = 1;
    if (path.empty() || path.front() != '/') return entered;
    size_t pos = 1;
    while (pos < path.size()) {
        size_t next = path.find('/', pos);
        size_t end = next == std::string_view::npos ? path.size() : next;
        if (end > pos) {
            if (!cwd.change(std::string(path.substr(0, end)))) break;
            ++entered;
        }
        if (next == std::string_view::npos) break;
        pos = next + 1;
    }
    return entered;
}

bool enter_folder(WorkingDirectory& cwd, std::string_view folder) {
    int parts = 0;
    for (size_t pos = 0; pos < folder.size();) {
        size_t next = folder.find('/', pos);
        if (next == std::string_view::npos) next = folder.size();
        if (next > pos) ++parts;
        pos = next + 1;
    }
    return enter_prefixes(cwd, folder) == 1 + parts;
}

}  // namespace rq
