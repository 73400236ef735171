#include "WindowArt.h"

#include "Canvas.h"
#include "Fonts.h"
#include "Quantize.h"
#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

#include <stdexcept>

namespace artwork {

using namespace style;

namespace {

const QColor kBlack{0, 0, 0};

// A path for a line of text whose ink is centred horizontally at centreX with
// its baseline at `baseline`.
QPainterPath centredTextPath(const QString &text, const QFont &font, double centreX, double baseline)
{
    QPainterPath path;
    path.addText(0, baseline, font, text);
    const QRectF ink = path.boundingRect();
    return path.translated(std::round(centreX - ink.center().x()), 0);
}

// Palette reduction of a picture on black at `scale` times its size: black
// kept exact, and a flat area as many pixels as it covers at that size.
QuantizeOptions onBlack(int scale)
{
    QuantizeOptions options;
    options.keep = {kBlack.rgb()};
    options.flatPixels *= scale * scale;
    return options;
}

} // namespace

// ---- Title ------------------------------------------------------------------

QImage titleLettering(int scale)
{
    constexpr int W = 452, H = 104;
    QImage image(W * scale, H * scale, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter p(&image);
    prepareScaledPainter(p, scale);
    const QFont font = libertine(50, true);
    const QPainterPath top = centredTextPath("Quillmere", font, W / 2.0, 45);
    const QPainterPath bottom = centredTextPath("Tarot", font, W / 2.0, 95);

    for (const QPainterPath &line : {top, bottom}) {
        const QRectF ink = line.boundingRect();
        // A dark rim below and right, then the metal: a polished gold with a
        // bright horizon line across the letters.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 40, 12));
        p.drawPath(line.translated(1.5, 1.5));
        QLinearGradient metal(0, ink.top(), 0, ink.bottom());
        metal.setColorAt(0.00, QColor(255, 246, 200));
        metal.setColorAt(0.30, QColor(238, 196, 90));
        metal.setColorAt(0.52, QColor(150, 96, 28));
        metal.setColorAt(0.56, QColor(255, 236, 160));
        metal.setColorAt(0.80, QColor(214, 160, 60));
        metal.setColorAt(1.00, QColor(120, 74, 20));
        p.setBrush(metal);
        p.setPen(QPen(QColor(60, 34, 10), 0.8));
        p.drawPath(line);
    }
    p.end();
    return image;
}

IndexedImage titleRendition()
{
    return quantize(titleLettering(kSupersample), onBlack(kSupersample));
}

// ---- Flourishes -------------------------------------------------------------

IndexedImage flourishLeft(int scale)
{
    constexpr int W = 127, H = 36;
    Canvas canvas(W, H, kBlack);
    QPainter &p = canvas.painter();
    const Tone bronze{{206, 132, 58}, {136, 78, 30}};

    // The body: a curve from a curl at the left end to the head at the right,
    // swelling in the middle and thinning to the tail.
    auto centre = [](double t) {
        // t from 0 (tail, inside the curl) to 1 (head).
        if (t < 0.3) {
            const double s = t / 0.3; // the curl: a spiral round (20, 18)
            const double a = M_PI * (0.5 + 2.2 * (1 - s));
            const double r = 3 + 11 * s;
            return QPointF(20 + r * std::cos(a), 18 - r * std::sin(a));
        }
        const double s = (t - 0.3) / 0.7;
        return QPointF(20 + s * 90, 18 - 14 * std::sin(s * M_PI * 1.6 + 1.57) * (0.4 + 0.6 * (1 - s)));
    };
    // Thin at the tail inside the curl, fullest toward the head.
    auto width = [](double t) { return 0.8 + 4.6 * std::sin(t * M_PI * 0.62); };
    std::vector<QPointF> left, right;
    const int n = 90;
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const QPointF a = centre(std::max(0.0, t - 0.002)), b = centre(std::min(1.0, t + 0.002));
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        d /= len;
        const QPointF normal(-d.y(), d.x());
        left.push_back(centre(t) + normal * width(t) / 2);
        right.push_back(centre(t) - normal * width(t) / 2);
    }
    QPainterPath body;
    body.moveTo(left.front());
    for (const QPointF &q : left)
        body.lineTo(q);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        body.lineTo(*it);
    body.closeSubpath();
    body = body.simplified();
    drawShape(p, body, bronze, 1.2, 0.9);

    // The head: a rounded wedge at the end, with an eye.
    const QPointF tip = centre(1.0);
    // A forked tongue flickering ahead of the head.
    QPainterPath tongue;
    tongue.moveTo(tip + QPointF(4, 0.5));
    tongue.lineTo(tip + QPointF(8.5, 0.5));
    tongue.lineTo(tip + QPointF(10.5, -1.2));
    tongue.moveTo(tip + QPointF(8.5, 0.5));
    tongue.lineTo(tip + QPointF(10.5, 2.2));
    drawLine(p, tongue, QColor(190, 40, 30), 0.8);
    QPainterPath head;
    head.moveTo(tip + QPointF(-7, -2.5));
    head.cubicTo(tip + QPointF(-2, -5.5), tip + QPointF(5, -4), tip + QPointF(6, 0.5));
    head.cubicTo(tip + QPointF(5, 4), tip + QPointF(-2, 4.5), tip + QPointF(-7, 2.5));
    head.closeSubpath();
    drawShape(p, head, bronze, 1.2, 0.9);
    QPainterPath eye;
    eye.addEllipse(QPointF(tip.x() + 1, tip.y() - 1), 1.1, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 16, 4));
    p.drawPath(eye);
    // Scales: short ticks along the back.
    QPainterPath scales;
    for (int i = 38; i < 86; i += 5) {
        const double t = static_cast<double>(i) / n;
        scales.moveTo(centre(t));
        scales.lineTo((centre(t) + left[static_cast<std::size_t>(i)]) / 2);
    }
    drawLine(p, scales, bronze.shade, 0.7);

