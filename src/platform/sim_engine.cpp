#include "platform/sim_engine.h"

#include <algorithm>
#include <cmath>

namespace rq {

bool SimEngine::open(const std::string& path) {
    auto it = media_.find(path);
    if (it == media_.end()) return false;
    open_ = it->second;
    open_path_ = path;
    position_ms_ = 0;
    past_end_ms_ = 0;
    mode_ = EngineMode::Stopped;
    target_ = kDefaultTarget;
    target_minimized_ = false;
    if (open_->picture) destination_ = *open_->picture;
    return true;
}

void SimEngine::close() {
    open_.reset();
    open_path_.clear();
    position_ms_ = 0;
    mode_ = EngineMode::Stopped;
}

void SimEngine::advance(int64_t ms) {
    if (!open_ || mode_ != EngineMode::Playing || ms <= 0) return;
    position_ms_ += ms;
    if (position_ms_ >= open_->length_ms) {
        past_end_ms_ += position_ms_ - open_->length_ms;
        position_ms_ = open_->length_ms;
        if (past_end_ms_ >= open_->end_lag_ms) mode_ = EngineMode::Stopped;
    }
}

void SimEngine::play() {
    if (!open_) return;
    // At the end there is nothing left to play.
    if (position_ms_ >= open_->length_ms) {
        mode_ = EngineMode::Stopped;
        return;
    }
    mode_ = EngineMode::Playing;
}

void SimEngine::pause() {
    if (open_ && mode_ == EngineMode::Playing) mode_ = EngineMode::Paused;
}

void SimEngine::stop() {
    if (open_) mode_ = EngineMode::Stopped;
}

void SimEngine::seek(int64_t pos, TimeUnit unit) {
    if (!open_) return;
    int64_t ms = unit == TimeUnit::Frames ? ms_for(pos) : pos;
    position_ms_ = std::clamp<int64_t>(ms, 0, open_->length_ms);
    past_end_ms_ = 0;
    mode_ = position_ms_ >= open_->length_ms ? EngineMode::Stopped : EngineMode::Paused;
}

int64_t SimEngine::frames_for(int64_t ms) const {
    if (!open_ || open_->frame_rate <= 0) return ms;
    return static_cast<int64_t>(
        std::floor(static_cast<double>(ms) * open_->frame_rate / 1000.0 + 1e-9));
}

int64_t SimEngine::ms_for(int64_t frames) const {
    if (!open_ || open_->frame_rate <= 0) return frames;
    return static_cast<int64_t>(
        std::ceil(static_cast<double>(frames) * 1000.0 / open_->frame_rate - 1e-9));
}

int64_t SimEngine::position(TimeUnit unit) const {
    if (!open_) return 0;
    return unit == TimeUnit::Frames ? frames_for(position_ms_) : position_ms_;
}

int64_t SimEngine::length(TimeUnit unit) const {
    if (!open_) return 0;
    return unit == TimeUnit::Frames ? frames_for(open_->length_ms) : open_->length_ms;
}

EngineMode SimEngine::mode() const {
    return mode_;
}

std::optional<Rect> SimEngine::native_size() const {
    if (!open_ || !open_->picture) return std::nullopt;
    return open_->picture;
}

void SimEngine::set_target(int handle, bool minimized) {
    target_ = handle;
    target_minimized_ = minimized;
}

}  // namespace rq
