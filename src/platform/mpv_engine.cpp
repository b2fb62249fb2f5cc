// Placeholder until the libmpv engine lands: opens nothing.
#include "platform/mpv_engine.h"

namespace rq {

struct MpvEngine::Impl {};

MpvEngine::MpvEngine(FrameSink*, bool) : impl_(std::make_unique<Impl>()) {}
MpvEngine::~MpvEngine() = default;
bool MpvEngine::open(const std::string&) {
    return false;
}
void MpvEngine::close() {}
bool MpvEngine::is_open() const {
    return false;
}
void MpvEngine::play() {}
void MpvEngine::pause() {}
void MpvEngine::stop() {}
void MpvEngine::seek(int64_t, TimeUnit) {}
int64_t MpvEngine::position(TimeUnit) const {
    return 0;
}
int64_t MpvEngine::length(TimeUnit) const {
    return 0;
}
EngineMode MpvEngine::mode() const {
    return EngineMode::Stopped;
}
std::optional<Rect> MpvEngine::native_size() const {
    return std::nullopt;
}
void MpvEngine::set_target(int, bool) {}
void MpvEngine::set_destination(const Rect&) {}
void MpvEngine::set_volume(double, double) {}

}  // namespace rq
