// The head: face, hair, beard and headwear, from the front or from behind.

#include "figures/Figure.h"

#include "Emblems.h"
#include "figures/FigurePainter.h"
#include "figures/Shapes.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace detail {

void FigurePainter::hairBack(QPointF c, double w, double h)
{
    if (f_.hair == Hair::Bald || f_.headwear == Headwear::Hood || f_.headwear == Headwear::Helm)
        return;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    if (f_.hair == Hair::Long) {
        // Close round the head, then falling in locks behind the shoulders.
        const std::vector<QPointF> right{{0, -0.58 * h},      {0.48 * w, -0.46 * h}, {0.58 * w, -0.05 * h},
                                         {0.6 * w, 0.45 * h}, {0.78 * w, 0.95 * h},  {0.86 * w, 1.3 * h},
                                         {0.6 * w, 1.22 * h}, {0.42 * w, 1.32 * h},  {0.2 * w, 1.2 * h}};
        std::vector<QPointF> pts;
        for (const QPointF &q : right)
            pts.emplace_back(q.x(), c.y() + q.y());
        const QPainterPath locks = smoothClosed(mirrored(c.x(), pts));
        drawShape(p_, locks, hair, std::max(1.0, 0.08 * h));
        QPainterPath strands;
        for (int s : {-1, 1}) {
            strands.moveTo(c + QPointF(s * 0.55 * w, 0.3 * h));
            strands.quadTo(c + QPointF(s * 0.66 * w, 0.8 * h), c + QPointF(s * 0.62 * w, 1.15 * h));
        }
        drawLine(p_, strands, hair.shade, std::max(0.6, 0.04 * h));
    } else {
        drawShape(p_, ellipse(c + QPointF(0, -0.08 * h), 0.56 * w, 0.52 * h), hair, std::max(1.0, 0.06 * h));
    }
}

void FigurePainter::hairFront(QPointF c, double w, double h)
{
    if (f_.headwear == Headwear::Hood || f_.headwear == Headwear::Helm)
        return;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    if (f_.hair == Hair::Bald) {
        // A fringe of hair round the sides only.
        for (int s : {-1, 1})
            drawShape(p_, ellipse(c + QPointF(s * 0.48 * w, -0.02 * h), 0.12 * w, 0.2 * h), hair, 0.5, 0.7);
        return;
    }
    // Over the top of the head down to the temples, parted a little off the middle.
    const double part = -0.1 * w + f_.turn * 0.1 * w;
    QPainterPath top;
    top.moveTo(c + QPointF(-0.53 * w, 0.05 * h));
    top.cubicTo(c + QPointF(-0.6 * w, -0.55 * h), c + QPointF(0.6 * w, -0.55 * h), c + QPointF(0.53 * w, 0.05 * h));
    top.cubicTo(c + QPointF(0.45 * w, -0.2 * h), c + QPointF(0.3 * w, -0.26 * h), c + QPointF(part, -0.3 * h));
    top.cubicTo(c + QPointF(-0.3 * w, -0.26 * h), c + QPointF(-0.45 * w, -0.2 * h), c + QPointF(-0.53 * w, 0.05 * h));
    top.closeSubpath();
    drawShape(p_, top, hair, std::max(0.8, 0.06 * h));
}

void FigurePainter::beard(QPointF c, double w, double h)
{
    if (f_.beard == Beard::None)
        return;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    const double length = f_.beard == Beard::Full ? 0.62 * h : 0.2 * h;
    const double tip = 0.5 * h + length;
    QPainterPath b;
    b.moveTo(c + QPointF(-0.5 * w, 0.02 * h));
    b.cubicTo(c + QPointF(-0.5 * w, 0.45 * h), c + QPointF(-0.32 * w, tip - 0.1 * h),
              c + QPointF(f_.turn * 0.05 * w, tip));
    b.cubicTo(c + QPointF(0.32 * w, tip - 0.1 * h), c + QPointF(0.5 * w, 0.45 * h), c + QPointF(0.5 * w, 0.02 * h));
    // Up the inside: the cheeks stay bare above the moustache.
    b.cubicTo(c + QPointF(0.38 * w, 0.2 * h), c + QPointF(0.3 * w, 0.22 * h), c + QPointF(0.2 * w, 0.24 * h));
    b.cubicTo(c + QPointF(0.1 * w, 0.18 * h), c + QPointF(-0.1 * w, 0.18 * h), c + QPointF(-0.2 * w, 0.24 * h));
    b.cubicTo(c + QPointF(-0.3 * w, 0.22 * h), c + QPointF(-0.38 * w, 0.2 * h), c + QPointF(-0.5 * w, 0.02 * h));
    b.closeSubpath();
    drawShape(p_, b, hair, std::max(0.8, 0.07 * h));
    if (f_.beard == Beard::Full) {
        // Strands down the beard.
        QPainterPath strands;
        for (double x : {-0.2, 0.0, 0.2}) {
            strands.moveTo(c + QPointF(x * w, 0.55 * h));
            strands.quadTo(c + QPointF(x * 1.1 * w, 0.75 * h), c + QPointF(x * 0.6 * w, tip - 0.12 * h));
        }
        drawLine(p_, strands, hair.shade, std::max(0.6, 0.04 * h));
    }
}

