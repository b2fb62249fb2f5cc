// The timed-text file of the open clip (".txt"): tags "[mm:ss]", "[mm:ss:ms]",
// "[ms]" and their forms without brackets or ending in "=", several to a
// line. The table it builds stays ordered and in bounds wherever playback
// goes, and every line shows as valid UTF-8.

#include "fuzz_check.h"
#include "fuzz_player.h"
#include "media/index_files.h"
#include "platform/text_decode.h"
#include "skin/text_canvas.h"
#include "transport/tick_steps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    rq::fuzz::ClipPlayer& clip = rq::fuzz::clip_player();
    rq::Player& p = clip.pw;
    rq::load_timed_text_bytes(p, rq::fuzz::bytes(data, size));

    const rq::TimedTextState& ix = p.timed_text;
    const rq::ListStore& lines = p.stores.timed_text_lines;
    const int n = ix.index_time_count;
    check(ix.table_loaded() && ix.loaded == 1, "a file that is there is loaded");
    check(n == lines.count() && n >= 1 && n < rq::kIndexTimesSize, "a line per entry, in bounds");
    for (int k = 1; k < n; ++k)
        check(ix.index_times[size_t(k)] >= 1 &&
                  ix.index_times[size_t(k)] >= ix.index_times[size_t(k) - 1],
              "times ascend");
    check(ix.index_times[size_t(n)] == p.device.length_ms, "the end entry is the length");
    for (size_t k = size_t(n) + 1; k < ix.index_times.size(); ++k)
        check(ix.index_times[k] == -1, "nothing past the end entry");
    for (int k = 0; k < n; ++k)
        check(rq::is_valid_utf8(lines.text(k)), "lines are UTF-8");

    // Playback moves through the segments; each shows its line (the
    // text, not its pixels: the headless renderer draws nothing).
    const int at = size >= 2 ? (data[0] << 8 | data[1]) * 10 : 0;
    for (int ms : {0, at, p.device.length_ms / 2, p.device.length_ms, 1}) {
        clip.ask("seek movie to " + std::to_string(ms));
        rq::poll_position(p);
        check(ix.index_segment >= 0 && ix.index_segment <= n, "the segment is a line");
        check(rq::is_valid_utf8(rq::timed_text_line(lines.text(ix.index_segment))),
              "the shown line is UTF-8");
    }
    return 0;
}
