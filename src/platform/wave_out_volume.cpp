#include "platform/wave_out_volume.h"

#include <cstdlib>
#include <string>

#include "platform/path_util.h"
#include "platform/playback_engine.h"

namespace rq {

WaveOutVolume::WaveOutVolume(PlaybackEngine* engine, std::string store_path)
    : engine_(engine), store_path_(std::move(store_path)) {
    std::string text;
    if (!store_path_.empty() && read_file(store_path_, text, 64)) {
        char* end = nullptr;
        unsigned long v = std::strtoul(text.c_str(), &end, 10);
        if (end != text.c_str() && v <= 0xFFFFFFFFul) value_ = static_cast<uint32_t>(v);
    }
    apply();
}

WaveOutVolume::~WaveOutVolume() {
    if (dirty_ && !store_path_.empty())
        write_file_atomic(store_path_, std::to_string(value_) + "\n");
}

void WaveOutVolume::set(uint32_t value) {
    dirty_ = dirty_ || value != value_;
    value_ = value;
    apply();
}

void WaveOutVolume::apply() const {
    if (!engine_) return;
    engine_->set_volume((value_ & 0xFFFFu) / 65535.0, (value_ >> 16) / 65535.0);
}

std::string WaveOutVolume::default_store_path() {
    std::string dir;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x == '/')
        dir = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        dir = std::string(h) + "/.config";
    else
        return {};
    return dir + "/rq810z-wave-out-volume";
}

}  // namespace rq
