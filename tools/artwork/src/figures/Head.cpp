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
    if (f_.features && !f_.fromBehind && f_.headwear != Headwear::Hood) {
        turnedHead(c, unit);
        return;
    }
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

// ---- Turned heads -------------------------------------------------------------
//
// A head with Features: front, three-quarter or profile, either way; eyes
// that look where `gaze` says; brows, mouth and creases from the expression
// and the age. Points are given for a head looking to the viewer's right and
// mirrored for the left.

namespace {

// How far the face's middle line has turned towards `side`, in face widths.
double turnOf(View view)
{
    switch (view) {
    case View::Front:
        return 0;
    case View::ThreeQuarter:
        return 0.24;
    case View::Profile:
        return 0.5;
    }
    return 0;
}

std::vector<QPointF> placed(QPointF c, double w, double h, int side, const std::vector<QPointF> &pts)
{
    std::vector<QPointF> out;
    out.reserve(pts.size());
    for (const QPointF &q : pts)
        out.emplace_back(c.x() + side * q.x() * w, c.y() + q.y() * h);
    return out;
}

} // namespace

QPainterPath FigurePainter::turnedFaceOutline(QPointF c, double w, double h) const
{
    const Features &ft = *f_.features;
    const double chin = ft.age == Age::Young ? 0.22 : ft.age == Age::Old ? 0.14 : 0.18;
    switch (ft.view) {
    case View::Front:
        return smoothClosed(mirrored(c.x(), {{0, c.y() - 0.5 * h},
                                             {0.43 * w, c.y() - 0.38 * h},
                                             {0.5 * w, c.y() - 0.02 * h},
                                             {0.43 * w, c.y() + 0.28 * h},
                                             {chin * w, c.y() + 0.46 * h},
                                             {0, c.y() + 0.5 * h}}));
    case View::ThreeQuarter:
        return smoothClosed(placed(c, w, h, ft.side,
                                   {{0.05, -0.5},
                                    {0.4, -0.38},
                                    {0.46, -0.12},
                                    {0.43, 0.04},
                                    {0.4, 0.24},
                                    {0.1 + chin, 0.47},
                                    {-0.16, 0.42},
                                    {-0.42, 0.2},
                                    {-0.5, -0.12},
                                    {-0.38, -0.42}}));
    case View::Profile: {
        // Brow, nose, lips and chin along the front; the jaw back to the ear.
        const std::vector<QPointF> pts = placed(c, w, h, ft.side,
                                                {{-0.02, -0.52},
                                                 {0.32, -0.44},
                                                 {0.47, -0.24},
                                                 {0.5, -0.04},
                                                 {0.52, 0.04},
                                                 {0.66, 0.2},
                                                 {0.53, 0.25},
                                                 {0.55, 0.31},
                                                 {0.5, 0.35},
                                                 {0.53, 0.4},
                                                 {0.47, 0.49},
                                                 {0.3, 0.54},
                                                 {0.02, 0.44},
                                                 {-0.16, 0.24},
                                                 {-0.4, 0.12},
                                                 {-0.5, -0.18},
                                                 {-0.36, -0.44}});
        QPainterPath path;
        path.moveTo(pts[0]);
        // Smooth round the skull; the nose and lips in short straight runs.
        path.cubicTo(pts[1], pts[2], pts[3]);
        for (std::size_t i = 4; i <= 11; ++i)
            path.lineTo(pts[i]);
        path.cubicTo(pts[12], pts[13], pts[14]);
        path.cubicTo(pts[15], pts[16], pts[0]);
        path.closeSubpath();
        return path;
    }
    }
    return {};
}

void FigurePainter::ear(QPointF c, double w, double h)
{
    drawShape(p_, ellipse(c, 0.1 * w, 0.15 * h), f_.skin, 0.4, kInteriorLine);
    QPainterPath whorl;
    whorl.moveTo(c + QPointF(0.02 * w, -0.08 * h));
    whorl.quadTo(c + QPointF(-0.05 * w, 0), c + QPointF(0.02 * w, 0.07 * h));
    drawLine(p_, whorl, f_.skin.shade.darker(115), std::max(0.4, 0.03 * h));
}

