#include "media/index_files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/player.h"
#include "media/index_marks.h"
#include "platform/path_util.h"
#include "platform/text_decode.h"
#include "skin/text_canvas.h"

namespace rq {

namespace {

// Companion files are small; past this the rest of a file is not read.
constexpr size_t kCompanionReadLimit = size_t(16) << 20;
constexpr int kMaxTagsPerLine = 50;
// index_times keeps entry 0 and the end entry besides the tags.
constexpr int kMaxTimedTags = kIndexTimesSize - 2;
constexpr std::string_view kIndexTimeLine = "[IndexTime]";

// Where a companion of the current file may stand: the "Index" folder of
// the program, then beside the media file.
struct CompanionPlaces {
    std::string index_folder;
    std::string beside_file;
};

CompanionPlaces companion_places(const Player& p, std::string_view extension) {
    const PathParts parts = split_path(p.media.current_path);
    const std::string size = std::to_string(p.media.current_file_size);
    return {p.files_folder + "Index/" + parts.name + "(" + size + ")" + std::string(extension),
            parts.folder + parts.name + std::string(extension)};
}

// The companion's bytes; none without an open file or a readable companion.
std::optional<std::string> read_companion(const Player& p, std::string_view extension) {
    if (p.media.current_path.empty()) return std::nullopt;
    const CompanionPlaces at = companion_places(p, extension);
    std::string bytes;
    if (read_file(at.index_folder, bytes, kCompanionReadLimit) ||
        read_file(at.beside_file, bytes, kCompanionReadLimit))
        return bytes;
    return std::nullopt;
}

// The file's lines without their CR LF (a bare LF ends a line too); a last
// line without an end is still a line.
std::vector<std::string_view> split_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    }
    return lines;
}

struct TimedLine {
    std::vector<int> times;  // ms, in the order of the tags
    std::string_view text;
};

// The time of one tag's fields; -1 when it does not fit a 32-bit time.
int tag_time(const long long (&fields)[3], int count) {
    long long t = fields[0];
    if (count == 2) t = fields[0] * 60000 + fields[1] * 1000;
    if (count == 3) t = fields[0] * 60000 + fields[1] * 1000 + fields[2];
    return t > INT_MAX ? -1 : static_cast<int>(t);
}

// A timed line: one or more tags, then "]" or "=" and the text. False for
// any other line.
bool parse_timed_line(std::string_view line, TimedLine& out) {
    auto at = [&](size_t i) { return i < line.size() ? line[i] : '\0'; };
    size_t i;
    if (at(0) == '[' && at(3) == ':')
        i = 1;
    else if (at(1) == ':' || at(2) == ':' || at(3) == ':')
        i = 0;
    else if (at(0) == '[')
        i = 1;
    else
        return false;

    long long fields[3] = {0, 0, 0};
    int count = 1, digits = 0, tags = 0;
    out.times.clear();
    auto end_tag = [&] {
        const int t = tag_time(fields, count);
        // Tags past the line's limit, or beyond any 32-bit time, are dropped.
        if (t >= 0 && ++tags <= kMaxTagsPerLine) out.times.push_back(t);
        fields[0] = fields[1] = fields[2] = 0;
        count = 1;
        digits = 0;
    };
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 9) return false;
            fields[count - 1] = fields[count - 1] * 10 + (c - '0');
        } else if (c == ':') {
            if (count == 3) return false;
            ++count;
            digits = 0;
        } else if (c == ']' && at(i + 1) == '[') {
            end_tag();
            ++i;
        } else if (c == ']' || c == '=') {
            end_tag();
            out.text = line.substr(i + 1);
            return true;
        } else {
            return false;
        }
    }
    return false;  // the line ended inside its tags
}

void parse_index_file(std::string_view bytes, Stores& s) {
    std::vector<std::string> mark_rows, text_rows, free_rows;
    bool in_marks = false;
    for (std::string_view line : split_lines(bytes)) {
        if (!in_marks) {
            if (equal_nocase(line, kIndexTimeLine))
                in_marks = true;
            else
                free_rows.emplace_back(line);
            continue;
        }
        // An entry is "[" position "]" text; a line without its "]" is none.
        const size_t close = line.find(']');
        if (line.empty() || line.front() != '[' || close == std::string_view::npos) continue;
        mark_rows.emplace_back(line.substr(1, close - 1));
        text_rows.emplace_back(line.substr(close + 1));
    }
    s.index_marks.assign(std::move(mark_rows));
    s.index_texts.assign(std::move(text_rows));
    s.index_free_lines.assign(std::move(free_rows));
}

}  // namespace

