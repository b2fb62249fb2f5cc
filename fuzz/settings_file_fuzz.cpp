// "RQ01.CFG" from a damaged disk, and a damaged template "RQ01.sys": both
// read without harm, and what the player writes back reads as it was
// written.

#include <string>

#include "core/settings.h"
#include "fuzz_check.h"
#include "platform/path_util.h"

namespace {

const std::string& real_template() {
    static const std::string t = [] {
        std::string bytes;
        rq::read_file(std::string(RQ_SOURCE_DIR) + "/data/RQ01.sys", bytes);
        return bytes;
    }();
    return t;
}

std::string parse_and_render(std::string_view text, rq::Size desktop) {
    rq::Settings s;
    std::string last_list;
    rq::parse_settings(text, s, last_list, desktop);
    return rq::render_settings(real_template(), s, last_list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    const std::string_view in = rq::fuzz::bytes(data, size);
    check(!real_template().empty(), "the template is there");

    // The saved file is a fixed point: saving what was read and reading it
    // again changes nothing, so no value shifts into another slot. On a
    // desktop smaller than the default editor position, that default (kept
    // when the file has no editor slots) is itself reset by the next read:
    // one round more.
    const std::string saved = parse_and_render(in, {1920, 1080});
    check(parse_and_render(saved, {1920, 1080}) == saved, "a saved file reads back as saved");
    const std::string tiny = parse_and_render(parse_and_render(in, {8, 8}), {8, 8});
    check(parse_and_render(tiny, {8, 8}) == tiny, "a saved file reads back as saved, tiny desktop");

    // The input as the template: each "=" it holds, up to the number of
    // slots, takes one value, and a file rendered from a template with
    // every slot reads back every value, whatever else the template holds.
    static const rq::Settings values = [] {
        rq::Settings v;
        v.main_window_pos = {11, 12};
        v.video_window_pos = {13, 14};
        v.wheel_mode_playing = 15;
        v.reserved = -16;
        v.panel_scan_mode = 6;
        v.shuffle = 1;
        v.repeat = 0;
        v.current_folder = "/media/a=b/";
        v.editor_rect = {21, 22, 23, 24};
        v.save_video_size = 1;
        v.video_size_mode = 2;
        v.fullscreen_fit_mode = 5;
        v.background_name = "sky.bmp";
        v.search_step_table = {1, -2, 3, -4, 5, -6, 7, -8};
        v.time_display_mode = 0;
        v.badge_gone = 1;
        return v;
    }();
    const std::string out = rq::render_settings(in, values, "/list.rql");
    size_t slots = 0;
    for (char c : out)
        slots += c == '=';
    check(slots <= size_t(rq::kSettingsSlots) + 1, "one \"=\" per slot (and one in the folder)");
    if (slots == size_t(rq::kSettingsSlots) + 1) {
        rq::Settings back;
        std::string last_list;
        rq::parse_settings(out, back, last_list, {1920, 1080});
        check(rq::render_settings(real_template(), back, last_list) ==
                  rq::render_settings(real_template(), values, "/list.rql"),
              "every slot reads back from a file made with any template");
    }
    return 0;
}
