#include "skin/art/face_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <string_view>

#include "skin/art/pixel_font.h"
#include "skin/face_layout.h"
#include "skin/sprite_table.h"

namespace rq::art {

namespace {

// Palette: a graphite deck with a pale green display and amber lights.
const QColor kBodyTop(0x3b, 0x3e, 0x44);
const QColor kBodyBottom(0x1c, 0x1e, 0x22);
const QColor kEdgeLight(0x62, 0x67, 0x70);
const QColor kEdgeDark(0x09, 0x0a, 0x0b);
const QColor kSilk(0x9a, 0xa1, 0xab);  // printed labels
const QColor kLcdBg(0xa9, 0xc0, 0xa6);
const QColor kLcdInk(0x12, 0x20, 0x19);
const QColor kLcdGhost(0x9b, 0xb2, 0x99);
const QColor kLcdInkLit(0x7a, 0x12, 0x0e);
const QColor kButtonTop(0x58, 0x5c, 0x64);
const QColor kButtonBottom(0x34, 0x37, 0x3c);
const QColor kButtonEdge(0x0e, 0x0f, 0x11);
const QColor kButtonHi(0x84, 0x8a, 0x94);
const QColor kSymbol(0xdc, 0xe0, 0xe6);
const QColor kSymbolLit(0xff, 0xb4, 0x3c);
const QColor kLedGreen(0x6a, 0xff, 0x86);
const QColor kLedAmber(0xff, 0xae, 0x1e);
const QColor kLedRed(0xff, 0x48, 0x36);
const QColor kLedOff(0x2b, 0x2a, 0x27);
const QColor kGlass(0x0d, 0x10, 0x12);

QRect qrect(SpriteRect r, int dy = 0) {
    return QRect(r.x, r.y + dy, r.w, r.h);
}

void hline(QImage& img, int x0, int x1, int y, QColor c) {
    for (int x = x0; x <= x1; ++x)
        if (img.valid(x, y)) img.setPixel(x, y, c.rgb());
}

void vline(QImage& img, int x, int y0, int y1, QColor c) {
    for (int y = y0; y <= y1; ++y)
        if (img.valid(x, y)) img.setPixel(x, y, c.rgb());
}

void fill(QImage& img, QRect r, QColor c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        hline(img, r.left(), r.right(), y, c);
}

void vgradient(QPainter& p, QRect r, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Crisp pixel triangles: `h` rows tall (odd), pointing right or left, or
// `w` columns wide pointing up.
void tri_right(QImage& img, int x, int y, int h, QColor c) {
    for (int i = 0; i < h; ++i)
        hline(img, x, x + std::min(i, h - 1 - i), y + i, c);
}
void tri_left(QImage& img, int x, int y, int h, QColor c) {
    const int half = h / 2;
    for (int i = 0; i < h; ++i) {
        const int len = std::min(i, h - 1 - i);
        hline(img, x + half - len, x + half, y + i, c);
    }
}
void tri_up(QImage& img, int x, int y, int w, QColor c) {
    for (int i = 0; i <= w / 2; ++i)
        hline(img, x + w / 2 - i, x + w / 2 + i, y + i, c);
}

// A raised key; pressed it sinks and darkens.
void button_body(QPainter& p, QImage& img, QRect r, bool pressed) {
    fill(img, r, kButtonEdge);
    QRect in = r.adjusted(1, 1, -1, -1);
    if (pressed) {
        vgradient(p, in, kButtonBottom.darker(125), kButtonBottom);
        hline(img, in.left(), in.right(), in.top(), kButtonEdge.lighter(150));
    } else {
        vgradient(p, in, kButtonTop, kButtonBottom);
        hline(img, in.left(), in.right(), in.top(), kButtonHi);
        vline(img, in.left(), in.top(), in.bottom() - 1, kButtonTop.lighter(108));
        hline(img, in.left(), in.right(), in.bottom(), kButtonBottom.darker(130));
    }
}

// A small square light with a glint.
void led(QImage& img, int x, int y, int w, int h, QColor c, bool on) {
    fill(img, QRect(x, y, w, h), on ? c : kLedOff);
    if (on) img.setPixel(x, y, c.lighter(140).rgb());
}

// Seven-segment cell: segments a..g in bits 0..6.
// Ghost segments first, so lit ones win where bold strokes meet.
void seg7(QImage& img, int x, int y, int w, int h, unsigned mask, QColor on, QColor ghost,
          bool bold = true) {
    const int mid = y + (h - 1) / 2;
    const int t = bold ? 2 : 1;
    auto vert = [&](int vx, int y0, int y1, QColor c) {
        for (int i = 0; i < t; ++i)
            vline(img, vx + i, y0, y1, c);
    };
    for (bool lit_pass : {false, true}) {
        auto seg = [&](int bit, auto draw) {
            const bool on_bit = mask & (1u << bit);
            if (on_bit == lit_pass) draw(on_bit ? on : ghost);
        };
        seg(0, [&](QColor c) { hline(img, x + 1, x + w - 2, y, c); });
        seg(1, [&](QColor c) { vert(x + w - t, y + 1, mid - 1, c); });
        seg(2, [&](QColor c) { vert(x + w - t, mid + 1, y + h - 2, c); });
        seg(3, [&](QColor c) { hline(img, x + 1, x + w - 2, y + h - 1, c); });
        seg(4, [&](QColor c) { vert(x, mid + 1, y + h - 2, c); });
        seg(5, [&](QColor c) { vert(x, y + 1, mid - 1, c); });
        seg(6, [&](QColor c) { hline(img, x + 1, x + w - 2, mid, c); });
    }
}

constexpr unsigned kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                         0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// The pale display with its dark bezel.
void lcd_window(QImage& img, QRect r) {
    fill(img, r.adjusted(-2, -2, 2, 2), kEdgeLight.darker(140));
    fill(img, r.adjusted(-2, -2, 1, 1), kEdgeDark);
    fill(img, r.adjusted(-1, -1, 0, 0), QColor(0x3a, 0x48, 0x3c));
    fill(img, r, kLcdBg);
}

// A lamp label on the display: dark when lit, a faint ghost otherwise.
void lcd_lamp(QImage& img, SpriteRect r, int dy, std::string_view text, bool on) {
    const int x = r.x + (r.w - pixel_text_width(text)) / 2;
    pixel_text(img, x, r.y + dy + (r.h - 5) / 2, text, on ? kLcdInk : kLcdGhost);
}

void symbol_play(QImage& img, int cx, int cy, QColor c) {
    tri_right(img, cx - 2, cy - 4, 9, c);
}
void symbol_stop(QImage& img, int cx, int cy, QColor c) {
    fill(img, QRect(cx - 3, cy - 3, 7, 7), c);
}
void symbol_pause(QImage& img, int cx, int cy, QColor c) {
    fill(img, QRect(cx - 3, cy - 3, 2, 7), c);
    fill(img, QRect(cx + 1, cy - 3, 2, 7), c);
}
void symbol_eject(QImage& img, int cx, int cy, QColor c) {
    tri_up(img, cx - 4, cy - 4, 9, c);
    hline(img, cx - 4, cx + 4, cy + 2, c);
    hline(img, cx - 4, cx + 4, cy + 3, c);
}
void symbol_ff(QImage& img, int cx, int cy, QColor c) {
    tri_right(img, cx - 4, cy - 3, 7, c);
    tri_right(img, cx, cy - 3, 7, c);
}
void symbol_rew(QImage& img, int cx, int cy, QColor c) {
    tri_left(img, cx - 4, cy - 3, 7, c);
    tri_left(img, cx, cy - 3, 7, c);
}
void symbol_next(QImage& img, int cx, int cy, QColor c) {
    tri_right(img, cx - 5, cy - 2, 5, c);
    tri_right(img, cx - 2, cy - 2, 5, c);
    vline(img, cx + 2, cy - 2, cy + 2, c);
}
void symbol_back(QImage& img, int cx, int cy, QColor c) {
    vline(img, cx - 3, cy - 2, cy + 2, c);
    tri_left(img, cx - 2, cy - 2, 5, c);
    tri_left(img, cx + 1, cy - 2, 5, c);
}

// A face button of the sprite table, in its normal or pressed look, with
// its symbol centred. `shift` moves the whole button (the FULL key).
template <typename Symbol>
void face_button(QPainter& p, QImage& img, SpriteRect r, int dy, bool pressed, Symbol symbol) {
    QRect q = qrect(r, dy);
    button_body(p, img, q, pressed);
    const int cx = q.left() + r.w / 2, cy = q.top() + r.h / 2 + (pressed ? 1 : 0);
    symbol(img, cx, cy, pressed ? kSymbolLit : kSymbol);
}

void text_button(QPainter& p, QImage& img, SpriteRect r, int dy, bool pressed,
                 std::string_view text) {
    face_button(p, img, r, dy, pressed, [&](QImage& im, int cx, int cy, QColor c) {
        pixel_text(im, cx - pixel_text_width(text) / 2, cy - 2, text, c);
    });
}

// A flat switch with a printed name that lights green.
void lamp_switch(QPainter& p, QImage& img, SpriteRect r, int dy, bool on, std::string_view text) {
    QRect q = qrect(r, dy);
    fill(img, q, kButtonEdge);
    QRect in = q.adjusted(1, 1, -1, -1);
    vgradient(p, in, on ? QColor(0x1c, 0x3a, 0x26) : QColor(0x2a, 0x2c, 0x30),
              on ? QColor(0x10, 0x24, 0x17) : QColor(0x1a, 0x1b, 0x1e));
    hline(img, in.left(), in.right(), in.top(), on ? QColor(0x3a, 0x6a, 0x48) : kButtonTop);
    const int x = q.left() + (r.w - pixel_text_width(text)) / 2 + 1;
    pixel_text(img, x, q.top() + (r.h - 5) / 2, text, on ? kLedGreen : kSilk.darker(115));
}

void power_button(QPainter& p, QImage& img, SpriteRect r, int dy, bool pressed) {
    QRect q = qrect(r, dy);
    button_body(p, img, q, pressed);
    const QPointF c(q.left() + r.w / 2.0, q.top() + r.h / 2.0 + (pressed ? 1 : 0));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(pressed ? kLedRed : kSymbol, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 5, c.y() - 5, 10, 10), 120 * 16, 300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - 6), QPointF(c.x(), c.y() - 1));
    p.restore();
}

// The top band: a dark glass seek track with tick marks.
void title_band(QPainter& p, QImage& img, int dy) {
    QRect band = qrect(kTitleField, dy);
    fill(img, band, kEdgeDark);
    QRect glass = band.adjusted(1, 1, -1, -1);
    vgradient(p, glass, QColor(0x18, 0x1c, 0x1f), kGlass);
    hline(img, glass.left() + 4, glass.right() - 4, glass.top() + 9, QColor(0x2e, 0x34, 0x38));
    for (int x = kSeekKnobOrigin.x + 11; x <= kSeekKnobOrigin.x + 11 + 206; x += 206 / 8)
        vline(img, x, glass.top() + 11, glass.top() + 12, QColor(0x3c, 0x44, 0x4a));
}

// The speed lights at the top right: reverse bar, three lamps, forward bar.
void speed_panel(QPainter& p, QImage& img, int dy, bool lit) {
    QRect panel(309, 2 + dy, 84, 10);
    fill(img, panel, kEdgeDark);
    vgradient(p, panel.adjusted(1, 1, -1, -1), QColor(0x14, 0x16, 0x18), kGlass);
    for (int k = 1; k <= 9; ++k) {
        // Segment k of each bar: two lit columns, one dark, counted outwards.
        const QColor c = k <= 4 ? kLedGreen : k <= 7 ? kLedAmber : kLedRed;
        const int rx = kSpeedBarReverseEnd - 3 * k, fx = kSpeedBarForwardX + 3 * (k - 1);
        for (int x : {rx, fx})
            fill(img, QRect(x, kSpeedBarY + dy, 2, 2), lit ? c : kLedOff);
    }
    const SpriteRect rev = sprite(SpriteId::ReverseLamp).rect;
    const SpriteRect pause = sprite(SpriteId::PauseLamp).rect;
    const SpriteRect stop = sprite(SpriteId::StopLamp).rect;
    fill(img, qrect(rev, dy), kGlass);
    fill(img, qrect(pause, dy), kGlass);
    fill(img, qrect(stop, dy), kGlass);
    tri_left(img, rev.x + 1, rev.y + dy, 5, lit ? kLedAmber : kLedOff);
    fill(img, QRect(pause.x + 1, pause.y + dy, 2, 6), lit ? kLedAmber : kLedOff);
    fill(img, QRect(pause.x + 5, pause.y + dy, 2, 6), lit ? kLedAmber : kLedOff);
    fill(img, QRect(stop.x + 1, stop.y + 1 + dy, 4, 4), lit ? kLedRed : kLedOff);
}

// The jog dial and the shuttle ring around it; the lit look differs only
// by the shuttle lights, so the face can fade single lights in.
void dial(QPainter& p, QImage& img, int dy, bool lit) {
    const QPointF c(kDialCentre.x + 0.5, kDialCentre.y + 0.5 + dy);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Well around the dial.
    QRadialGradient well(c, 40);
    well.setColorAt(0.85, QColor(0x0c, 0x0d, 0x0f));
    well.setColorAt(1.0, QColor(0x26, 0x28, 0x2c));
    p.setPen(Qt::NoPen);
    p.setBrush(well);
    p.drawEllipse(c, 39.5, 39.5);
    // Shuttle ring: knurled rubber.
    QRadialGradient ring(c - QPointF(8, 10), 48);
    ring.setColorAt(0, QColor(0x5a, 0x5e, 0x66));
    ring.setColorAt(1, QColor(0x22, 0x24, 0x28));
    p.setBrush(ring);
    p.drawEllipse(c, 37.5, 37.5);
    p.setPen(QPen(QColor(0x18, 0x19, 0x1c), 1.0));
    for (int i = 0; i < 48; ++i) {
        const double a = i * M_PI / 24;
        p.drawLine(c + QPointF(std::cos(a) * 35.5, std::sin(a) * 35.5),
                   c + QPointF(std::cos(a) * 37.5, std::sin(a) * 37.5));
    }
    // Jog disc: brushed metal with grooves.
    p.setPen(QPen(kEdgeDark, 1.2));
    QRadialGradient disc(c - QPointF(9, 11), 44);
    disc.setColorAt(0, QColor(0x9c, 0xa2, 0xab));
    disc.setColorAt(0.6, QColor(0x5d, 0x62, 0x6a));
    disc.setColorAt(1, QColor(0x33, 0x36, 0x3b));
    p.setBrush(disc);
    p.drawEllipse(c, 29.5, 29.5);
    p.setBrush(Qt::NoBrush);
    for (double r : {26.0, 21.0, 9.0}) {
        p.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(255, 255, 255, 28), 1.0));
        p.drawEllipse(c + QPointF(0.6, 0.6), r, r);
    }
    p.restore();
    // Shuttle lights: dim marks always, bright in the lit look.
    for (int s = 0; s < int(kShuttleArc.size()); ++s) {
        for (int sign : {1, -1}) {
            if (s == 0 && sign < 0) continue;
            const int x = kShuttleDotX + sign * kShuttleArc[s].x;
            const int y = kShuttleArc[s].y + dy;
            const QColor colour = s == 0 ? kLedGreen : s < 6 ? kLedAmber : kLedRed;
            if (lit) {
                fill(img, QRect(x + 1, y, 3, 5), colour);
                fill(img, QRect(x, y + 1, 5, 3), colour);
                img.setPixel(x + 1, y + 1, colour.lighter(150).rgb());
            } else {
                fill(img, QRect(x + 1, y + 1, 3, 3), QColor(0x1a, 0x1a, 0x1a));
                img.setPixel(x + 2, y + 2, QColor(0x40, 0x3a, 0x30).rgb());
            }
        }
    }
}