void FigurePainter::face(QPointF c, double w, double h)
{
    const double t = std::clamp(f_.turn, -1.0, 1.0);
    // The face: a rounded oval narrowing to the chin.
    std::vector<QPointF> right{{0, -0.5 * h},        {0.43 * w, -0.38 * h}, {0.5 * w, -0.02 * h},
                               {0.42 * w, 0.28 * h}, {0.2 * w, 0.46 * h},   {0, 0.5 * h}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    const QPainterPath shape = smoothClosed(mirrored(c.x(), pts));
    // Ears first, tucked behind the cheeks.
    if (f_.headwear != Headwear::Hood && f_.headwear != Headwear::Helm && f_.hair != Hair::Long) {
        for (int s : {-1, 1})
            drawShape(p_, ellipse(c + QPointF(s * 0.5 * w, 0.04 * h), 0.09 * w, 0.14 * h), f_.skin, 0.4, 0.7);
    }
    drawShape(p_, shape, f_.skin, std::max(0.8, 0.06 * h));

    const double lw = std::max(0.6, 0.045 * h);
    const double shift = t * 0.12 * w;
    const double eyeY = 0.02 * h;
    // Cheeks.
    if (f_.beard != Beard::Full) {
        for (int s : {-1, 1})
            drawShape(p_, ellipse(c + QPointF(s * 0.27 * w + shift, 0.2 * h), 0.09 * w, 0.06 * h), {kBlush, kBlush}, 0,
                      0);
    }
    // Eyes: dark almonds; brows: arcs in the hair's colour, darker.
    const QColor brow = f_.hairColour.darker(170);
    for (int s : {-1, 1}) {
        const QPointF e = c + QPointF(s * 0.2 * w + shift * (s * t > 0 ? 0.8 : 1.2), eyeY);
        drawShape(p_, ellipse(e, 0.085 * w, 0.05 * h), {kFeature, kFeature}, 0, 0);
        QPainterPath b;
        b.moveTo(e + QPointF(-0.13 * w, -0.08 * h));
        b.quadTo(e + QPointF(0, -0.16 * h), e + QPointF(0.13 * w, -0.09 * h));
        drawLine(p_, b, brow, lw);
    }
    // Nose: down from between the brows, turning at its tip to the side the face looks.
    const double nx = c.x() + shift * 1.4;
    const double hook = t >= 0 ? 1.0 : -1.0;
    QPainterPath nose;
    nose.moveTo(nx - hook * 0.02 * w, c.y() - 0.02 * h);
    nose.quadTo(nx + hook * 0.05 * w, c.y() + 0.14 * h, nx + hook * 0.07 * w, c.y() + 0.2 * h);
    nose.quadTo(nx + hook * 0.02 * w, c.y() + 0.24 * h, nx - hook * 0.08 * w, c.y() + 0.21 * h);
    drawLine(p_, nose, kFeature, lw);
    // Mouth.
    QPainterPath mouth;
    const double mx = c.x() + shift;
    mouth.moveTo(mx - 0.12 * w, c.y() + 0.32 * h);
    mouth.quadTo(mx, c.y() + 0.36 * h, mx + 0.12 * w, c.y() + 0.32 * h);
    drawLine(p_, mouth, f_.beard == Beard::None ? kLips : kLips.darker(130), lw * 1.2);
}

void FigurePainter::helm(QPointF c, double w, double h)
{
    // An open-faced helm: a steel dome, cheek guards, a brim over the brow, a plume.
    const Tone plume = headwearTone();
    QPainterPath feather;
    feather.moveTo(c + QPointF(0.05 * w, -0.5 * h));
    feather.cubicTo(c + QPointF(-0.2 * w, -1.3 * h), c + QPointF(-0.9 * w, -1.25 * h), c + QPointF(-1.1 * w, -0.7 * h));
    feather.cubicTo(c + QPointF(-0.7 * w, -0.95 * h), c + QPointF(-0.3 * w, -0.85 * h),
                    c + QPointF(0.2 * w, -0.45 * h));
    feather.closeSubpath();
    drawShape(p_, f_.facing < 0 ? flippedX(feather, c.x()) : feather, plume, std::max(1.0, 0.1 * h));
    QPainterPath dome;
    dome.moveTo(c + QPointF(-0.58 * w, 0.3 * h));
    dome.lineTo(c + QPointF(-0.6 * w, -0.15 * h));
    dome.cubicTo(c + QPointF(-0.6 * w, -0.75 * h), c + QPointF(0.6 * w, -0.75 * h), c + QPointF(0.6 * w, -0.15 * h));
    dome.lineTo(c + QPointF(0.58 * w, 0.3 * h));
    dome.lineTo(c + QPointF(0.42 * w, 0.32 * h));
    dome.lineTo(c + QPointF(0.42 * w, -0.12 * h));
    dome.lineTo(c + QPointF(-0.42 * w, -0.12 * h));
    dome.lineTo(c + QPointF(-0.42 * w, 0.32 * h));
    dome.closeSubpath();
    drawShape(p_, dome, kSteel, std::max(1.0, 0.1 * h));
    QPainterPath ridge;
    ridge.moveTo(c + QPointF(0, -0.58 * h));
    ridge.lineTo(c + QPointF(0, -0.2 * h));
    drawLine(p_, ridge, kSteel.shade, std::max(0.7, 0.05 * h));
    QPainterPath brim;
    brim.addRoundedRect(QRectF(c + QPointF(-0.64 * w, -0.22 * h), c + QPointF(0.64 * w, -0.08 * h)), 0.05 * h,
                        0.05 * h);
    drawShape(p_, brim, kIron, 0.6, 0.8);
}

void FigurePainter::cap(QPointF c, double w, double h)
{
    // A soft cap tipped to one side with a feather sweeping back.
    const Tone cloth = headwearTone();
    const double d = f_.facing < 0 ? -1 : 1;
    QPainterPath feather;
    feather.moveTo(c + QPointF(-d * 0.1 * w, -0.5 * h));
    feather.cubicTo(c + QPointF(-d * 0.5 * w, -1.1 * h), c + QPointF(-d * 1.0 * w, -1.05 * h),
                    c + QPointF(-d * 1.25 * w, -0.8 * h));
    feather.cubicTo(c + QPointF(-d * 0.9 * w, -0.82 * h), c + QPointF(-d * 0.5 * w, -0.7 * h),
                    c + QPointF(-d * 0.2 * w, -0.42 * h));
    feather.closeSubpath();
    drawShape(p_, feather, kParchment, std::max(0.8, 0.08 * h));
    QPainterPath cap;
    cap.moveTo(c + QPointF(-0.62 * w, -0.3 * h));
    cap.cubicTo(c + QPointF(-0.75 * w, -0.95 * h), c + QPointF(0.5 * w, -1.05 * h), c + QPointF(0.78 * w, -0.42 * h));
    cap.lineTo(c + QPointF(0.6 * w, -0.28 * h));
    cap.closeSubpath();
    drawShape(p_, d < 0 ? flippedX(cap, c.x()) : cap, cloth, std::max(1.0, 0.12 * h));
    QPainterPath brim;
    brim.moveTo(c + QPointF(-0.64 * w, -0.28 * h));
    brim.quadTo(c + QPointF(0, -0.46 * h), c + QPointF(0.66 * w, -0.3 * h));
    brim.lineTo(c + QPointF(0.64 * w, -0.18 * h));
    brim.quadTo(c + QPointF(0, -0.33 * h), c + QPointF(-0.62 * w, -0.16 * h));
    brim.closeSubpath();
    drawShape(p_, brim, f_.robe.trim, 0.6, 0.8);
}

void FigurePainter::headwear(QPointF c, double unit)
{
    const double w = proportionsOf(f_.build).headWidth * unit, h = unit;
    switch (f_.headwear) {
    case Headwear::None:
    case Headwear::Hood:
        break;
    case Headwear::Crown: {
        const QRectF box(c.x() - 0.62 * w, c.y() - 1.02 * h, 1.24 * w, 0.72 * h);
        paintRankSign(p_, quillmere::Rank::King, box);
        break;
    }
    case Headwear::Coronet: {
        const QRectF box(c.x() - 0.56 * w, c.y() - 0.8 * h, 1.12 * w, 0.5 * h);
        paintRankSign(p_, quillmere::Rank::Queen, box);
        break;
    }
    case Headwear::Helm:
        helm(c, w, h);
        break;
    case Headwear::Cap:
        cap(c, w, h);
        break;
    case Headwear::Wreath: {
        QPainterPath leaves;
        for (int i = 0; i < 9; ++i) {
            const double a = M_PI + i * M_PI / 8;
            const QPointF q = c + QPointF(std::cos(a) * 0.55 * w, -0.28 * h + std::sin(a) * 0.12 * h);
            leaves.addPath(ellipse(q, 0.13 * w, 0.07 * h, a * 180 / M_PI + 40));
        }
        drawShape(p_, united(leaves), kLeaf, 0.6, 0.8);
        break;
    }
    }
}

void FigurePainter::backOfHead(QPointF c, double w, double h)
{
    // The ears at the sides, then the hair over the whole head (a bald crown
    // in the skin, with its fringe), long hair falling over the shoulders.
    if (f_.headwear != Headwear::Hood && f_.headwear != Headwear::Helm) {
        for (int s : {-1, 1})
            drawShape(p_, ellipse(c + QPointF(s * 0.5 * w, 0.04 * h), 0.09 * w, 0.14 * h), f_.skin, 0.4, 0.7);
    }
    if (f_.hair == Hair::Long)
        hairBack(c, w, h);
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    const bool bald = f_.hair == Hair::Bald;
    const std::vector<QPointF> right{{0, -0.52 * h},       {0.45 * w, -0.4 * h}, {0.53 * w, 0.0},
                                     {0.44 * w, 0.34 * h}, {0.22 * w, 0.5 * h},  {0, 0.52 * h}};
    std::vector<QPointF> pts;
    for (const QPointF &q : right)
        pts.emplace_back(q.x(), c.y() + q.y());
    drawShape(p_, smoothClosed(mirrored(c.x(), pts)), bald ? f_.skin : hair, std::max(0.8, 0.06 * h));
    if (bald) {
        hairFront(c, w, h);
        return;
    }
    QPainterPath strands;
    for (double x : {-0.25, 0.0, 0.25}) {
        strands.moveTo(c + QPointF(x * 0.4 * w, -0.45 * h));
        strands.quadTo(c + QPointF(x * w, 0.0), c + QPointF(x * 1.2 * w, 0.42 * h));
    }
    drawLine(p_, strands, hair.shade, std::max(0.6, 0.04 * h));
}

void FigurePainter::head(QPointF c, double unit)
{
    const double w = proportionsOf(f_.build).headWidth * unit, h = unit;
    if (f_.headwear == Headwear::Hood) {
        // The hood round the head, falling onto the shoulders, with the face in its opening.
        const Tone cloth = headwearTone();
        std::vector<QPointF> right{
            {0, -0.72 * h}, {0.62 * w, -0.5 * h}, {0.78 * w, 0.1 * h}, {0.95 * w, 0.62 * h}, {0.5 * w, 0.75 * h}};
        std::vector<QPointF> pts;
        for (const QPointF &q : right)
            pts.emplace_back(q.x(), c.y() + q.y());
        drawShape(p_, smoothClosed(mirrored(c.x(), pts)), cloth, std::max(1.0, 0.1 * h));
    }
    if (f_.fromBehind) {
        backOfHead(c, w, h);
        headwear(c, unit);
        return;
    }
    hairBack(c, w, h);
    face(c, w, h);
    beard(c, w, h);
    if (f_.beard != Beard::None) {
        // The mouth again, over the moustache.
        const double shift = std::clamp(f_.turn, -1.0, 1.0) * 0.12 * w;
        QPainterPath mouth;
        mouth.moveTo(c.x() + shift - 0.1 * w, c.y() + 0.33 * h);
        mouth.quadTo(c.x() + shift, c.y() + 0.36 * h, c.x() + shift + 0.1 * w, c.y() + 0.33 * h);
        drawLine(p_, mouth, kLips.darker(150), std::max(0.6, 0.05 * h));
    }
    hairFront(c, w, h);
    if (f_.headwear == Headwear::Hood) {
        QPainterPath rim;
        rim.addEllipse(c + QPointF(0, -0.05 * h), 0.6 * w, 0.6 * h);
        QPainterPath outer;
        outer.addEllipse(c + QPointF(0, -0.05 * h), 0.68 * w, 0.66 * h);
        QPainterPath lowerCut;
        lowerCut.addRect(QRectF(c + QPointF(-w, -h), c + QPointF(w, 0.25 * h)));
        drawShape(p_, outer.subtracted(rim).intersected(lowerCut), headwearTone(), 0.5, 0.8);
    }
    headwear(c, unit);
}

} // namespace detail

void paintHead(QPainter &painter, const Figure &figure, QPointF centre, double unit)
{
    detail::FigurePainter(painter, figure).head(centre, unit);
}

} // namespace artwork::figures