    return quantize(canvas.finish(scale), onBlack(scale));
}

IndexedImage mirrored(const IndexedImage &image)
{
    IndexedImage out = image;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            out.pixels[static_cast<std::size_t>(y * image.width + x)] = image.at(image.width - 1 - x, y);
    }
    return out;
}

// ---- Star -------------------------------------------------------------------

IndexedImage star(int scale)
{
    constexpr int S = 48;
    Canvas canvas(S, S, kBlack);
    QPainter &p = canvas.painter();
    const QPointF c(S / 2.0, S / 2.0);
    const double outer = 22.5, thickness = 4.2;

    auto triangle = [&](double rotation, double r) {
        QPolygonF poly;
        for (int i = 0; i < 3; ++i) {
            const double a = rotation + i * 2 * M_PI / 3;
            poly << c + QPointF(std::cos(a), std::sin(a)) * r;
        }
        return poly;
    };
    // The inner triangle is the outer one moved in by the band's thickness:
    // an inscribed circle shrinks by `thickness`, the circumradius by twice that.
    auto band = [&](double rotation) {
        QPainterPath path;
        path.addPolygon(triangle(rotation, outer));
        path.closeSubpath();
        path.addPolygon(triangle(rotation, outer - 2 * thickness));
        path.closeSubpath();
        return path;
    };
    const QPainterPath up = band(-M_PI / 2), down = band(M_PI / 2);

    // The blue centre: the hexagon both triangles enclose.
    QPainterPath hexagon;
    hexagon.addPolygon(triangle(-M_PI / 2, outer - 2 * thickness));
    QPainterPath inner2;
    inner2.addPolygon(triangle(M_PI / 2, outer - 2 * thickness));
    hexagon = hexagon.intersected(inner2);
    drawShape(p, hexagon, Tone{{40, 86, 210}, {26, 54, 150}}, 1.4, 0.8);

    drawShape(p, up, kGold, 1.2, 0.8);
    drawShape(p, down, kGold, 1.2, 0.8);
    // Interlacing: at every other crossing the rising triangle passes over the
    // falling one, drawn again there with its outline.
    QPainterPathStroker widen;
    widen.setWidth(2.0);
    const QPainterPath upWithEdge = up.united(widen.createStroke(up));
    for (int k = 0; k < 6; k += 2) {
        const double a = -M_PI / 3 + k * M_PI / 3;
        QPainterPath wedge;
        wedge.moveTo(c);
        wedge.lineTo(c + QPointF(std::cos(a - 0.45), std::sin(a - 0.45)) * 40);
        wedge.lineTo(c + QPointF(std::cos(a + 0.45), std::sin(a + 0.45)) * 40);
        wedge.closeSubpath();
        p.save();
        p.setClipPath(upWithEdge.intersected(wedge));
        drawShape(p, up, kGold, 1.2, 0.8);
        p.restore();
    }
    return quantize(canvas.finish(scale), onBlack(scale));
}

// ---- Banners ----------------------------------------------------------------

