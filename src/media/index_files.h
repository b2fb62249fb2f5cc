#pragma once
// The index file (".idx": marks with their texts) and the text file
// (".txt": timed lines) that may accompany a media file.

#include <optional>
#include <string>
#include <string_view>

namespace rq {

class Player;
struct Stores;

// The marks of the current file, from its index file.
void load_index(Player& p);
// The timed text of the current file, from its text file.
void load_timed_text(Player& p);

// What the loads do once the file is read, on its bytes (no file when
// `file` is empty).
void load_index_bytes(Player& p, std::optional<std::string_view> file);
void load_timed_text_bytes(Player& p, std::optional<std::string_view> file);
// The index file that holds the stores' free lines and marks.
std::string index_file_bytes(const Stores& s);

// Writes the marks back to the index file when they changed (the STOP
// button).
void save_index(Player& p);

// Renders timed-text line `index_segment` into the text canvas's
// timed-text strip, for the face's display field.
void render_timed_text_line(Player& p);

}  // namespace rq