void FigurePainter::eye(QPointF e, double rx, double ry, int looking)
{
    const Features &ft = *f_.features;
    // The white, the iris where the gaze points, the upper lid over both.
    QPainterPath almond;
    almond.moveTo(e + QPointF(-rx, 0));
    almond.quadTo(e + QPointF(0, -1.6 * ry), e + QPointF(rx, 0));
    almond.quadTo(e + QPointF(0, 1.3 * ry), e + QPointF(-rx, 0));
    almond.closeSubpath();
    drawShape(p_, almond, {kEyeWhite, kEyeWhite}, 0, 0);
    const QPointF look(std::clamp(ft.gaze.x(), -1.0, 1.0) * 0.5 * rx + looking * 0.25 * rx,
                       std::clamp(ft.gaze.y(), -1.0, 1.0) * 0.45 * ry);
    p_.save();
    p_.setClipPath(almond, Qt::IntersectClip);
    drawShape(p_, ellipse(e + look, 0.62 * rx, 1.05 * ry), {kFeature, kFeature}, 0, 0);
    p_.restore();
    QPainterPath lid;
    lid.moveTo(e + QPointF(-rx * 1.1, 0.1 * ry));
    lid.quadTo(e + QPointF(0, -1.75 * ry), e + QPointF(rx * 1.1, 0.05 * ry));
    drawLine(p_, lid, kFeature, std::max(0.5, 0.45 * ry));
    if (ft.age == Age::Old) {
        QPainterPath bag;
        bag.moveTo(e + QPointF(-0.7 * rx, 1.4 * ry));
        bag.quadTo(e + QPointF(0, 2.0 * ry), e + QPointF(0.8 * rx, 1.3 * ry));
        drawLine(p_, bag, kAgeLine, std::max(0.4, 0.25 * ry));
    }
}