// A horizontal slot for a slider knob.
void slot(QImage& img, int x0, int x1, int y, int dy) {
    hline(img, x0, x1, y + dy, kEdgeDark);
    hline(img, x0, x1, y + 1 + dy, QColor(0x12, 0x13, 0x15));
    hline(img, x0, x1, y + 2 + dy, kEdgeLight.darker(120));
}

void display(QImage& img, int dy, bool lit) {
    lcd_window(img, QRect(58, 19 + dy, 146, 52));
    lcd_lamp(img, sprite(SpriteId::DisplayModeLamp).rect, dy, "TITLE", lit);
    // A dotted rule under the scrolling line.
    for (int x = kDisplayField.x + 1; x < kDisplayField.x + kDisplayField.w - 1; x += 2)
        img.setPixel(x, kDisplayField.y + kDisplayField.h - 1 + dy, kLcdGhost.rgb());
    // Sample rate and bit rate: ghost digits, then the unit lamps.
    for (int x : kSampleRateDigitX)
        pixel_text(img, x, kAudioInfoY + dy, "8", kLcdGhost);
    for (int x : kBitRateDigitX)
        pixel_text(img, x, kAudioInfoY + dy, "8", kLcdGhost);
    lcd_lamp(img, sprite(SpriteId::SampleRateLamp).rect, dy, "kHz", lit);
    lcd_lamp(img, sprite(SpriteId::BitRateLamp).rect, dy, "kbps", lit);
    const SpriteRect a = sprite(SpriteId::AbLampA).rect;
    pixel_text(img, a.x, a.y + dy, "A-", lit ? kLcdInk : kLcdGhost);
    const SpriteRect b = sprite(SpriteId::AbLampB).rect;
    pixel_text(img, b.x, b.y + dy, "B", lit ? kLcdInk : kLcdGhost);
    lcd_lamp(img, sprite(SpriteId::AbLampRepeat).rect, dy, "RPT", lit);
    // Units of the raw position: POS FRM / MS.
    const SpriteRect pos = sprite(SpriteId::UnitLampPosFrames).rect;
    pixel_text(img, pos.x + 1, pos.y + dy, "POS", lit ? kLcdInk : kLcdGhost);
    pixel_text(img, pos.x + 19, pos.y + dy, "FRM", lit ? kLcdInk : kLcdGhost);
    lcd_lamp(img, sprite(SpriteId::UnitLampMs).rect, dy, "MS", lit);
    // Zoom label (four rows) and per-cent sign.
    const SpriteRect zoom = sprite(SpriteId::ZoomLabel).rect;
    const QColor zoom_ink = lit ? kLcdInk : kLcdGhost;
    hline(img, zoom.x, zoom.x + 12, zoom.y + 2 + dy, zoom_ink);
    hline(img, zoom.x + 36, zoom.x + zoom.w - 1, zoom.y + 2 + dy, zoom_ink);
    QImage label(18, 5, QImage::Format_RGB32);
    label.fill(kLcdBg);
    pixel_text(label, 1, 0, "ZOOM", lit ? kLcdInk : kLcdGhost);
    for (int y = 1; y < 5; ++y)  // the top row of the font is dropped: 4 rows high
        for (int x = 0; x < 17; ++x)
            if (label.pixel(x, y) != kLcdBg.rgb())
                img.setPixel(zoom.x + 15 + x, zoom.y + y - 1 + dy, label.pixel(x, y));
    const SpriteRect pc = sprite(SpriteId::PercentLamp).rect;
    pixel_text(img, pc.x + 1, pc.y + dy, "%", lit ? kLcdInk : kLcdGhost);
    // Ghost digits under the counter and the time.
    for (int i = 0; i < 7; ++i)
        if (i != 3) seg7(img, kCounterX[i], kCounterY + dy, 6, 11, 0, kLcdInk, kLcdGhost);
    for (int i = 7; i >= 0; --i)
        seg7(img, time_digit_x(i), kTimeY + dy, 6, 13, 0, kLcdInk, kLcdGhost);
}

