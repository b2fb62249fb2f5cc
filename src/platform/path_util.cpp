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

bool write_file_atomic(const std::string& path, std::string_view bytes) {
    std::string tmp = path + ".tmpXXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) return false;
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        ssize_t w = write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    if (ok && fsync(fd) != 0) ok = false;
    // mkstemp creates 0600; a settings or list file is an ordinary user file.
    if (ok && fchmod(fd, 0644) != 0) ok = false;
    if (close(fd) != 0) ok = false;
    if (ok && std::rename(name.data(), path.c_str()) != 0) ok = false;
    if (!ok) {
        // The caller reports why the write failed, not why the clean-up did.
        const int reason = errno;
        unlink(name.data());
        errno = reason;
    }
    return ok;
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
