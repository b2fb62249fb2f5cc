#pragma once
// Walking a dropped file or folder for media files: breadth-first, each
// folder's files before its subfolders, names in case-insensitive order.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace rq {

class ListStore;

// The extensions a scanned file must have, tested in this order.
inline constexpr std::array<std::string_view, 11> media_extensions{
    ".mpg", ".avi", ".mov", ".mp3", ".rmp", ".dat", ".asf", ".wav", ".mpeg", ".ra", ".wma"};

// True when `extension` (dot included) is a media extension, any case.
bool is_media_extension(std::string_view extension);
// True for ".m3u" and ".rql", any case.
bool is_list_file_extension(std::string_view extension);

// The extension of a path's last component, from its last dot on ("" for
// none), as a view into `path`.
std::string_view extension_of(std::string_view path);

// Walks one dropped item and calls `accept` with the full path of every
// media file, in walk order: the folder's own files first, then its
// subfolders level by level, through `folder_queue` (emptied as it goes).
// A folder reached a second time within the walk (a link back to an
// ancestor, two links to one folder) is not listed again, so the walk ends.
// When the item yields no file or folder at all (a plain file, an empty
// folder) and its own extension is a media one, the item itself is taken.
// A folder that cannot be listed contributes nothing.
void scan_dropped_item(const std::string& item, ListStore& folder_queue,
                       const std::function<void(std::string)>& accept);

}  // namespace rq