// The whole face, normal or lit. `second` marks the second face, whose
// title bar colours the title.
void face(QPainter& p, QImage& img, int dy, bool lit, bool second) {
    const int w = second ? 407 : 406;
    // Body with the feet the window's shape keeps.
    fill(img, QRect(0, dy, w, 93), QColor(0, 0, 0));
    vgradient(p, QRect(0, dy, w, 88), kBodyTop, kBodyBottom);
    vgradient(p, QRect(22, 88 + dy, 362, 2), kBodyBottom, kBodyBottom.darker(130));
    vgradient(p, QRect(22, 90 + dy, 65, 3), kBodyBottom.darker(130), kEdgeDark);
    vgradient(p, QRect(319, 90 + dy, 65, 3), kBodyBottom.darker(130), kEdgeDark);
    hline(img, 0, w - 1, dy, kEdgeLight);
    vline(img, 0, dy, 87 + dy, kEdgeLight.darker(120));
    vline(img, w - 1, dy, 87 + dy, kEdgeDark);
    hline(img, 0, w - 1, 87 + dy, kEdgeDark);
    // Screws in the corners.
    for (QPoint s : {QPoint(5, 80), QPoint(398, 80), QPoint(398, 6)}) {
        fill(img, QRect(s.x() - 1, s.y() - 1 + dy, 3, 3), QColor(0x6c, 0x70, 0x78));
        img.setPixel(s.x(), s.y() + dy, kEdgeDark.rgb());
        img.setPixel(s.x() - 1, s.y() - 1 + dy, kButtonHi.rgb());
    }
    // Grip lines at the right.
    for (int y = 22; y <= 74; y += 3) {
        hline(img, 396, 401, y + dy, kEdgeDark);
        hline(img, 396, 401, y + 1 + dy, kBodyTop.lighter(115));
    }

    // Logo: bright while active; the lit look is the inactive one.
    const SpriteRect logo = sprite(SpriteId::Logo).rect;
    fill(img, qrect(logo, dy), kEdgeDark);
    vgradient(p, qrect(logo, dy).adjusted(1, 1, -1, -1), QColor(0x20, 0x22, 0x26),
              QColor(0x14, 0x15, 0x18));
    pixel_text_large(img, logo.x + 3, logo.y + 4 + dy, "RQ810Z",
                     lit ? QColor(0x5a, 0x5e, 0x66) : QColor(0xe8, 0xec, 0xf0));
    if (!lit) hline(img, logo.x + 3, logo.x + 37, logo.y + 12 + dy, kLedAmber);

    title_band(p, img, dy);
    if (second) {
        // Normal: the ground under the title; lit: the title's colour.
        const SpriteRect bar = sprite(SpriteId::TitleBar).rect;
        QRect q(bar.x, bar.y - 200 + dy, bar.w, bar.h);
        if (lit) {
            vgradient(p, q, QColor(0xff, 0xd2, 0x7a), QColor(0xf0, 0x8a, 0x1e));
        } else {
            fill(img, q, kEdgeDark);
            vgradient(p, q.adjusted(1, 1, -1, -1), QColor(0x1d, 0x17, 0x10),
                      QColor(0x0c, 0x0a, 0x08));
        }
    }
    const SpriteRect mini = sprite(SpriteId::MinimiseButton).rect;
    face_button(p, img, mini, dy, lit, [](QImage& im, int cx, int cy, QColor c) {
        hline(im, cx - 3, cx + 2, cy + 3, c);
        hline(im, cx - 3, cx + 2, cy + 2, c);
    });
    speed_panel(p, img, dy, lit);

    // Left column.
    text_button(p, img, sprite(SpriteId::ConfigButton).rect, dy, lit, "CONFIG");
    lamp_switch(p, img, sprite(SpriteId::RepeatLamp).rect, dy, lit, "REPEAT");
    lamp_switch(p, img, sprite(SpriteId::ShuffleLamp).rect, dy, lit, "SHUFFLE");
    power_button(p, img, sprite(SpriteId::PowerButton).rect, dy, lit);

    display(img, dy, lit);

    // Volume slot and the zoom and full keys under the display.
    slot(img, 62, 133, 78, dy);
    for (int x = 64; x <= 132; x += 17)
        vline(img, x, 83 + dy, 84 + dy, kSilk.darker(150));
    text_button(p, img, sprite(SpriteId::ZoomMinusButton).rect, dy, false, "-");
    text_button(p, img, sprite(SpriteId::ZoomPlusButton).rect, dy, false, "+");
    // The pressed look lies one column right of the normal one.
    const SpriteRect full =
        lit ? sprite(SpriteId::FullButtonLit).rect : sprite(SpriteId::FullButton).rect;
    text_button(p, img, {full.x, full.y - (lit ? kLitRows : 0), full.w, full.h}, dy, lit, "FULL");

    // Transport keys.
    face_button(p, img, sprite(SpriteId::FileButton).rect, dy, lit, symbol_eject);
    face_button(p, img, sprite(SpriteId::StopButton).rect, dy, lit, symbol_stop);
    face_button(p, img, sprite(SpriteId::StillButton).rect, dy, lit, symbol_pause);
    face_button(p, img, sprite(SpriteId::RewButton).rect, dy, lit, symbol_rew);
    face_button(p, img, sprite(SpriteId::PlayButton).rect, dy, lit, symbol_play);
    face_button(p, img, sprite(SpriteId::FfButton).rect, dy, lit, symbol_ff);
    face_button(p, img, sprite(SpriteId::BackButton).rect, dy, lit, symbol_back);
    face_button(p, img, sprite(SpriteId::NextButton).rect, dy, lit, symbol_next);
    // PLAY's light: on in the normal look, which the face shows while playing.
    const SpriteRect play = sprite(SpriteId::PlayButton).rect;
    led(img, play.x + play.w - 7, play.y + 3 + dy, 3, 2, kLedGreen, true);
    const SpriteRect still = sprite(SpriteId::StillButton).rect;
    led(img, still.x + still.w - 6, still.y + 3 + dy, 3, 2, kLedAmber, false);

    dial(p, img, dy, lit);
}

