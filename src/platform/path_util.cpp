#include "platform/path_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace rq {

PathParts split_path(std::string_view path) {
    PathParts p;
    size_t slash = path.rfind('/');
    size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    p.folder = std::string(path.substr(0, start));
    std::string_view last = path.substr(start);
    size_t dot = last.rfind('.');
    if (dot == std::string_view::npos) {
        p.name = std::string(last);
    } else {
        p.name = std::string(last.substr(0, dot));
        p.extension = std::string(last.substr(dot));
    }
    return p;
}

std::string folder_of(std::string_view path) {
    return split_path(path).folder;
}

std::string executable_folder(std::string_view argv0) {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string path;
    if (n > 0) {
        path.assign(buf, static_cast<size_t>(n));
    } else {
        char* real = realpath(std::string(argv0).c_str(), nullptr);
        path = real ? real : std::string(argv0);
        std::free(real);
    }
    std::string folder = folder_of(path);
    return folder.empty() ? std::string("./") : folder;
}

namespace {

// The file a save replaces: `path`, or where its chain of symbolic links
// ends (a link the user made to a shared file must stay a link). Empty for
// a chain that never ends.
std::string link_target(const std::string& path) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::vector<char> buf(PATH_MAX);
        const ssize_t n = readlink(at.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<size_t>(n) >= buf.size()) return {};
        std::string next(buf.data(), static_cast<size_t>(n));
        at = next.front() == '/' ? next : folder_of(at) + next;
    }
    return {};
}

bool write_all(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t w = write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

// Makes a finished rename in `folder` survive a power cut. Some file
// systems cannot sync a folder; the file is in place all the same.
void sync_folder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool write_file_atomic(const std::string& path, std::string_view bytes) {
    const std::string target = link_target(path);
    if (target.empty()) {
        errno = ELOOP;
        return false;
    }
    std::string tmp = target + ".tmpXXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // The new file takes the old one's owner and mode; a new file is an
    // ordinary user file (mkostemp makes 0600).
    bool ok = true;
    struct stat old {};
    if (stat(target.c_str(), &old) == 0) {
        // Only root may give a file away; anyone else keeps their own.
        if (old.st_uid != geteuid() || old.st_gid != getegid()) {
            const int given = fchown(fd, old.st_uid, old.st_gid);
            (void)given;
        }
        ok = fchmod(fd, old.st_mode & 07777) == 0;
    } else {
        ok = fchmod(fd, 0644) == 0;
    }
    // The bytes reach the disk before the name does: a crash after the
    // rename finds the new content, never an empty or short file.
    ok = ok && write_all(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0) ok = false;
    if (ok && std::rename(name.data(), target.c_str()) != 0) ok = false;
    if (!ok) {
        // The caller reports why the write failed, not why the clean-up did.
        const int reason = errno;
        unlink(name.data());
        errno = reason;
        return false;
    }
    sync_folder(folder_of(target));
    return true;
}

bool read_file(const std::string& path, std::string& out, size_t limit) {
    out.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    bool ok = true;
    while (out.size() < limit) {
        size_t want = std::min(sizeof buf, limit - out.size());
        size_t got = std::fread(buf, 1, want, f);
        out.append(buf, got);
        if (got < want) {
            ok = !std::ferror(f);
            break;
        }
    }
    const int reason = errno;
    std::fclose(f);
    if (!ok) errno = reason;
    return ok;
}

}  // namespace rq
