#pragma once
// How the process's allocator treats the large blocks that video playback
// takes and frees by the megabyte.

namespace rq {

// Call first in main, before any thread starts.
void keep_large_blocks_out_of_arenas();

}  // namespace rq
