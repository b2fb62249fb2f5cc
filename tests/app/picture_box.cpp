// Where a colour is on a screenshot: the bounding box of the pixels within
// a tolerance of it, for the end-to-end tests.
//   picture_box IMAGE RRGGBB TOLERANCE [--in X Y W H] [--not X Y W H]
// prints "X Y W H COUNT" (all 0 when no pixel matches), looking only inside
// the --in rectangle and never inside the --not rectangle.
//   picture_box IMAGE --blocks K X Y W H
// prints how many K x K blocks of the rectangle are not of one colour.

#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int uneven_blocks(const QImage& image, int k, const QRect& area) {
    int uneven = 0;
    for (int by = area.top(); by + k - 1 <= area.bottom(); by += k)
        for (int bx = area.left(); bx + k - 1 <= area.right(); bx += k) {
            const QRgb first = image.pixel(bx, by);
            bool one = true;
            for (int y = by; y < by + k && one; ++y)
                for (int x = bx; x < bx + k && one; ++x)
                    one = image.pixel(x, y) == first;
            uneven += one ? 0 : 1;
        }
    return uneven;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 8 && std::strcmp(argv[2], "--blocks") == 0) {
        const QImage image = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
        if (image.isNull()) return 2;
        const QRect area(std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                         std::atoi(argv[7]));
        std::printf("%d\n", uneven_blocks(image, std::max(1, std::atoi(argv[3])),
                                          area.intersected(image.rect())));
        return 0;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s IMAGE RRGGBB TOLERANCE [--in X Y W H] [--not X Y W H]\n",
                     argv[0]);
        return 2;
    }
    const QImage image = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const unsigned long rgb = std::strtoul(argv[2], nullptr, 16);
    const int tolerance = std::atoi(argv[3]);
    QRect in = image.rect(), out;
    for (int i = 4; i + 4 < argc; i += 5) {
        const QRect r(std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]),
                      std::atoi(argv[i + 4]));
        if (std::strcmp(argv[i], "--in") == 0)
            in = r.intersected(image.rect());
        else if (std::strcmp(argv[i], "--not") == 0)
            out = r;
    }
    const int want[3] = {int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)};
    int left = in.right() + 1, top = in.bottom() + 1, right = -1, bottom = -1;
    long count = 0;
    for (int y = in.top(); y <= in.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = in.left(); x <= in.right(); ++x) {
            if (out.contains(x, y)) continue;
            const QRgb c = row[x];
            if (std::abs(qRed(c) - want[0]) > tolerance ||
                std::abs(qGreen(c) - want[1]) > tolerance ||
                std::abs(qBlue(c) - want[2]) > tolerance)
                continue;
            ++count;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (count == 0)
        std::printf("0 0 0 0 0\n");
    else
        std::printf("%d %d %d %d %ld\n", left, top, right - left + 1, bottom - top + 1, count);
    return 0;
}
