// Bytes from tags, companion files and file names turned into UTF-8: the
// result is always valid UTF-8, and valid input comes back unchanged.

#include "fuzz_check.h"
#include "platform/text_decode.h"

namespace {

// Well-formed UTF-8 by the table of byte ranges (lead byte, then the
// allowed range of the second byte), written apart from the player's
// validator so the two can disagree.
bool well_formed(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b <= 0x7F) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b == 0xE0) {
            len = 3, lo = 0xA0;
        } else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) {
            len = 3;
        } else if (b == 0xED) {
            len = 3, hi = 0x9F;
        } else if (b == 0xF0) {
            len = 4, lo = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            len = 4;
        } else if (b == 0xF4) {
            len = 4, hi = 0x8F;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        const auto b1 = static_cast<unsigned char>(s[i + 1]);
        if (b1 < lo || b1 > hi) return false;
        for (int k = 2; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < 0x80 || c > 0xBF) return false;
        }
        i += len;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using rq::fuzz::check;
    const std::string_view in = rq::fuzz::bytes(data, size);
    const bool valid = rq::is_valid_utf8(in);
    check(valid == well_formed(in), "is_valid_utf8 agrees with the table of UTF-8 forms");
    const std::string out = rq::to_utf8(in);
    check(well_formed(out), "to_utf8 gives valid UTF-8");
    if (valid) check(out == in, "valid UTF-8 passes unchanged");
    return 0;
}
