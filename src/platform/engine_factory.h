#pragma once
// Chooses the playback engine: RQ810Z_ENGINE=sim|mpv (default mpv),
// RQ810Z_AUDIO=null for no sound device. Declared here so that the program
// reaches libmpv's room only through its library: it is defined there
// (rq_mpv), beside the engine it makes.

#include <memory>

#include "platform/playback_engine.h"

namespace rq {

class FrameSink;

std::unique_ptr<PlaybackEngine> make_engine(FrameSink* sink);

}  // namespace rq
