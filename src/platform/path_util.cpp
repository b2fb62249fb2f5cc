#include "platform/path_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace rq {

std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ascii_lower(c);
    return out;
}

bool equal_nocase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_lower(x) == ascii_lower(y);
           });
}

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

bool write_all(int fd, std::string_view bytes, const SaveCalls& calls) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t w = calls.write(fd, p, left);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            // No progress and no reason: the disk took nothing more.
            if (w == 0) errno = ENOSPC;
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

// EINVAL for what is neither a regular file nor a folder.
int not_a_file_reason(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

}  // namespace

bool write_file_atomic(const std::string& path, std::string_view bytes, const SaveCalls& calls) {
    const std::string target = link_target(path);
    if (target.empty()) {
        errno = ELOOP;
        return false;
    }
    struct stat old {};
    const bool replacing = stat(target.c_str(), &old) == 0;
    // A rename would put a file in place of a device or a FIFO.
    if (replacing && !S_ISREG(old.st_mode)) {
        errno = not_a_file_reason(old.st_mode);
        return false;
    }
    std::string tmp = target + ".tmpXXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // The first failure is the one reported; later steps may set errno
    // for reasons of their own.
    int reason = 0;
    auto step = [&reason](bool done) {
        if (!done && reason == 0) reason = errno != 0 ? errno : EIO;
        return reason == 0;
    };
    // The new file takes the old one's owner and mode; a new file is an
    // ordinary user file (mkostemp makes 0600).
    if (replacing) {
        // Only root may give a file away; anyone else keeps their own.
        if (old.st_uid != geteuid() || old.st_gid != getegid()) {
            const int given = fchown(fd, old.st_uid, old.st_gid);
            (void)given;
        }
        step(fchmod(fd, old.st_mode & 07777) == 0);
    } else {
        step(fchmod(fd, 0644) == 0);
    }
    // The bytes reach the disk before the name does: a crash after the
    // rename finds the new content, never an empty or short file. A quota
    // or a network file system may report a failed write only at fsync or
    // close.
    if (reason == 0 && step(write_all(fd, bytes, calls))) step(calls.fsync(fd) == 0);
    // The descriptor is gone whatever close answers: never closed twice.
    step(calls.close(fd) == 0);
    if (reason == 0) step(calls.rename(name.data(), target.c_str()) == 0);
    if (reason != 0) {
        unlink(name.data());
        errno = reason;
        return false;
    }
    sync_folder(folder_of(target));
    return true;
}

bool read_file(const std::string& path, std::string& out, size_t limit) {
    out.clear();
    // Opening a FIFO blocks until a writer comes, and opening a device may
    // act on it: neither is opened. O_NONBLOCK and the second look catch a
    // name that changed in between.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    if (!S_ISREG(st.st_mode)) {
        errno = not_a_file_reason(st.st_mode);
        return false;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool looked = fstat(fd, &st) == 0;
    if (!looked || !S_ISREG(st.st_mode)) {
        const int reason = looked ? not_a_file_reason(st.st_mode) : errno;
        close(fd);
        errno = reason;
        return false;
    }
    out.reserve(std::min(limit, static_cast<size_t>(std::max<off_t>(st.st_size, 0))));
    char buf[65536];
    bool ok = true;
    while (out.size() < limit) {
        const size_t want = std::min(sizeof buf, limit - out.size());
        const ssize_t got = read(fd, buf, want);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        out.append(buf, static_cast<size_t>(got));
    }
    const int reason = errno;
    close(fd);
    if (!ok) errno = reason;
    return ok;
}

void let_saves_fail_past_size_limit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string file_error_text(int err) {
    return err == EINVAL ? "not a regular file" : std::strerror(err);
}

}  // namespace rq