// A pressed-or-not pair of zoom keys, as the face shows them side by side.
void zoom_pair(QPainter& p, QImage& img, int x, int y, bool minus_pressed, bool plus_pressed) {
    text_button(p, img, {x, y, 19, 13}, 0, minus_pressed, "-");
    text_button(p, img, {x + 19, y, 19, 13}, 0, plus_pressed, "+");
}

// The index-search keypad at its sheet place; lit: every key pressed.
void keypad(QPainter& p, QImage& img, int dy, bool lit) {
    const SpriteRect k = sprite(SpriteId::Keypad).rect;
    const QRect q = qrect(k, dy);
    fill(img, q, kEdgeDark);
    vgradient(p, q.adjusted(1, 1, -1, -1), QColor(0x2c, 0x2f, 0x34), QColor(0x18, 0x19, 0x1c));
    pixel_text(img, q.left() + 10, q.top() + 2, "INDEX SEARCH", kSilk.darker(110));
    for (const KeypadKey& key : kKeypadKeys) {
        const SpriteRect r{key.rect.x + kKeypadSheetOffset, key.rect.y, key.rect.w, key.rect.h};
        text_button(p, img, r, dy, lit, key.label);
    }
    // Number window; its digits come from the keypad digit rows.
    const SpriteRect w = kKeypadNumberWindow;
    const QRect number(w.x + kKeypadSheetOffset, w.y + dy, w.w, w.h);
    fill(img, number, kEdgeDark);
    fill(img, number.adjusted(1, 1, -1, -1), kLcdBg);
    for (int x : kKeypadNumberX)
        seg7(img, x + kKeypadSheetOffset, kKeypadNumberY + dy, 7, 15, 0, kLcdInk, kLcdGhost);
}

