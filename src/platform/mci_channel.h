#pragma once
// The command-string channel to the playback device: one device under the
// alias "movie". It understands exactly the command strings the player
// sends and nothing else; the return code is 0 on success and nonzero on
// failure, and a failed query leaves the reply buffer untouched.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "platform/playback_engine.h"
#include "platform/working_directory.h"

namespace rq {

class MciChannel {
  public:
    // A bare file name opens against `cwd`. `log_path` empty: no log.
    // Otherwise every command and its reply are appended to that file, one
    // line each.
    MciChannel(PlaybackEngine& engine, WorkingDirectory& cwd, std::string log_path = {});
    ~MciChannel();
    MciChannel(const MciChannel&) = delete;
    MciChannel& operator=(const MciChannel&) = delete;

    int send(std::string_view command, char* reply, size_t reply_size);

    // Convenience for callers that read replies: a zeroed 256-byte buffer.
    std::string query(std::string_view command);

    PlaybackEngine& engine() { return engine_; }

  private:
    int dispatch(std::string_view cmd, std::string& answer, bool& has_answer);
    void log(std::string_view command, int rc, std::string_view reply);

    PlaybackEngine& engine_;
    WorkingDirectory& cwd_;
    std::FILE* log_ = nullptr;
    TimeUnit unit_ = TimeUnit::Milliseconds;
    std::optional<Rect> destination_;  // set by "put"; cleared by open
};

// Leading optional sign and decimal digits, as the player converts replies;
// no digits gives 0.
long parse_decimal(std::string_view text);
// The same, held at the limits of an int.
int parse_int(std::string_view text);

}  // namespace rq
