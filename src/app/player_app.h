#pragma once
// The process: builds the engine, the channel and the main window, runs it
// until it ends, and makes a signal or a logout end it the orderly way.

#include <string>
#include <vector>

namespace rq {

class PlayerApp {
  public:
    // argv[0] is the program; the rest form the playlist entry.
    int run(int argc, char** argv);
};

}  // namespace rq