IndexedImage banner(const QString &text, int width, int scale)
{
    constexpr int H = 33;
    QImage image(width * scale, H * scale, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter p(&image);
    prepareScaledPainter(p, scale);
    int size = 22;
    while (size > 10 && QFontMetricsF(libertine(size)).horizontalAdvance(text) > width - 12)
        --size;
    const QFont font = libertine(size);
    const QFontMetricsF m(font);
    p.setFont(font);
    p.setPen(QColor(208, 208, 208));
    const double w = m.horizontalAdvance(text);
    drawFinalText(p, QPointF(std::round((width - w) / 2), std::round((H + m.capHeight()) / 2)), text);
    p.end();
    return quantize(image, onBlack(scale));
}

// ---- Cursor -----------------------------------------------------------------

QImage handCursor()
{
    // Pixel art, top row first: '.' transparent, 'r' red outline, 'w' white.
    // The index finger's tip is the top-left pixel, the cursor's hot spot.
    // clang-format off
    static const char *const rows[] = {
        "rrrrr...........................",
        "rwwwr...........................",
        "rwwwr...........................",
        "rwwwr...........................",
        "rwwwr...........................",
        "rwwwr...........................",
        "rwwwr...........................",
        "rwwwrrrr........................",
        "rwwwrwwwrrr.....................",
        "rwwwrwwwrwwrrr..................",
        "rwwwrwwwrwwrwwrr................",
        "rwwwrwwwrwwrwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwwr...............",
        "rwwwwwwwwwwwwwwr................",
        ".rwwwwwwwwwwwwwr................",
        ".rwwwwwwwwwwwwwr................",
        "..rwwwwwwwwwwwr.................",
        "..rwwwwwwwwwwwr.................",
        "..rrrrrrrrrrrrr.................",
        "..rwwwwwwwwwwwr.................",
        "..rwwwwwwwwwwwr.................",
        "..rrrrrrrrrrrrr.................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
    };
    // clang-format on
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(204, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = rows[y][x];
            image.setPixel(x, y, c == 'r' ? 1u : c == 'w' ? 2u : 0u);
        }
    }
    return image;
}

// ---- Icon -------------------------------------------------------------------

QImage icon(int size)
{
    const double s = size;
    const QColor yellow(255, 224, 0), olive(128, 128, 0), green(0, 150, 40);
    Canvas canvas(size, size, kBlack);
    QPainter &p = canvas.painter();
    p.scale(s / 32.0, s / 32.0); // drawn on a 32-unit grid at every size
    const QPointF centre(30, 30);
    const double radius = 15;

    // Rays toward the upper left: short strokes, yellow and olive in turn.
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI + (i + 0.5) * (M_PI / 2) / 9 - 0.08;
        const QPointF d(std::cos(a), std::sin(a));
        const double r0 = radius + 3 + (i % 2) * 2, r1 = r0 + (i % 2 ? 5 : 8);
        QPainterPath ray;
        ray.moveTo(centre + d * r0);
        ray.lineTo(centre + d * r1);
        p.setPen(QPen(i % 2 ? olive : yellow, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ray);
    }
    // A few green dots among the rays.
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    for (const QPointF &dot : {QPointF(7, 16), QPointF(16, 7), QPointF(4, 7), QPointF(11, 3), QPointF(3, 12)})
        p.drawEllipse(dot, 1.1, 1.1);

    // The sun, cut off by the lower-right corner, with its face in olive.
    p.setBrush(yellow);
    p.drawEllipse(centre, radius, radius);
    // The face looks toward the upper left: eyes across the diagonal, the
    // smile nearer the corner.
    p.setBrush(olive);
    p.drawEllipse(QPointF(20.6, 25.6), 1.3, 1.3);
    p.drawEllipse(QPointF(25.6, 20.6), 1.3, 1.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(olive, 1.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(23.0, 29.4);
    smile.quadTo(27.4, 27.4, 29.4, 23.0);
    p.drawPath(smile);
    if (size >= 64) { // room for a nose and cheeks
        p.setPen(QPen(olive, 0.9, Qt::SolidLine, Qt::RoundCap));
        QPainterPath nose;
        nose.moveTo(23.6, 23.6);
        nose.lineTo(25.2, 26.0);
        nose.lineTo(26.0, 25.2);
        p.drawPath(nose);
    }

    const QImage image = canvas.finish().convertToFormat(QImage::Format_RGB32);
    if (size != 32)
        return image;
    QuantizeOptions options;
    options.maxColours = 16;
    options.keep = {kBlack.rgb(), yellow.rgb(), olive.rgb(), green.rgb()};
    options.flatPixels = 6;
    return quantize(image, options).toQImage();
}

} // namespace artwork