void FigurePainter::turnedFeatures(QPointF c, double w, double h)
{
    const Features &ft = *f_.features;
    const int s = ft.side;
    const double lw = std::max(0.5, 0.04 * h);
    const double young = ft.age == Age::Young ? 1.15 : 1.0;
    const double rx = 0.1 * w * young, ry = 0.055 * h * young;
    const QColor brow = f_.hairColour.darker(170);
    // Brows: lowered at the inner end when stern or intent, raised when gentle or proud.
    const double inner = ft.expression == Expression::Stern    ? 0.05
                         : ft.expression == Expression::Intent ? 0.025
                         : ft.expression == Expression::Gentle ? -0.04
                         : ft.expression == Expression::Proud  ? -0.02
                                                               : 0.0;
    auto browOver = [&](QPointF e, double half, int innerSide) {
        QPainterPath b;
        const QPointF in = e + QPointF(innerSide * half, (-0.1 + inner) * h);
        const QPointF out = e + QPointF(-innerSide * half, -0.09 * h);
        b.moveTo(out);
        b.quadTo(e + QPointF(0, (-0.16 + inner * 0.5) * h), in);
        drawLine(p_, b, brow, lw * 1.3);
    };
    auto mouthAt = [&](QPointF m, double half) {
        QPainterPath mouth;
        const double lift = ft.expression == Expression::Smile    ? -0.05
                            : ft.expression == Expression::Gentle ? -0.025
                            : ft.expression == Expression::Stern  ? 0.03
                            : ft.expression == Expression::Proud  ? 0.02
                                                                  : 0.0;
        const double sag = ft.expression == Expression::Smile   ? 0.04
                           : ft.expression == Expression::Stern ? -0.01
                                                                : 0.012;
        mouth.moveTo(m + QPointF(-half, lift * h));
        mouth.quadTo(m + QPointF(0, sag * h), m + QPointF(half, lift * h));
        drawLine(p_, mouth, f_.beard == Beard::None ? kLips.darker(115) : kLips.darker(150), lw * 1.25);
    };
    const bool cheeks = ft.blush && f_.beard != Beard::Full && ft.age != Age::Old;
    switch (ft.view) {
    case View::Front: {
        if (cheeks) {
            for (int k : {-1, 1})
                drawShape(p_, ellipse(c + QPointF(k * 0.27 * w, 0.2 * h), 0.09 * w, 0.06 * h), {kBlush, kBlush}, 0, 0);
        }
        for (int k : {-1, 1}) {
            const QPointF e = c + QPointF(k * 0.2 * w, 0.02 * h);
            eye(e, rx, ry, 0);
            browOver(e, 0.13 * w, -k);
        }
        QPainterPath nose;
        nose.moveTo(c + QPointF(-0.03 * w, 0));
        nose.quadTo(c + QPointF(0.05 * w, 0.14 * h), c + QPointF(0.06 * w, 0.2 * h));
        nose.quadTo(c + QPointF(0.01 * w, 0.24 * h), c + QPointF(-0.07 * w, 0.21 * h));
        drawLine(p_, nose, kFeature, lw);
        mouthAt(c + QPointF(0, 0.33 * h), 0.12 * w);
        if (ft.age == Age::Old) {
            QPainterPath lines;
            for (double y : {-0.3, -0.24}) {
                lines.moveTo(c + QPointF(-0.2 * w, y * h));
                lines.quadTo(c + QPointF(0, (y - 0.03) * h), c + QPointF(0.2 * w, y * h));
            }
            for (int k : {-1, 1}) {
                lines.moveTo(c + QPointF(k * 0.1 * w, 0.2 * h));
                lines.quadTo(c + QPointF(k * 0.2 * w, 0.28 * h), c + QPointF(k * 0.18 * w, 0.36 * h));
            }
            drawLine(p_, lines, kAgeLine, lw * 0.8);
        }
        break;
    }
    case View::ThreeQuarter: {
        const QPointF mid = c + QPointF(s * 0.2 * w, 0);
        if (cheeks)
            drawShape(p_, ellipse(c + QPointF(-s * 0.2 * w, 0.2 * h), 0.1 * w, 0.06 * h), {kBlush, kBlush}, 0, 0);
        const QPointF nearEye = mid + QPointF(-s * 0.25 * w, 0.02 * h), farEye = mid + QPointF(s * 0.16 * w, 0.02 * h);
        eye(nearEye, rx, ry, s);
        eye(farEye, rx * 0.72, ry, s);
        browOver(nearEye, 0.13 * w, s);
        browOver(farEye, 0.09 * w, -s);
        // The nose's ridge turns towards the far cheek.
        QPainterPath nose;
        nose.moveTo(mid + QPointF(-s * 0.02 * w, -0.02 * h));
        nose.quadTo(mid + QPointF(s * 0.1 * w, 0.12 * h), mid + QPointF(s * 0.14 * w, 0.2 * h));
        nose.quadTo(mid + QPointF(s * 0.06 * w, 0.25 * h), mid + QPointF(-s * 0.04 * w, 0.21 * h));
        drawLine(p_, nose, kFeature, lw);
        mouthAt(mid + QPointF(s * 0.02 * w, 0.33 * h), 0.1 * w);
        if (ft.age == Age::Old) {
            QPainterPath lines;
            lines.moveTo(c + QPointF(-s * 0.1 * w, -0.3 * h));
            lines.quadTo(c + QPointF(s * 0.1 * w, -0.33 * h), c + QPointF(s * 0.3 * w, -0.28 * h));
            lines.moveTo(mid + QPointF(-s * 0.1 * w, 0.2 * h));
            lines.quadTo(mid + QPointF(-s * 0.17 * w, 0.28 * h), mid + QPointF(-s * 0.14 * w, 0.37 * h));
            drawLine(p_, lines, kAgeLine, lw * 0.8);
        }
        break;
    }
    case View::Profile: {
        const QPointF e = c + QPointF(s * 0.3 * w, 0.0);
        // The eye seen from the side: a wedge opening towards the front.
        QPainterPath wedge;
        wedge.moveTo(e + QPointF(-s * 0.07 * w, 0));
        wedge.lineTo(e + QPointF(s * 0.08 * w, -0.045 * h));
        wedge.quadTo(e + QPointF(s * 0.1 * w, 0), e + QPointF(s * 0.08 * w, 0.035 * h));
        wedge.closeSubpath();
        drawShape(p_, wedge, {kEyeWhite, kEyeWhite}, 0, 0);
        const double up = std::clamp(f_.features->gaze.y(), -1.0, 1.0) * 0.02 * h;
        drawShape(p_, ellipse(e + QPointF(s * 0.05 * w, up - 0.005 * h), 0.03 * w, 0.032 * h), {kFeature, kFeature}, 0,
                  0);
        QPainterPath lid;
        lid.moveTo(e + QPointF(-s * 0.07 * w, 0));
        lid.lineTo(e + QPointF(s * 0.09 * w, -0.05 * h));
        drawLine(p_, lid, kFeature, lw * 1.2);
        browOver(e + QPointF(s * 0.02 * w, 0), 0.09 * w, s);
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(s * 0.5 * w, 0.35 * h));
        mouth.lineTo(c + QPointF(s * (ft.expression == Expression::Smile ? 0.38 : 0.41) * w,
                                 (ft.expression == Expression::Smile ? 0.32 : 0.35) * h));
        drawLine(p_, mouth, kLips.darker(140), lw);
        QPainterPath nostril;
        nostril.moveTo(c + QPointF(s * 0.53 * w, 0.22 * h));
        nostril.quadTo(c + QPointF(s * 0.49 * w, 0.2 * h), c + QPointF(s * 0.51 * w, 0.16 * h));
        drawLine(p_, nostril, kFeature, lw * 0.8);
        if (cheeks)
            drawShape(p_, ellipse(c + QPointF(s * 0.22 * w, 0.2 * h), 0.09 * w, 0.06 * h), {kBlush, kBlush}, 0, 0);
        if (ft.age == Age::Old) {
            QPainterPath lines;
            lines.moveTo(c + QPointF(s * 0.44 * w, 0.24 * h));
            lines.quadTo(c + QPointF(s * 0.36 * w, 0.3 * h), c + QPointF(s * 0.4 * w, 0.4 * h));
            lines.moveTo(e + QPointF(-s * 0.1 * w, 0.01 * h));
            lines.lineTo(e + QPointF(-s * 0.17 * w, 0.05 * h));
            drawLine(p_, lines, kAgeLine, lw * 0.8);
        }
        break;
    }
    }
}

