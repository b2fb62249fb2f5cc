// What the player writes reads back as it was: a playlist (".rql" or
// ".m3u"), an index file's free lines and marks, and timed captions, all
// drawn from the input, written with the player's own writers (the
// captions, which the player only reads, in the forms its reader takes)
// and read back with its readers. Bytes, not files: saving and finding
// the files is tested apart.
//
// The generator keeps to what each format promises to carry:
// - a list entry is an absolute path ("/" first) without CR, LF or NUL:
//   any of those ends a line;
// - an index free line holds no LF and is not "[IndexTime]" in any case
//   (that line starts the marks); a mark's position holds no "]" and no
//   LF; a mark's text holds no LF;
// - a caption's text is printable ASCII (other bytes may be decoded from
//   CP932) not starting with "[" (that would be one more tag), its times
//   written as "[MM:SS]", "[MM:SS:mmm]" (two-digit minutes: "[1:23]" is
//   ignored by the reader's line rule) or "[ms]".

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_player.h"
#include "media/index_files.h"
#include "platform/list_store.h"
#include "playlist/list_file.h"
#include "playlist/playlist_model.h"

namespace {

using rq::fuzz::check;

// The input read as a stream of choices; past its end every choice is 0.
class Draw {
  public:
    Draw(const uint8_t* data, size_t size) : at_(data), end_(data + size) {}
    uint8_t byte() { return at_ < end_ ? *at_++ : 0; }
    size_t upto(size_t most) { return byte() % (most + 1); }
    // Up to `most` bytes, each banned one replaced by `instead`.
    std::string text(size_t most, std::string_view banned, char instead) {
        std::string out(upto(most), '\0');
        for (char& c : out) {
            c = static_cast<char>(byte());
            if (banned.find(c) != std::string_view::npos) c = instead;
        }
        return out;
    }

  private:
    const uint8_t* at_;
    const uint8_t* end_;
};

std::vector<std::string> rows(const rq::ListStore& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

bool is_index_time_line(std::string line) {
    for (char& c : line)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return line == "[indextime]";
}

void lists(Draw& d) {
    std::vector<std::string> paths(d.upto(16));
    for (std::string& path : paths)
        path = "/" + d.text(40, std::string_view("\r\n\0", 3), '_');
    rq::ListStore written;
    written.assign(paths);
    rq::ListStore back, back_rows;
    check(rq::parse_list_file(rq::list_file_bytes(written), back, &back_rows) == int(paths.size()),
          "every entry is read");
    check(rows(back) == paths, "the list reads back");
    for (size_t i = 0; i < paths.size(); ++i)
        check(back_rows.text(int(i)) == rq::list_row(int(i), paths[i], false), "a row per entry");
}

void index_file(Draw& d, rq::Player& p) {
    std::vector<std::string> free_lines(d.upto(4)), marks(d.upto(12)), texts(marks.size());
    for (std::string& line : free_lines) {
        line = d.text(30, "\n", ' ');
        if (is_index_time_line(line)) line += "!";
    }
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i] = d.text(12, "]\n", '0');
        texts[i] = d.text(30, "\n", ' ');
    }
    p.stores.index_free_lines.assign(free_lines);
    p.stores.index_marks.assign(marks);
    p.stores.index_texts.assign(texts);
    rq::load_index_bytes(p, rq::index_file_bytes(p.stores));
    check(rows(p.stores.index_free_lines) == free_lines, "free lines read back");
    check(rows(p.stores.index_marks) == marks, "marks read back");
    check(rows(p.stores.index_texts) == texts, "mark texts read back");
}

std::string two_digits(int v) {
    return std::string(1, char('0' + v / 10)) + char('0' + v % 10);
}

void captions(Draw& d, rq::Player& p) {
    std::vector<std::pair<int, std::string>> timed;  // time > 0, as written
    std::string file, first_row;
    for (size_t lines = d.upto(16); lines > 0; --lines) {
        std::string text;
        for (size_t n = d.upto(20); n > 0; --n)
            text += char(' ' + d.byte() % 95);
        if (!text.empty() && text.front() == '[') text.front() = '(';
        std::string tags;
        for (size_t n = 1 + d.upto(3); n > 0; --n) {
            const int minutes = d.byte() % 100, seconds = d.byte() % 100;
            const int ms = (d.byte() << 8 | d.byte()) % 1000;
            int t = minutes * 60000 + seconds * 1000;
            switch (d.byte() % 3) {
                case 0:
                    tags += "[" + two_digits(minutes) + ":" + two_digits(seconds) + "]";
                    break;
                case 1:
                    tags += "[" + two_digits(minutes) + ":" + two_digits(seconds) + ":" +
                            std::to_string(ms) + "]";
                    t += ms;
                    break;
                default:
                    t += ms;
                    tags += "[" + std::to_string(t) + "]";
            }
            if (t > 0)
                timed.emplace_back(t, text);
            else
                first_row = text;
        }
        // "][" joins the tags of one line; its last "]" opens the text.
        file += tags + text + "\r\n";
    }
    rq::load_timed_text_bytes(p, file);
    check(p.timed_text.loaded == 1, "the captions are read");
    const std::vector<std::string> back = rows(p.stores.timed_text_lines);
    check(back.size() == timed.size() + 1, "a row per time, and row 0");
    check(back[0] == first_row, "row 0 holds the text at time 0");
    std::vector<std::pair<int, std::string>> read;
    for (size_t i = 1; i < back.size(); ++i)
        read.emplace_back(p.timed_text.index_times[i], back[i]);
    check(std::is_sorted(read.begin(), read.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; }),
          "the times are in order");
    std::sort(read.begin(), read.end());
    std::sort(timed.begin(), timed.end());
    check(read == timed, "every caption reads back at its time");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rq::Player& p = rq::fuzz::clip_player().pw;
    Draw d(data, size);
    lists(d);
    index_file(d, p);
    captions(d, p);
    return 0;
}
