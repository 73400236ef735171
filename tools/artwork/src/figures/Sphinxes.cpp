#include "figures/Sphinxes.h"

#include "figures/Figure.h"
#include "figures/Shapes.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// Fills `shape` in the headcloth's colour with its stripes running across.
void stripedCloth(QPainter &p, const QPainterPath &shape, const SphinxLook &look, double h)
{
    drawShape(p, shape, look.headcloth, std::max(1.0, h * 0.06), kInteriorLine);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const QRectF box = shape.boundingRect();
    QPainterPath bands;
    for (double y = box.top() + h * 0.1; y < box.bottom(); y += h * 0.17) {
        bands.moveTo(box.left() - 2, y);
        bands.lineTo(box.right() + 2, y);
    }
    drawLine(p, bands, look.stripe, std::max(0.8, h * 0.05));
    p.restore();
    drawLine(p, shape, kOutline, kInteriorLine);
}

// The head: the headcloth's lappets behind and down onto the breast, the
// face, then the cloth drawn tight over the crown with a band at the brow.
void sphinxHead(QPainter &p, QPointF c, double h, const SphinxLook &look)
{
    const double w = h * 0.88 * look.breadth;
    std::vector<QPointF> lappets;
    for (const QPointF &q :
         std::vector<QPointF>{{0, -0.58}, {0.58, -0.42}, {0.62, 0.1}, {0.7, 0.7}, {0.64, 1.0}, {0.32, 0.98}})
        lappets.emplace_back(q.x() * w, c.y() + q.y() * h);
    stripedCloth(p, smoothClosed(mirrored(c.x(), lappets)), look, h);

    Figure face;
    face.build = Build::Woman;
    face.hair = Hair::Bald;
    face.hairColour = look.headcloth.base;
    face.skin = look.face;
    face.features = Features{.view = look.turn == 0 ? View::Front : View::ThreeQuarter,
                             .side = look.turn == 0 ? 1 : look.turn,
                             .gaze = look.gaze,
                             .age = look.ancient ? Age::Old : Age::Prime,
                             .expression = look.stern ? Expression::Stern : Expression::Calm,
                             .breadth = look.breadth,
                             .blush = false}; // a carved face does not flush
    paintHead(p, face, c, h);

    // The cloth over the crown, its sides coming down over the ears.
    const double shift = look.turn * 0.06 * w;
    QPainterPath cap;
    cap.moveTo(c + QPointF(-0.62 * w + shift, 0.34 * h));
    cap.cubicTo(c + QPointF(-0.7 * w + shift, -0.74 * h), c + QPointF(0.7 * w + shift, -0.74 * h),
                c + QPointF(0.62 * w + shift, 0.34 * h));
    cap.lineTo(c + QPointF(0.47 * w + shift, 0.34 * h));
    cap.cubicTo(c + QPointF(0.46 * w + shift, 0.0), c + QPointF(0.42 * w + shift, -0.3 * h),
                c + QPointF(shift, -0.3 * h));
    cap.cubicTo(c + QPointF(-0.42 * w + shift, -0.3 * h), c + QPointF(-0.46 * w + shift, 0.0),
                c + QPointF(-0.47 * w + shift, 0.34 * h));
    cap.closeSubpath();
    stripedCloth(p, cap, look, h);
    // The plain band across the brow.
    QPainterPath band;
    band.moveTo(c + QPointF(-0.48 * w + shift, -0.2 * h));
    band.quadTo(c + QPointF(shift, -0.42 * h), c + QPointF(0.48 * w + shift, -0.2 * h));
    drawLine(p, band, kOutline, std::max(1.6, h * 0.1));
    drawLine(p, band, look.headcloth.base, std::max(0.8, h * 0.06));
}