void FigurePainter::turnedHairBack(QPointF c, double w, double h)
{
    if (f_.hair == Hair::Bald || f_.headwear == Headwear::Helm)
        return;
    const Features &ft = *f_.features;
    const int s = ft.side;
    const double shift = -s * turnOf(ft.view) * 0.3 * w;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    const double line = kInteriorLine;
    switch (f_.hair) {
    case Hair::Long: {
        // Falling behind the shoulders, the middle kept behind the neck.
        const std::vector<QPointF> right{{0, -0.58 * h},      {0.5 * w, -0.46 * h}, {0.6 * w, -0.05 * h},
                                         {0.64 * w, 0.5 * h}, {0.82 * w, 1.05 * h}, {0.9 * w, 1.45 * h},
                                         {0.62 * w, 1.4 * h}, {0.36 * w, 0.9 * h},  {0.26 * w, 0.45 * h}};
        std::vector<QPointF> pts;
        for (const QPointF &q : right)
            pts.emplace_back(q.x() + shift, c.y() + q.y());
        drawShape(p_, smoothClosed(mirrored(c.x(), pts)), hair, std::max(1.0, 0.08 * h), line);
        break;
    }
    case Hair::Shoulder: {
        // A lock either side of the neck, each ending on its shoulder; the
        // chin and the throat stay clear.
        for (int k : {-1, 1}) {
            const double turned = k == -s ? 1.0 : 1.0 - turnOf(ft.view) * 1.4;
            if (turned <= 0.1)
                continue;
            const double x0 = k * 0.3 * w, wide = 0.62 * w * turned + 0.1 * w;
            const std::vector<QPointF> lock{c + QPointF(shift + x0, -0.5 * h),
                                            c + QPointF(shift + k * wide, -0.25 * h),
                                            c + QPointF(shift + k * (wide + 0.06 * w), 0.35 * h),
                                            c + QPointF(shift + k * (wide + 0.2 * w), 0.9 * h),
                                            c + QPointF(shift + k * (wide + 0.1 * w), 1.1 * h),
                                            c + QPointF(shift + k * (wide - 0.2 * w), 1.0 * h),
                                            c + QPointF(shift + k * (wide - 0.3 * w), 0.55 * h),
                                            c + QPointF(shift + k * 0.22 * w, 0.1 * h)};
            drawShape(p_, smoothClosed(lock), hair, std::max(1.0, 0.08 * h), line);
            QPainterPath strand;
            strand.moveTo(c + QPointF(shift + k * (wide - 0.05 * w), 0.1 * h));
            strand.quadTo(c + QPointF(shift + k * (wide + 0.05 * w), 0.6 * h),
                          c + QPointF(shift + k * (wide + 0.05 * w), 0.98 * h));
            drawLine(p_, strand, hair.shade, std::max(0.5, 0.035 * h));
        }
        drawShape(p_, ellipse(c + QPointF(shift, -0.08 * h), 0.56 * w, 0.52 * h), hair, std::max(1.0, 0.06 * h), line);
        break;
    }
    case Hair::Windblown: {
        // Locks streaming away from the way the figure faces.
        const double away = -f_.facing;
        QPainterPath locks;
        for (int i = 0; i < 4; ++i) {
            const double y = (-0.42 + i * 0.2) * h;
            const QPointF root = c + QPointF(shift + away * 0.35 * w, y);
            locks.addPath(smoothClosed(
                {root + QPointF(0, -0.1 * h), root + QPointF(away * (0.5 + 0.12 * i) * w, y * 0.3 - 0.08 * h),
                 root + QPointF(away * (0.75 + 0.1 * i) * w, y * 0.2), root + QPointF(away * 0.3 * w, 0.08 * h)}));
        }
        drawShape(p_, united(locks), hair, std::max(1.0, 0.06 * h), line);
        drawShape(p_, ellipse(c + QPointF(shift, -0.08 * h), 0.56 * w, 0.52 * h), hair, std::max(1.0, 0.06 * h), line);
        break;
    }
    default:
        drawShape(p_, ellipse(c + QPointF(shift, -0.08 * h), 0.56 * w, 0.52 * h), hair, std::max(1.0, 0.06 * h), line);
        break;
    }
}

