#pragma once
// The index file (".idx": marks with their texts) and the text file
// (".txt": timed lines) that may accompany a media file.

namespace rq {

class Player;

// The marks of the current file, from its index file.
void load_index(Player& p);
// The timed text of the current file, from its text file.
void load_timed_text(Player& p);

}  // namespace rq