std::string index_file_bytes(const Stores& s) {
    std::string bytes;
    for (int i = 0; i < s.index_free_lines.count(); ++i)
        bytes += s.index_free_lines.text(i) + "\r\n";
    bytes += std::string(kIndexTimeLine) + "\r\n";
    for (int i = 0; i < s.index_marks.count(); ++i)
        bytes += "[" + s.index_marks.text(i) + "]" + s.index_texts.text(i) + "\r\n";
    return bytes;
}

void load_index(Player& p) {
    load_index_bytes(p, read_companion(p, ".idx"));
}

void load_index_bytes(Player& p, std::optional<std::string_view> file) {
    p.stores.index_marks.clear();
    p.stores.index_texts.clear();
    p.stores.index_free_lines.clear();
    p.marks.mark_target_ms = -1;
    if (file) parse_index_file(*file, p.stores);
    index_mark_step(p, MarkOp::Locate);
    index_mark_step(p, MarkOp::Neighbours);
}

void load_timed_text(Player& p) {
    load_timed_text_bytes(p, read_companion(p, ".txt"));
}

void load_timed_text_bytes(Player& p, std::optional<std::string_view> file) {
    TimedTextState& ix = p.timed_text;
    ListStore& lines = p.stores.timed_text_lines;
    lines.clear();
    ix.index_times.fill(-1);
    ix.loaded = 0;
    int n = 1;

    if (file) {
        ix.index_times[0] = 0;
        std::vector<std::string> rows{""};
        TimedLine timed;
        for (std::string_view line : split_lines(*file)) {
            if (!parse_timed_line(line, timed)) continue;
            const std::string text = to_utf8(timed.text);
            for (int t : timed.times) {
                if (t < 1) {
                    rows[0] = text;
                    continue;
                }
                if (n - 1 >= kMaxTimedTags) continue;
                // Before any equal time already there.
                const auto first = ix.index_times.begin() + 1;
                const auto at = std::lower_bound(first, ix.index_times.begin() + n, t);
                std::copy_backward(at, ix.index_times.begin() + n, ix.index_times.begin() + n + 1);
                *at = t;
                rows.insert(rows.begin() + (at - ix.index_times.begin()), text);
                ++n;
            }
        }
        lines.assign(std::move(rows));
    }

    if (!ix.table_loaded()) {
        ix.display_field_mode = 1;
    } else {
        ix.index_times[static_cast<size_t>(n)] = p.device.length_ms;
        ix.display_field_mode = p.settings.title_field_mode == 1 ? 1 : 2;
        ix.loaded = 1;
    }
    ix.title_redraw = 3;
    ix.index_time_count = lines.count();
    ix.index_segment = 0;
}

void save_index(Player& p) {
    if (p.marks.index_changed == 0) return;
    if (p.media.current_path.empty()) return;

    const std::string bytes = index_file_bytes(p.stores);

    const CompanionPlaces at = companion_places(p, ".idx");
    bool tried = false, saved = false;
    if (p.settings.index_beside_file == 1) {
        tried = true;
        saved = write_file_atomic(at.beside_file, bytes);
        p.unsaved.note(at.beside_file, saved, errno);
    }
    // A missing "Index" folder is never made: users opt in by making it.
    std::error_code ec;
    if (!saved && std::filesystem::is_directory(folder_of(at.index_folder), ec)) {
        tried = true;
        saved = write_file_atomic(at.index_folder, bytes);
        p.unsaved.note(at.index_folder, saved, errno);
        // The marks load from the "Index" folder first: the new ones are kept.
        if (saved) p.unsaved.note(at.beside_file, true, 0);
    }
    // Marks that could not be written are tried again at the next STOP.
    if (saved || !tried) p.marks.index_changed = 0;
}

void render_timed_text_line(Player& p) {
    TimedTextState& ix = p.timed_text;
    const std::string& text = p.stores.timed_text_lines.text(ix.index_segment);
    ix.line_width =
        render_canvas_strip(p.skin.text_canvas, p.env.text, kTimedTextStrip, timed_text_line(text));
}

}  // namespace rq