// A paw seen from the front: a rounded pad with the toes marked across it.
void paw(QPainter &p, QPointF c, double rx, double ry, const Tone &coat)
{
    drawShape(p, ellipse(c, rx, ry), coat, std::max(0.6, ry * 0.25), kInteriorLine);
    QPainterPath toes;
    for (double k : {-0.33, 0.0, 0.33}) {
        toes.moveTo(c + QPointF(k * rx, ry * 0.1));
        toes.lineTo(c + QPointF(k * rx * 1.1, ry * 0.95));
    }
    drawLine(p, toes, coat.shade, kInteriorLine);
}

// The hind quarters lying off to `look.haunch`'s side behind the chest, a
// hind paw tucked under them and the tail curled round in front.
void sphinxHaunch(QPainter &p, const QTransform &t, double s, const SphinxLook &look)
{
    const double k = look.haunch;
    std::vector<QPointF> back;
    for (const QPointF &q : std::vector<QPointF>{
             {0.1, -0.5}, {0.36, -0.5}, {0.54, -0.44}, {0.64, -0.3}, {0.66, -0.12}, {0.6, -0.01}, {0.2, -0.01}})
        back.emplace_back(k * q.x(), q.y());
    drawShape(p, t.map(smoothClosed(back)), look.coat, std::max(1.2, s * 0.05), 1.0);
    QPainterPath thigh;
    thigh.moveTo(k * 0.34, -0.06);
    thigh.cubicTo(k * 0.34, -0.3, k * 0.5, -0.38, k * 0.58, -0.3);
    drawLine(p, t.map(thigh), look.coat.shade, kInteriorLine);
    paw(p, t.map(QPointF(k * 0.45, -0.035)), 0.1 * s, 0.045 * s, look.coat);
    // The tail round the haunch, its tuft lying on the ground before it.
    QPainterPath tail;
    tail.moveTo(k * 0.6, -0.06);
    tail.cubicTo(k * 0.68, 0.0, k * 0.62, 0.03, k * 0.5, 0.02);
    drawLine(p, t.map(tail), kOutline, std::max(2.4, s * 0.055));
    drawLine(p, t.map(tail), look.coat.base, std::max(1.2, s * 0.03));
    drawShape(p, ellipse(t.map(QPointF(k * 0.46, 0.015)), 0.05 * s, 0.025 * s), look.coat, 0.5, kInteriorLine);
}

// The breast and the forelegs stretched out towards the viewer.
void sphinxBreast(QPainter &p, const QTransform &t, double s, const SphinxLook &look)
{
    const std::vector<QPointF> right{{0, -0.66},   {0.2, -0.64},  {0.31, -0.52}, {0.34, -0.32},
                                     {0.3, -0.12}, {0.16, -0.07}, {0.0, -0.09}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), q.y());
    drawShape(p, t.map(smoothClosed(mirrored(0, pts))), look.coat, std::max(1.2, s * 0.05), 1.0);
    for (int side : {-1, 1}) {
        const bool leads = side == look.leadingPaw;
        const double x = side * (leads ? 0.21 : 0.19);
        const double footY = leads ? -0.02 : -0.05;
        drawShape(p, t.map(limb({{side * 0.2, -0.46}, {x, -0.24}, {x, footY}}, {0.1, 0.085, 0.08})), look.coat,
                  std::max(0.8, s * 0.03), 1.0);
        paw(p, t.map(QPointF(x, footY + 0.01)), (leads ? 0.13 : 0.115) * s, (leads ? 0.06 : 0.05) * s, look.coat);
    }
}

} // namespace

void paintCouchantSphinx(QPainter &p, QPointF base, double height, const SphinxLook &look)
{
    const double s = height;
    QTransform t;
    t.translate(base.x(), base.y());
    t.scale(s, s);
    sphinxHaunch(p, t, s, look);
    sphinxBreast(p, t, s, look);
    const double h = 0.36 * s;
    const QPointF neck = t.map(QPointF(0, -0.6));
    p.save();
    p.translate(neck);
    p.rotate(look.tilt);
    p.translate(-neck);
    sphinxHead(p, t.map(QPointF(0, -0.78)), h, look);
    p.restore();
}

} // namespace artwork::figures
