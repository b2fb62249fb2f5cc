#pragma once
// A 24-bit picture in memory: the skin sheet, the text canvas or the face
// being composed. Pixels are B, G, R; rows are stored bottom-up or
// top-down as the picture's header says.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/bmp_format.h"

namespace rq {

// Every picture the face uses has the sheet's size: the face addresses
// fixed coordinates on it.
inline constexpr int kSheetWidth = 640;
inline constexpr int kSheetHeight = 400;

// Built-in pictures.
inline constexpr int kIconResource = 128;
inline constexpr int kSkinSheetResource = 129;
inline constexpr int kTextCanvasResource = 158;

class SkinSurface {
  public:
    SkinSurface() = default;
    ~SkinSurface() { release(); }
    SkinSurface(const SkinSurface&) = delete;
    SkinSurface& operator=(const SkinSurface&) = delete;

    // Each returns 1 when the picture was taken, else 0 with the surface
    // left empty. Only a 640 x 400, 24-bit, uncompressed picture whose
    // pixel data is all there is taken.
    int load_from_resource(int id);
    int load_from_file(const std::string& path);
    int load_from_memory(const uint8_t* data, size_t size);

    // Empties the surface; safe when it is empty already.
    void release();

    bool loaded() const { return bits != nullptr; }
    // Address of image row 0 (the last stored row of a bottom-up picture).
    uint8_t* top_row() {
        if (!bits || !bottom_up()) return bits;
        return bits + size_t(height() - 1) * size_t(pitch) * 3;
    }
    const uint8_t* top_row() const { return const_cast<SkinSurface*>(this)->top_row(); }
    // Bytes of pixel data held.
    int32_t image_size() const { return header ? int32_t(header->image_size) : 0; }

    int width() const { return header ? header->width : 0; }
    int height() const {
        if (!header) return 0;
        return header->height < 0 ? -header->height : header->height;
    }
    bool bottom_up() const { return header && header->height > 0; }
    // Bytes from an image row to the one below it: negative when bottom-up.
    ptrdiff_t row_step() const {
        return bottom_up() ? -ptrdiff_t(pitch) * 3 : ptrdiff_t(pitch) * 3;
    }
    // Image row y, 0 at the top; y must lie inside the picture.
    uint8_t* row(int y) { return top_row() + row_step() * y; }
    const uint8_t* row(int y) const { return top_row() + row_step() * y; }

    std::vector<uint8_t> bitmap;            // the pixel memory; owned
    std::unique_ptr<BmpInfoHeader> header;  // copy of the picture's info header
    uint8_t* bits = nullptr;                // start of the pixel memory
    int32_t pitch = 0;                      // pixels per row: (width + 3) & ~3
    int loads = 0;                          // pictures taken so far: tells a new one apart
};

}  // namespace rq