void FigurePainter::turnedHairFront(QPointF c, double w, double h)
{
    if (f_.headwear == Headwear::Helm)
        return;
    const Features &ft = *f_.features;
    const int s = ft.side;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    if (f_.hair == Hair::Bald) {
        if (ft.view != View::Profile) {
            for (int k : {-1, 1}) {
                if (ft.view == View::ThreeQuarter && k == s)
                    continue;
                drawShape(p_, ellipse(c + QPointF(k * 0.46 * w, -0.02 * h), 0.11 * w, 0.2 * h), hair, 0.5,
                          kInteriorLine);
            }
        } else {
            drawShape(p_, ellipse(c + QPointF(-s * 0.32 * w, 0.02 * h), 0.18 * w, 0.2 * h), hair, 0.5, kInteriorLine);
        }
        return;
    }
    QPainterPath cap;
    switch (ft.view) {
    case View::Front:
    case View::ThreeQuarter: {
        // Over the top of the head to the temples, parted towards the side it looks to.
        const double m = ft.view == View::Front ? 0 : 0.2;
        const std::vector<QPointF> pts = placed(c, w, h, s,
                                                {{-0.53 + m * 0.3, 0.05},
                                                 {-0.58 + m * 0.4, -0.42},
                                                 {0.0 + m * 0.2, -0.6},
                                                 {0.52 - m * 0.2, -0.42},
                                                 {0.46 - m * 0.1, 0.0},
                                                 {0.36 - m * 0.1, -0.22},
                                                 {0.05 + m, -0.3},
                                                 {-0.3 + m * 0.5, -0.24}});
        cap = smoothClosed(pts);
        break;
    }
    case View::Profile:
        cap = smoothClosed(placed(c, w, h, s,
                                  {{0.42, -0.3},
                                   {0.2, -0.6},
                                   {-0.3, -0.55},
                                   {-0.56, -0.2},
                                   {-0.5, 0.22},
                                   {-0.24, 0.12},
                                   {-0.08, -0.16},
                                   {0.2, -0.28}}));
        break;
    }
    drawShape(p_, cap, hair, std::max(0.8, 0.06 * h), kInteriorLine);
    if (f_.hair == Hair::Windblown) {
        // A fringe lifted by the wind.
        const double away = -f_.facing;
        QPainterPath fringe;
        for (int i = 0; i < 3; ++i) {
            const QPointF root = c + QPointF((-0.2 + 0.2 * i) * w, -0.45 * h);
            fringe.addPath(
                smoothClosed({root, root + QPointF(away * 0.35 * w, -0.22 * h),
                              root + QPointF(away * 0.5 * w, -0.12 * h), root + QPointF(0.1 * w, 0.05 * h)}));
        }
        drawShape(p_, united(fringe), hair, 0.6, kInteriorLine);
    }
}

