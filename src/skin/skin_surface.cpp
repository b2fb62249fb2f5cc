#include "skin/skin_surface.h"

#include <cstring>

#include "platform/path_util.h"
#include "skin/builtin_resources.h"

namespace rq {

namespace {

// Room for the largest header and colour table a real file carries before
// its pixels; anything longer is not a picture we can use.
constexpr size_t kFileLimit = size_t(16) << 20;

}  // namespace

int SkinSurface::load_from_resource(int id) {
    release();
    std::string_view data = builtin_resource(id);
    if (data.empty()) return 0;
    return load_from_memory(reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

int SkinSurface::load_from_file(const std::string& path) {
    release();
    std::string data;
    if (!read_file(path, data, kFileLimit)) return 0;
    return load_from_memory(reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

int SkinSurface::load_from_memory(const uint8_t* data, size_t size) {
    release();
    if (size < size_t(kBmpFileHeaderSize + kBmpInfoHeaderSize)) return 0;
    if (bmp_le16(data) != kBmpMagic) return 0;
    const size_t offset = bmp_le32(data + 10);
    BmpInfoHeader h = decode_bmp_info(data + kBmpFileHeaderSize);
    // The header is trusted for nothing: every field that decides how many
    // bytes are read is checked against what the data holds.
    if (h.size < uint32_t(kBmpInfoHeaderSize) || h.planes != 1 || h.bit_count != 24 ||
        h.compression != 0)
        return 0;
    if (h.width != kSheetWidth || (h.height != kSheetHeight && h.height != -kSheetHeight)) return 0;
    const int32_t row_pixels = (h.width + 3) & ~3;
    const size_t needed = size_t(row_pixels) * 3 * kSheetHeight;
    if (h.image_size != 0 && h.image_size < needed) return 0;
    if (offset < kBmpFileHeaderSize + size_t(h.size) || offset > size || size - offset < needed)
        return 0;

    h.image_size = uint32_t(needed);
    header = std::make_unique<BmpInfoHeader>(h);
    pitch = row_pixels;
    bitmap.assign(data + offset, data + offset + needed);
    bits = bitmap.data();
    loads += 1;
    return 1;
}

void SkinSurface::release() {
    bitmap = {};
    header.reset();
    bits = nullptr;
    pitch = 0;
}

}  // namespace rq
