// The index file of the open clip (".idx": free lines, then "[IndexTime]"
// and one "[position]text" line per mark): read, stepped through with the
// mark operations, written back and read again unchanged. The bytes go
// straight to the reader: finding and saving the file is tested apart.

#include <vector>

#include "fuzz_check.h"
#include "fuzz_player.h"
#include "media/index_files.h"
#include "media/index_marks.h"

namespace {

using rq::fuzz::check;

std::vector<std::string> rows(const rq::ListStore& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.count(); ++i)
        out.push_back(s.text(i));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rq::fuzz::ClipPlayer& clip = rq::fuzz::clip_player();
    rq::Player& p = clip.pw;
    rq::load_index_bytes(p, rq::fuzz::bytes(data, size));
    const rq::Stores& s = p.stores;
    check(s.index_marks.count() == s.index_texts.count(), "a text per mark");
    for (int i = 0; i < s.index_marks.count(); ++i)
        check(s.index_marks.text(i).find(']') == std::string::npos, "a mark ends at its \"]\"");

    // Every operation a user can reach, with a typed number from the input.
    p.transport.keypad_number = size > 0 ? int(data[0]) - 100 : 0;
    p.input.keypad_press = size > 1 ? data[1] % 4 : 0;
    for (rq::MarkOp op :
         {rq::MarkOp::Next, rq::MarkOp::Next, rq::MarkOp::Neighbours, rq::MarkOp::Previous,
          rq::MarkOp::Add, rq::MarkOp::Locate, rq::MarkOp::NextBy, rq::MarkOp::Neighbours,
          rq::MarkOp::PreviousBy, rq::MarkOp::Delete, rq::MarkOp::Neighbours}) {
        p.transport.keypad_number_ticks = 2;
        rq::index_mark_step(p, op);
        check(
            p.marks.index_count_before >= 0 && p.marks.index_count_before <= s.index_marks.count(),
            "the cursor stays within the marks");
    }

    // Written and read again: the same lines, byte for byte.
    const auto free_lines = rows(s.index_free_lines), marks = rows(s.index_marks),
               texts = rows(s.index_texts);
    rq::load_index_bytes(p, rq::index_file_bytes(s));
    check(rows(s.index_free_lines) == free_lines, "free lines read back");
    check(rows(s.index_marks) == marks && rows(s.index_texts) == texts, "marks read back");
    return 0;
}
