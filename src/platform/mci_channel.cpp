#include "platform/mci_channel.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

namespace rq {

namespace {

constexpr int kOk = 0;
constexpr int kUnrecognized = 261;  // not a command of the vocabulary
constexpr int kNotOpen = 263;       // no device under the alias
constexpr int kCannotOpen = 275;    // the file cannot be played
constexpr int kInUse = 289;         // the alias is taken already

bool starts_with(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

// Strict integer for command arguments: optional sign, digits, nothing
// else, and a value that fits an int (the device's arguments are ints: a
// larger number is malformed, not cut to its low bits).
std::optional<int> parse_arg(std::string_view s) {
    if (s.empty()) return std::nullopt;
    const bool neg = s[0] == '-';
    size_t i = (neg || s[0] == '+') ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (neg) v = -v;
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}

// Splits "a b c d" into exactly n integers.
template <size_t N>
std::optional<std::array<int, N>> parse_args(std::string_view s) {
    std::array<int, N> out{};
    for (size_t k = 0; k < N; ++k) {
        size_t blank = s.find(' ');
        std::string_view tok = k + 1 < N ? s.substr(0, blank) : s;
        if (k + 1 < N && blank == std::string_view::npos) return std::nullopt;
        auto v = parse_arg(tok);
        if (!v) return std::nullopt;
        out[k] = *v;
        if (k + 1 < N) s.remove_prefix(blank + 1);
    }
    return out;
}

const char* mode_word(EngineMode m) {
    switch (m) {
        case EngineMode::Playing:
            return "playing";
        case EngineMode::Paused:
            return "paused";
        case EngineMode::Stopped:
            return "stopped";
    }
    return "stopped";
}

}  // namespace

long parse_decimal(std::string_view text) {
    size_t i = 0;
    bool neg = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
    long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (v > 100000000000L) break;
        v = v * 10 + (text[i] - '0');
    }
    return neg ? -v : v;
}

int parse_int(std::string_view text) {
    return static_cast<int>(std::clamp<long>(parse_decimal(text), INT_MIN, INT_MAX));
}

MciChannel::MciChannel(PlaybackEngine& engine, WorkingDirectory& cwd, std::string log_path)
    : engine_(engine), cwd_(cwd) {
    if (!log_path.empty()) log_ = std::fopen(log_path.c_str(), "a");
}

MciChannel::~MciChannel() {
    if (log_) std::fclose(log_);
}

std::string MciChannel::query(std::string_view command) {
    char buf[256] = {};
    send(command, buf, sizeof buf);
    return std::string(buf);
}

int MciChannel::send(std::string_view command, char* reply, size_t reply_size) {
    Reply answer;
    int rc = dispatch(command, answer);
    if (rc == kOk && answer.given && reply && reply_size > 0) {
        size_t n = std::min(answer.text.size(), reply_size - 1);
        std::memcpy(reply, answer.text.data(), n);
        reply[n] = '\0';
    }
    log(command, rc, answer.given ? std::string_view(answer.text) : std::string_view());
    return rc;
}

// The verbs the device knows, each with the rest of its command after the
// alias. A verb not listed, or a known verb with words it does not take,
// is unrecognised before the device is asked whether anything is open.
const MciChannel::Verb MciChannel::kVerbs[] = {
    {"close", &MciChannel::close},    {"stop", &MciChannel::stop},
    {"pause", &MciChannel::pause},    {"play", &MciChannel::play},
    {"seek", &MciChannel::seek},      {"status", &MciChannel::status},
    {"set", &MciChannel::set_format}, {"window", &MciChannel::window},
    {"where", &MciChannel::where},    {"put", &MciChannel::put},
};

int MciChannel::dispatch(std::string_view cmd, Reply& reply) {
    if (starts_with(cmd, "open \"")) return open(cmd);

    constexpr std::string_view kAlias = "movie";
    // Every other command names the alias as its second word.
    size_t blank = cmd.find(' ');
    if (blank == std::string_view::npos) return kUnrecognized;
    std::string_view verb = cmd.substr(0, blank);
    std::string_view rest = cmd.substr(blank + 1);
    if (!starts_with(rest, kAlias)) return kUnrecognized;
    rest.remove_prefix(kAlias.size());
    const bool bare = rest.empty();
    if (!bare) {
        if (rest.front() != ' ') return kUnrecognized;
        rest.remove_prefix(1);
    }
    for (const Verb& v : kVerbs)
        if (v.word == verb) return (this->*v.run)(Args{rest, bare}, reply);
    return kUnrecognized;
}

int MciChannel::open(std::string_view cmd) {
    constexpr std::string_view kOpen = "open \"";
    constexpr std::string_view kOpenTail = "\" type mpegvideo alias movie";
    if (cmd.size() < kOpen.size() + kOpenTail.size() ||
        cmd.substr(cmd.size() - kOpenTail.size()) != kOpenTail)
        return kUnrecognized;
    std::string name(cmd.substr(kOpen.size(), cmd.size() - kOpen.size() - kOpenTail.size()));
    if (engine_.is_open()) return kInUse;
    // The device resolves a bare name against the current directory.
    name = cwd_.resolve(name);
    if (!engine_.open(name)) return kCannotOpen;
    unit_ = TimeUnit::Milliseconds;
    destination_.reset();
    return kOk;
}

int MciChannel::close(Args a, Reply&) {
    if (!a.bare) return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    engine_.close();
    destination_.reset();
    return kOk;
}

int MciChannel::stop(Args a, Reply&) {
    if (!a.bare) return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    engine_.stop();
    return kOk;
}

int MciChannel::pause(Args a, Reply&) {
    if (!a.bare) return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    engine_.pause();
    return kOk;
}

int MciChannel::play(Args a, Reply&) {
    if (!a.bare && !starts_with(a.rest, "from ")) return kUnrecognized;
    std::optional<int> from;
    if (!a.bare) {
        from = parse_arg(a.rest.substr(5));
        if (!from) return kUnrecognized;
    }
    if (!engine_.is_open()) return kNotOpen;
    if (from) engine_.seek(*from < 0 ? 0 : *from, unit_);
    engine_.play();
    return kOk;
}

int MciChannel::seek(Args a, Reply&) {
    if (!starts_with(a.rest, "to ")) return kUnrecognized;
    auto to = parse_arg(a.rest.substr(3));
    if (!to) return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    engine_.seek(*to < 0 ? 0 : *to, unit_);
    return kOk;
}

int MciChannel::status(Args a, Reply& reply) {
    const std::string_view item = a.rest;
    if (item != "position" && item != "length" && item != "mode" && item != "time format")
        return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    reply.given = true;
    if (item == "position")
        reply.text = std::to_string(engine_.position(unit_));
    else if (item == "length")
        reply.text = std::to_string(engine_.length(unit_));
    else if (item == "mode")
        reply.text = mode_word(engine_.mode());
    else
        reply.text = unit_ == TimeUnit::Milliseconds ? "milliseconds" : "frames";
    return kOk;
}

int MciChannel::set_format(Args a, Reply&) {
    if (a.rest != "time format frames" && a.rest != "time format milliseconds")
        return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    unit_ = a.rest == "time format frames" ? TimeUnit::Frames : TimeUnit::Milliseconds;
    return kOk;
}

int MciChannel::window(Args a, Reply&) {
    if (!starts_with(a.rest, "handle ")) return kUnrecognized;
    std::string_view target = a.rest.substr(7);
    int handle = kDefaultTarget;
    bool minimized = false;
    if (target == "default state minimized") {
        minimized = true;
    } else if (target != "default") {
        auto h = parse_arg(target);
        if (!h) return kUnrecognized;
        handle = *h;
    }
    if (!engine_.is_open()) return kNotOpen;
    engine_.set_target(handle, minimized);
    return kOk;
}

int MciChannel::where(Args a, Reply& reply) {
    if (a.rest != "destination") return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    reply.given = true;
    std::optional<Rect> r = destination_;
    if (!r) r = engine_.native_size();
    if (r)
        reply.text = std::to_string(r->x) + " " + std::to_string(r->y) + " " +
                     std::to_string(r->w) + " " + std::to_string(r->h);
    return kOk;
}

int MciChannel::put(Args a, Reply&) {
    if (!starts_with(a.rest, "destination at ")) return kUnrecognized;
    auto v = parse_args<4>(a.rest.substr(15));
    if (!v) return kUnrecognized;
    if (!engine_.is_open()) return kNotOpen;
    const Rect r{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
    // A file without a picture has no destination to move.
    if (!engine_.native_size()) return kOk;
    destination_ = r;
    engine_.set_destination(r);
    return kOk;
}

void MciChannel::log(std::string_view command, int rc, std::string_view reply) {
    if (!log_) return;
    std::fprintf(log_, "%.*s\t%d\t%.*s\n", static_cast<int>(command.size()), command.data(), rc,
                 static_cast<int>(reply.size()), reply.data());
    std::fflush(log_);
}

}  // namespace rq
