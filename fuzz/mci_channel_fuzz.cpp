// Command strings through the channel, one per line, against the simulated
// engine, each with a reply buffer of the size the first byte names (0 to
// 255: none, cut answers, and more than any answer needs). A failed command
// leaves the buffer alone; an answer always ends inside it; numbers reach
// the device as written or not at all.

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/mci_channel.h"
#include "platform/sim_engine.h"
#include "platform/working_directory.h"

namespace {

using rq::fuzz::check;

// The decimal number `s` names, when it is one and fits an int; any
// number of leading zeros.
bool int_of(std::string_view s, int& out) {
    const bool neg = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.remove_prefix(1);
    if (s.empty()) return false;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > 1LL << 32) return false;
    }
    if (neg) v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    for (size_t at = 0; at <= s.size();) {
        const size_t blank = std::min(s.find(' ', at), s.size());
        out.push_back(s.substr(at, blank - at));
        at = blank + 1;
    }
    return out;
}

bool starts_with(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t reply_size = data[0];
    std::string_view script = rq::fuzz::bytes(data + 1, size - 1);

    rq::SimEngine engine;
    engine.add_media("/clip.avi", {4000, 25.0, rq::Rect{0, 0, 320, 240}});
    engine.add_media("/tone.wav", {3000, 0, std::nullopt});
    engine.add_media("/long.mpg", {7200000, 29.97, rq::Rect{0, 0, 720, 480}});
    rq::VirtualWorkingDirectory cwd("/");
    rq::MciChannel mci(engine, cwd);

    while (!script.empty()) {
        const size_t lf = script.find('\n');
        const std::string_view cmd = script.substr(0, lf);
        script.remove_prefix(lf == std::string_view::npos ? script.size() : lf + 1);

        // Exactly the size asked for, so a write past it is seen.
        std::unique_ptr<char[]> reply(new char[reply_size]);
        std::memset(reply.get(), 'Z', reply_size);
        const int rc = mci.send(cmd, reply.get(), reply_size);
        const bool untouched =
            std::all_of(reply.get(), reply.get() + reply_size, [](char c) { return c == 'Z'; });
        if (rc != 0) {
            check(untouched, "a failed command leaves the reply alone");
        } else if (!untouched) {
            check(std::memchr(reply.get(), '\0', reply_size) != nullptr, "an answer ends inside");
        }

        if (rc == 0) {
            const auto w = words(cmd);
            int v[4];
            if (starts_with(cmd, "put movie destination at ")) {
                check(w.size() == 8 && int_of(w[4], v[0]) && int_of(w[5], v[1]) &&
                          int_of(w[6], v[2]) && int_of(w[7], v[3]),
                      "a destination taken is four ints");
                if (engine.native_size())
                    check(engine.destination() == rq::Rect{v[0], v[1], v[2], v[3]},
                          "the device gets the destination as written");
            } else if (starts_with(cmd, "window movie handle ") && w.size() == 4) {
                check(int_of(w[3], v[0]) || w[3] == "default", "a handle taken is an int");
                if (w[3] != "default") check(engine.target() == v[0], "the device gets the handle");
            } else if (starts_with(cmd, "seek movie to ")) {
                check(w.size() == 4 && int_of(w[3], v[0]), "a seek taken is an int");
            }
        }
        engine.advance(40);
    }
    return 0;
}