// Digits, knobs and the looks that live beside the faces.
void sprites(QPainter& p, QImage& img) {
    // Display digits: ink on the display's own colour, so they may be
    // copied or white-keyed alike.
    for (int d = 0; d < 10; ++d) {
        SpriteRect t = cell(SpriteId::TimeDigits, d);
        fill(img, qrect(t), kLcdBg);
        seg7(img, t.x, t.y, t.w, t.h, kDigitSegments[d], kLcdInk, kLcdGhost);
        SpriteRect c = cell(SpriteId::CounterDigits, d);
        fill(img, qrect(c), kLcdBg);
        seg7(img, c.x, c.y, c.w, c.h, kDigitSegments[d], kLcdInk, kLcdGhost);
        SpriteRect s = cell(SpriteId::SmallDigits, d);
        fill(img, qrect(s), kLcdBg);
        pixel_text(img, s.x, s.y, std::string(1, char('0' + d)), kLcdInk);
        for (SpriteId id : {SpriteId::KeypadDigits, SpriteId::KeypadDigitsLit}) {
            SpriteRect k = cell(id, d);
            fill(img, qrect(k), kLcdBg);
            const QColor ink = id == SpriteId::KeypadDigits ? kLcdInk : kLcdInkLit;
            seg7(img, k.x, k.y, k.w, k.h, kDigitSegments[d], ink, kLcdGhost);
        }
    }
    // Minus, hours mark ("h"), minutes mark (') and closing sign (").
    const SpriteRect minus = sprite(SpriteId::TimeMinus).rect;
    fill(img, qrect(minus), kLcdBg);
    seg7(img, minus.x, minus.y, 6, 13, 0x40, kLcdInk, kLcdGhost);
    const SpriteRect hours = sprite(SpriteId::TimeHoursMark).rect;
    fill(img, qrect(hours), kLcdBg);
    seg7(img, hours.x, hours.y, 6, 13, 0x74, kLcdInk, kLcdBg);
    const SpriteRect mins = sprite(SpriteId::TimeMinutesMark).rect;
    fill(img, qrect(mins), kLcdBg);
    vline(img, mins.x + 2, mins.y + 1, mins.y + 4, kLcdInk);
    const SpriteRect secs = sprite(SpriteId::TimeSecondsMark).rect;
    fill(img, qrect(secs), kLcdBg);
    vline(img, secs.x + 1, secs.y + 1, secs.y + 4, kLcdInk);
    vline(img, secs.x + 3, secs.y + 1, secs.y + 4, kLcdInk);
    const SpriteRect sep = sprite(SpriteId::CounterSeparator).rect;
    fill(img, qrect(sep), kLcdBg);
    for (int i = 0; i < 9; ++i)
        img.setPixel(sep.x + 4 - i / 2, sep.y + 1 + i, kLcdInk.rgb());

    // Seek knob: a bright pill with a centre line.
    const SpriteRect seek = sprite(SpriteId::SeekKnob).rect;
    fill(img, qrect(seek), kEdgeDark);
    vgradient(p, qrect(seek).adjusted(1, 1, -1, -1), QColor(0xf2, 0xf4, 0xf6),
              QColor(0x8c, 0x92, 0x9a));
    vline(img, seek.x + seek.w / 2, seek.y + 2, seek.y + seek.h - 3, kLedAmber.darker(110));
    for (QPoint c :
         {QPoint(seek.x, seek.y), QPoint(seek.x + seek.w - 1, seek.y),
          QPoint(seek.x, seek.y + seek.h - 1), QPoint(seek.x + seek.w - 1, seek.y + seek.h - 1)})
        img.setPixel(c, QColor(0x10, 0x12, 0x14).rgb());
    // Volume knob.
    const SpriteRect vol = sprite(SpriteId::VolumeKnob).rect;
    fill(img, qrect(vol), kEdgeDark);
    vgradient(p, qrect(vol).adjusted(1, 1, -1, -1), QColor(0xe6, 0xe9, 0xed),
              QColor(0x7c, 0x82, 0x8a));
    vline(img, vol.x + vol.w / 2, vol.y + 2, vol.y + vol.h - 3, kEdgeDark);
    // Jog knob: a dimple on pure white, keyed away around it.
    const SpriteRect jog = sprite(SpriteId::JogKnob).rect;
    fill(img, qrect(jog), Qt::white);
    {
        const double cx = jog.x + jog.w / 2.0, cy = jog.y + jog.h / 2.0;
        for (int y = 0; y < jog.h; ++y)
            for (int x = 0; x < jog.w; ++x) {
                const double dx = jog.x + x + 0.5 - cx, dy = jog.y + y + 0.5 - cy;
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r > 8.0) continue;
                // Concave: dark at the top left, light at the bottom right.
                const double shade = 0.5 + (dx + dy) / 22.0;
                int v = int(0x30 + shade * 0x70);
                if (r > 7.0) v = 0x20;
                img.setPixel(jog.x + x, jog.y + y, qRgb(v, v + 4, v + 10));
            }
    }

    // Looks kept beside the faces.
    const SpriteRect play_stopped = sprite(SpriteId::PlayStoppedLook).rect;
    button_body(p, img, qrect(play_stopped), false);
    symbol_play(img, play_stopped.x + 18, play_stopped.y + 12, kSymbol);
    led(img, play_stopped.x + play_stopped.w - 6, play_stopped.y + 3, 3, 2, kLedGreen, false);
    const SpriteRect paused = sprite(SpriteId::StillPausedLook).rect;
    button_body(p, img, qrect(paused), false);
    symbol_pause(img, paused.x + 14, paused.y + 11, kSymbol);
    led(img, paused.x + paused.w - 6, paused.y + 3, 3, 2, kLedAmber, true);
    const SpriteRect pressed_paused = sprite(SpriteId::StillPressedPausedLook).rect;
    button_body(p, img, qrect(pressed_paused), true);
    symbol_pause(img, pressed_paused.x + 14, pressed_paused.y + 12, kSymbolLit);
    led(img, pressed_paused.x + pressed_paused.w - 6, pressed_paused.y + 3, 3, 2, kLedAmber, true);
    const SpriteRect zp = sprite(SpriteId::ZoomPlusPressedLook).rect;
    zoom_pair(p, img, zp.x, zp.y, false, true);
    const SpriteRect zm = sprite(SpriteId::ZoomMinusPressedLook).rect;
    zoom_pair(p, img, zm.x, zm.y, true, false);

    // Badge: a sticker on pure white, keyed away around it.
    const SpriteRect badge = sprite(SpriteId::Badge).rect;
    const QRect bq = qrect(badge);
    fill(img, bq, Qt::white);
    QRect sticker = bq.adjusted(1, 1, -2, -2);
    fill(img, sticker.adjusted(1, 0, -1, 0), QColor(0x8a, 0x5a, 0x00));
    fill(img, sticker.adjusted(0, 1, 0, -1), QColor(0x8a, 0x5a, 0x00));
    hline(img, sticker.left() + 2, sticker.right() + 1, sticker.bottom() + 1,
          QColor(0x40, 0x40, 0x40));
    vline(img, sticker.right() + 1, sticker.top() + 2, sticker.bottom(), QColor(0x40, 0x40, 0x40));
    QRect inner = sticker.adjusted(1, 1, -1, -1);
    vgradient(p, inner, QColor(0xff, 0xe0, 0x5a), QColor(0xf2, 0xb8, 0x1c));
    pixel_text_large(img, inner.left() + (inner.width() - pixel_text_large_width("NEW!")) / 2,
                     inner.top() + 2, "NEW!", QColor(0xb0, 0x1c, 0x10));
    pixel_text(img, inner.left() + (inner.width() - pixel_text_width("JOG SHUTTLE")) / 2,
               inner.top() + 11, "JOG SHUTTLE", QColor(0x30, 0x22, 0x08));
    pixel_text(img, inner.left() + (inner.width() - pixel_text_width("DRAG ME OFF")) / 2,
               inner.top() + 17, "DRAG ME OFF", QColor(0x6a, 0x4a, 0x10));

    keypad(p, img, 0, false);
    keypad(p, img, kLitRows, true);
}

}  // namespace

