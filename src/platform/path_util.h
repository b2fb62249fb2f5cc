#pragma once
// POSIX stand-ins for the path splitter and directory changes the player
// was written against: root "/", separator "/".

#include <string>
#include <string_view>

namespace rq {

struct PathParts {
    std::string folder;     // everything up to and including the last "/" ("" if none)
    std::string name;       // last component without its extension
    std::string extension;  // from the last dot of the last component on, dot included
};

PathParts split_path(std::string_view path);

// The folder of a file path with its trailing "/" ("" when there is none).
std::string folder_of(std::string_view path);

// The folder of the running executable with a trailing "/".
std::string executable_folder(std::string_view argv0);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`, so a crash or a power cut leaves the old
// content or the new, never a torn or empty file. A symbolic link is
// written through (the link stays, its target gets the bytes) and the
// replaced file's mode and owner are kept. False on failure (the old file
// is then untouched, errno says why).
bool write_file_atomic(const std::string& path, std::string_view bytes);

// Reads a whole file; false (errno saying why) when it cannot be opened or
// read. At most `limit` bytes are read.
bool read_file(const std::string& path, std::string& out,
               size_t limit = static_cast<size_t>(1) << 30);

}  // namespace rq
