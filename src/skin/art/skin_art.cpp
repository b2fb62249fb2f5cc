// Draws the built-in pictures into a folder: the skin sheet and the text
// canvas as 24-bit BMP files, the icon as PNG, and a PNG of the sheet for
// the documentation.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "skin/art/face_art.h"
#include "skin/bmp_format.h"

namespace {

bool write_bmp(const QImage& image, const std::string& path, bool top_down) {
    const int w = image.width(), h = image.height();
    std::vector<uint8_t> rows(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            uint8_t* px = rows.data() + (size_t(y) * w + x) * 3;
            px[0] = uint8_t(qBlue(c));
            px[1] = uint8_t(qGreen(c));
            px[2] = uint8_t(qRed(c));
        }
    const std::string bytes = rq::encode_bmp24(w, h, top_down, rows);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_art OUTPUT_FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::string dir = std::string(argv[1]) + "/";
    const QImage sheet = rq::art::draw_sheet();
    // The sheet is stored the usual bottom-up way; the canvas top-down, so
    // text is drawn straight into its bytes.
    bool ok = write_bmp(sheet, dir + "skin_sheet.bmp", false);
    ok = write_bmp(rq::art::draw_text_canvas(), dir + "text_canvas.bmp", true) && ok;
    ok = rq::art::draw_icon().save(QString::fromStdString(dir + "icon.png")) && ok;
    ok = sheet.save(QString::fromStdString(dir + "skin-sheet.png")) && ok;
    if (!ok) std::fprintf(stderr, "skin_art: could not write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
