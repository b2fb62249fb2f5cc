// Background pictures ("bg/*.bmp") and any file named like one: a picture
// is taken only when every row it promises is there, and its rows are the
// file's rows in the order its header gives.
//
// An input that starts with "BM" is the whole file. Any other input is a
// short form, so that a 750 KB sheet need not go through every mutation:
// its first four bytes (little-endian, at most 1 MiB) count the filler
// bytes that follow the rest of it, standing for the pixels. The file lies
// in one buffer kept for the run with every byte around it poisoned, so a
// read past either end is caught as in a buffer of the file's own size.

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "skin/skin_surface.h"

namespace {

using rq::fuzz::check;

constexpr size_t kMostFiller = size_t(1) << 20;
// Where the file starts in the buffer: a multiple of 8, so the poison
// before it ends exactly at its first byte.
constexpr size_t kStart = 64;

// Filler byte for a place in the buffer: the rows of a sheet differ, so a
// row taken from the wrong place shows.
uint8_t filler_at(size_t i) {
    return uint8_t(i * 7 + i / 1921);
}

class FileArea {
  public:
    // The file made of `head`, then `filler` filler bytes.
    const uint8_t* lay(const uint8_t* head, size_t head_size, size_t filler) {
        const size_t end = kStart + head_size + filler;
        ASAN_UNPOISON_MEMORY_REGION(bytes_.data(), bytes_.size());
        // Filler wherever the last head was, then the new head.
        for (size_t i = kStart; i < kStart + laid_head_ && i < bytes_.size(); ++i)
            bytes_[i] = filler_at(i);
        if (end > bytes_.size()) {
            const size_t old = bytes_.size();
            bytes_.resize(end);
            for (size_t i = old; i < end; ++i)
                bytes_[i] = filler_at(i);
        }
        std::copy_n(head, head_size, bytes_.data() + kStart);
        laid_head_ = head_size;
        ASAN_POISON_MEMORY_REGION(bytes_.data(), kStart);
        ASAN_POISON_MEMORY_REGION(bytes_.data() + end, bytes_.size() - end);
        return bytes_.data() + kStart;
    }

  private:
    std::vector<uint8_t> bytes_;
    size_t laid_head_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* in, size_t in_size) {
    static FileArea area;
    const uint8_t* data;
    size_t size;
    if (in_size >= 2 && in[0] == 'B' && in[1] == 'M') {
        data = area.lay(in, in_size, 0);
        size = in_size;
    } else {
        if (in_size < 4) return 0;
        const size_t filler = rq::bmp_le32(in) % (kMostFiller + 1);
        data = area.lay(in + 4, in_size - 4, filler);
        size = in_size - 4 + filler;
    }

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
        check(std::memcmp(row, file_row, row_bytes) == 0, "image row y is the file's row for y");
    }
    return 0;
}
