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
    struct Reply {
        std::string text;
        bool given = false;  // a query that succeeded answers, even with ""
    };
    struct Args {
        std::string_view rest;  // the words after the alias
        bool bare;              // nothing after the alias
    };
    struct Verb {
        std::string_view word;
        int (MciChannel::*run)(Args, Reply&);
    };
    static const Verb kVerbs[];

    int dispatch(std::string_view cmd, Reply& reply);
    int open(std::string_view cmd);
    int close(Args a, Reply&);
    int stop(Args a, Reply&);
    int pause(Args a, Reply&);
    int play(Args a, Reply&);
    int seek(Args a, Reply&);
    int status(Args a, Reply& reply);
    int set_format(Args a, Reply&);
    int window(Args a, Reply&);
    int where(Args a, Reply& reply);
    int put(Args a, Reply&);
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