QImage draw_sheet() {
    QImage img(640, 400, QImage::Format_RGB32);
    img.fill(QColor(0x10, 0x11, 0x13));
    QPainter p(&img);
    face(p, img, 0, false, false);
    face(p, img, kLitRows, true, false);
    face(p, img, 200, false, true);
    face(p, img, 300, true, true);
    sprites(p, img);
    p.end();
    return img;
}

QImage draw_text_canvas() {
    QImage img(640, 400, QImage::Format_RGB32);
    img.fill(Qt::white);
    fill(img, QRect(636, 396, 4, 4), Qt::black);
    return img;
}

QImage draw_icon() {
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient body(0, 4, 0, 60);
    body.setColorAt(0, kBodyTop.lighter(120));
    body.setColorAt(1, kBodyBottom);
    p.setPen(QPen(kEdgeDark, 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    QRadialGradient disc(QPointF(26, 26), 30);
    disc.setColorAt(0, QColor(0xb4, 0xba, 0xc2));
    disc.setColorAt(1, QColor(0x44, 0x48, 0x50));
    p.setBrush(disc);
    p.drawEllipse(QPointF(32, 32), 21, 21);
    p.setBrush(kLedAmber);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(32, 17), 4, 4);
    p.setBrush(QColor(0x1a, 0x1c, 0x20));
    p.drawEllipse(QPointF(40, 40), 5, 5);
    p.end();
    return img;
}

}  // namespace rq::art
