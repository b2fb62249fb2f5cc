#include "platform/engine_factory.h"

#include <cstdlib>
#include <string_view>

#include "mpv/mpv_engine.h"
#include "platform/sim_engine.h"

namespace rq {

std::unique_ptr<PlaybackEngine> make_engine(FrameSink* sink) {
    const char* engine = std::getenv("RQ810Z_ENGINE");
    if (engine && std::string_view(engine) == "sim") return std::make_unique<SimEngine>();
    const char* audio = std::getenv("RQ810Z_AUDIO");
    // The command log is for diagnosis; so is the decoder each file gets.
    const char* log = std::getenv("RQ810Z_MCI_LOG");
    return std::make_unique<MpvEngine>(sink, audio && std::string_view(audio) == "null",
                                       log && *log);
}

}  // namespace rq
