// Draws the desktop icon into an icon theme folder:
// OUTPUT/hicolor/<N>x<N>/apps/rq810z.png for every size the desktop asks for.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "skin/art/face_art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_art OUTPUT_FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/hicolor/%2x%2/apps").arg(argv[1]).arg(size);
        ok = QDir().mkpath(dir) && rq::art::draw_icon(size).save(dir + "/rq810z.png") && ok;
    }
    if (!ok) std::fprintf(stderr, "icon_art: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
