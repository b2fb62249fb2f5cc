#pragma once
// POSIX stand-ins for the path splitter and directory changes the player
// was written against: root "/", separator "/".

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace rq {

struct PathParts {
    std::string folder;     // everything up to and including the last "/" ("" if none)
    std::string name;       // last component without its extension
    std::string extension;  // from the last dot of the last component on, dot included
};

PathParts split_path(std::string_view path);

// A..Z to a..z, other bytes as they are: names and extensions compare so,
// whatever their encoding.
constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string ascii_lower(std::string_view text);
bool equal_nocase(std::string_view a, std::string_view b);

// The folder of a file path with its trailing "/" ("" when there is none).
std::string folder_of(std::string_view path);

// The folder of the running executable with a trailing "/".
std::string executable_folder(std::string_view argv0);

// The system calls a save makes, each replaceable so that a test can fail
// it as a full disk, a quota or a failing device would.
struct SaveCalls {
    std::function<ssize_t(int fd, const void* bytes, size_t size)> write = ::write;
    std::function<int(int fd)> fsync = ::fsync;
    std::function<int(int fd)> close = ::close;
    std::function<int(const char* from, const char* to)> rename = std::rename;
};

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`, so a crash or a power cut leaves the old
// content or the new, never a torn or empty file. A symbolic link is
// written through (the link stays, its target gets the bytes) and the
// replaced file's mode and owner are kept. Only a regular file is
// replaced: a FIFO, a device (a link to /dev/null) or a folder is left as
// it is (EINVAL, EISDIR). False on failure: the old file is then
// untouched, no temporary file is left, and errno says why the first
// failing step failed.
bool write_file_atomic(const std::string& path, std::string_view bytes,
                       const SaveCalls& calls = {});

// Reads a whole regular file; false (errno saying why) when it cannot be
// opened or read. A FIFO, which would block for ever, or a device, which
// may never end, is refused without being opened or read (EINVAL), a
// folder too (EISDIR). At most `limit` bytes are read.
bool read_file(const std::string& path, std::string& out,
               size_t limit = static_cast<size_t>(1) << 30);

// A save past the file-size limit (ulimit -f) then fails with EFBIG and is
// reported, instead of the signal ending the process in the middle of it.
void let_saves_fail_past_size_limit();

// Why a file could not be read or saved, for a person: the system's text
// for `err`, "not a regular file" for what the two helpers above refuse.
std::string file_error_text(int err);

}  // namespace rq
