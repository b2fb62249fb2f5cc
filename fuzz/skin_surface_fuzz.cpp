// Background pictures ("bg/*.bmp") and any file named like one: a picture
// is taken only when every row it promises is there, and its rows are the
// file's rows in the order its header gives.

#include "fuzz_check.h"
#include "skin/skin_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    rq::SkinSurface s;
    const int taken = s.load_from_memory(data, size);
    check(taken == (s.loaded() ? 1 : 0), "the answer says whether it was taken");
    if (!taken) {
        check(s.bitmap.empty() && !s.header && s.width() == 0, "a refused picture leaves nothing");
        return 0;
    }
    check(s.width() == rq::kSheetWidth && s.height() == rq::kSheetHeight, "the sheet's size");
    const size_t row_bytes = rq::bmp_row_bytes(rq::kSheetWidth);
    check(s.bitmap.size() == row_bytes * rq::kSheetHeight, "every row is held");
    const size_t offset = rq::bmp_le32(data + 10);
    for (int y = 0; y < rq::kSheetHeight; ++y) {
        const int stored = s.bottom_up() ? rq::kSheetHeight - 1 - y : y;
        const uint8_t* file_row = data + offset + size_t(stored) * row_bytes;
        const uint8_t* row = s.row(y);
        check(row[0] == file_row[0] && row[row_bytes - 1] == file_row[row_bytes - 1],
              "image row y is the file's row for y");
    }
    return 0;
}
