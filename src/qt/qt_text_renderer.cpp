#include "qt/qt_text_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "skin/skin_surface.h"

namespace rq {

QFont text_line_font(int height) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                      QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    // Hard-edged glyphs: the face key-copies the canvas, and grey edge
    // pixels would survive the keying as fringes.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    int size = height;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > height) {
        font.setPixelSize(--size);
    }
    return font;
}

namespace {

void draw_line(QImage& image, const QString& line, int x, int y, int height) {
    const QFont font = text_line_font(height);
    const QFontMetrics metrics(font);
    QPainter painter(&image);
    painter.setFont(font);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(line), height), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + metrics.ascent()), line);
}

}  // namespace

void QtTextRenderer::draw_text_line(SkinSurface& surface, const std::string& text, int x, int y,
                                    int height) {
    if (!surface.loaded() || height <= 0) return;
    const int w = surface.width(), h = surface.height();
    const QString line = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (!surface.bottom_up()) {
        // The image lies over the surface's own bytes.
        QImage image(surface.bits, w, h, qsizetype(surface.pitch) * 3, QImage::Format_BGR888);
        draw_line(image, line, x, y, height);
        return;
    }
    // A bottom-up surface stores its rows upside down, which QImage cannot
    // address: the line's rows are drawn apart and copied in.
    const int top = std::max(y, 0), bottom = std::min(y + height, h);
    if (top >= bottom) return;
    QImage band(w, bottom - top, QImage::Format_BGR888);
    for (int r = top; r < bottom; ++r)
        std::memcpy(band.scanLine(r - top), surface.row(r), size_t(w) * 3);
    draw_line(band, line, x, y - top, height);
    for (int r = top; r < bottom; ++r)
        std::memcpy(surface.row(r), band.scanLine(r - top), size_t(w) * 3);
}

}  // namespace rq