void FigurePainter::turnedBeard(QPointF c, double w, double h)
{
    if (f_.beard == Beard::None)
        return;
    const Features &ft = *f_.features;
    const int s = ft.side;
    const Tone hair{f_.hairColour, f_.hairColour.darker(140)};
    const double length = f_.beard == Beard::Full ? 0.62 : 0.22;
    std::vector<QPointF> pts;
    switch (ft.view) {
    case View::Front:
        pts = placed(c, w, h, 1,
                     {{-0.5, 0.02},
                      {-0.46, 0.45},
                      {-0.2, 0.5 + length},
                      {0.2, 0.5 + length},
                      {0.46, 0.45},
                      {0.5, 0.02},
                      {0.3, 0.24},
                      {0.1, 0.2},
                      {-0.1, 0.2},
                      {-0.3, 0.24}});
        break;
    case View::ThreeQuarter:
        pts = placed(c, w, h, s,
                     {{-0.44, 0.05},
                      {-0.36, 0.42},
                      {-0.05, 0.48 + length},
                      {0.34, 0.46 + length * 0.9},
                      {0.44, 0.3},
                      {0.42, 0.1},
                      {0.34, 0.24},
                      {0.14, 0.2},
                      {-0.04, 0.24},
                      {-0.24, 0.22}});
        break;
    case View::Profile:
        pts = placed(c, w, h, s,
                     {{-0.12, 0.06},
                      {-0.16, 0.4},
                      {0.08, 0.5 + length},
                      {0.42, 0.46 + length * 0.8},
                      {0.52, 0.42},
                      {0.48, 0.32},
                      {0.38, 0.3},
                      {0.2, 0.22},
                      {0.06, 0.2}});
        break;
    }
    const QPainterPath beard = smoothClosed(pts);
    drawShape(p_, beard, hair, std::max(0.8, 0.07 * h), kInteriorLine);
    QPainterPath strands;
    const double mid = ft.view == View::Front ? 0 : s * 0.15;
    for (double x : {-0.18, 0.0, 0.18}) {
        strands.moveTo(c + QPointF((mid + x) * w, 0.55 * h));
        strands.quadTo(c + QPointF((mid + x * 1.1) * w, (0.6 + length * 0.5) * h),
                       c + QPointF((mid + x * 0.6) * w, (0.4 + length) * h));
    }
    p_.save();
    p_.setClipPath(beard, Qt::IntersectClip);
    drawLine(p_, strands, hair.shade, std::max(0.5, 0.035 * h));
    p_.restore();
}

void FigurePainter::neckAboveCollar()
{
    // The neck again over any hair that fell behind it, down to the collar.
    p_.save();
    QPainterPath above;
    above.addRect(QRectF(at(-1, 0.5), at(1, 1.16)));
    p_.setClipPath(above, Qt::IntersectClip);
    neck();
    p_.restore();
}

void FigurePainter::turnedHead(QPointF c, double unit)
{
    const Features &ft = *f_.features;
    const int s = ft.side;
    const double w = proportionsOf(f_.build).headWidth * unit * ft.breadth, h = unit;
    turnedHairBack(c, w, h);
    if (f_.pose != Pose::Hanging && c == b_.headCentre)
        neckAboveCollar();
    const bool earsShow = f_.headwear != Headwear::Helm && f_.hair != Hair::Long && f_.hair != Hair::Shoulder;
    if (earsShow && ft.view == View::Front) {
        for (int k : {-1, 1})
            ear(c + QPointF(k * 0.5 * w, 0.04 * h), w, h);
    } else if (earsShow && ft.view == View::ThreeQuarter) {
        ear(c + QPointF(-s * 0.42 * w, 0.04 * h), w, h);
    }
    drawShape(p_, turnedFaceOutline(c, w, h), f_.skin, std::max(0.8, 0.06 * h), kInteriorLine);
    turnedBeard(c, w, h);
    turnedFeatures(c, w, h);
    turnedHairFront(c, w, h);
    if (earsShow && ft.view == View::Profile)
        ear(c + QPointF(-s * 0.1 * w, 0.06 * h), w, h);
    const double shift = s * turnOf(ft.view) * (ft.view == View::Profile ? -0.05 : 0.25) * w;
    headwear(c + QPointF(shift, 0), unit);
}

} // namespace detail

void paintHead(QPainter &painter, const Figure &figure, QPointF centre, double unit)
{
    detail::FigurePainter(painter, figure).head(centre, unit);
}

} // namespace artwork::figures
