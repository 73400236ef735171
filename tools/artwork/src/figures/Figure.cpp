#include "figures/Figure.h"

#include "Emblems.h"
#include "PipLayout.h"
#include "figures/Plants.h"
#include "figures/Shapes.h"

#include <QPicture>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// Body measurements in heads (one head's height), from the crown down.
struct Proportions {
    double heads; // standing height
    double shoulderY, shoulderHalf;
    double waistY, waistHalf;
    double hipY, hipHalf;
    double kneeY;
    double hemHalf;           // a gown's half width at the feet
    double upperArm, forearm; // shoulder to elbow, elbow to the fist's middle
    double headWidth;         // over the head's height
    double limb;              // thickness of arms and legs
};

Proportions proportionsOf(Build build)
{
    switch (build) {
    case Build::Man:
        return {7.0, 1.36, 1.02, 2.75, 0.64, 3.35, 0.74, 5.1, 1.2, 1.32, 1.18, 0.80, 1.0};
    case Build::Woman:
        return {7.0, 1.36, 0.86, 2.62, 0.50, 3.30, 0.80, 5.1, 1.32, 1.28, 1.12, 0.78, 0.88};
    case Build::Youth:
        return {6.6, 1.32, 0.88, 2.60, 0.54, 3.15, 0.66, 4.8, 1.1, 1.24, 1.08, 0.80, 0.98};
    case Build::Child:
        return {5.2, 1.22, 0.78, 2.20, 0.56, 2.70, 0.62, 3.9, 0.95, 0.92, 0.84, 0.86, 0.85};
    }
    return proportionsOf(Build::Man);
}

// Crown-to-sole height of a pose, in heads.
double poseHeads(const Proportions &pr, Pose pose)
{
    switch (pose) {
    case Pose::Seated:
        return pr.hipY + 0.35 + (pr.heads - pr.kneeY);
    case Pose::Kneeling:
        return pr.hipY + (pr.kneeY - pr.hipY) + 0.2;
    default:
        return pr.heads;
    }
}

// The elbow of an arm from shoulder s to hand h: bent away from the body's
// middle line (x = axis) when `outward`, else the lower of the two bends (the
// upper arm hangs and the forearm comes up).
QPointF elbowFor(QPointF s, QPointF &h, double upper, double fore, double axis, bool outward)
{
    const auto [e1, e2] = elbowChoices(s, h, upper, fore);
    if (!outward)
        return e1.y() >= e2.y() ? e1 : e2;
    const double side = s.x() < axis ? -1.0 : 1.0;
    return side * (e1.x() - e2.x()) >= 0 ? e1 : e2;
}

// Where a hand goes for a gesture, before the arm's reach limits it.
QPointF handTarget(const Figure &f, const Proportions &pr, const Body &b, int side, Gesture g)
{
    const double u = b.unit, s = side;
    const QPointF sh = b.shoulder[static_cast<std::size_t>(side > 0)];
    const bool seated = f.pose == Pose::Seated || f.pose == Pose::Riding;
    switch (g) {
    case Gesture::Down:
        if (seated) // resting on the knee
            return {b.hips.x() + s * (pr.hipHalf + 0.18) * u, b.seatY + 0.02 * u};
        return sh + QPointF(s * 0.5 * u, (pr.upperArm + pr.forearm) * 0.93 * u);
    case Gesture::Raised:
        return sh + QPointF(s * 0.72 * u, 0.62 * u);
    case Gesture::Forward:
        if (seated && f.pose != Pose::Riding) // on the lap
            return {b.hips.x() + s * 0.32 * u, b.seatY - 0.12 * u};
        return {b.hips.x() + s * 0.34 * u, b.waist.y() + 0.05 * u};
    case Gesture::Aloft:
        return sh + QPointF(s * 0.55 * u, -2.3 * u);
    case Gesture::Out:
        return sh + QPointF(s * 2.3 * u, 0.45 * u);
    case Gesture::Behind:
        return {b.hips.x() + s * 0.3 * u, b.hips.y() - 0.1 * u};
    }
    return sh;
}

} // namespace

ArmMeasures armMeasures(Build build)
{
    const Proportions pr = proportionsOf(build);
    return {pr.upperArm, pr.forearm, pr.limb};
}

std::pair<QPointF, QPointF> elbowChoices(QPointF s, QPointF &h, double upper, double fore)
{
    QPointF d = h - s;
    double dist = length(d);
    const double reach = (upper + fore) * 0.995;
    if (dist > reach) {
        h = s + unitVector(d) * reach;
        d = h - s;
        dist = reach;
    }
    dist = std::max(dist, std::abs(upper - fore) + 1e-3);
    const double cosA = std::clamp((upper * upper + dist * dist - fore * fore) / (2 * upper * dist), -1.0, 1.0);
    const double a = std::acos(cosA);
    const QPointF u = unitVector(d);
    auto rotated = [&](double angle) {
        return s + QPointF(u.x() * std::cos(angle) - u.y() * std::sin(angle),
                           u.x() * std::sin(angle) + u.y() * std::cos(angle)) *
                       upper;
    };
    return {rotated(a), rotated(-a)};
}

Body bodyOf(const Figure &f)
{
    const Proportions pr = proportionsOf(f.build);
    Body b;
    const double u = f.height / pr.heads;
    b.unit = u;
    const double cx = f.base.x();
    double crownY;
    switch (f.pose) {
    case Pose::Riding:
        crownY = f.base.y() - pr.hipY * u;
        break;
    case Pose::Hanging:
        // Drawn standing with its feet at the base, then turned upside down about it.
        crownY = f.base.y() - pr.heads * u;
        break;
    default:
        crownY = f.base.y() - poseHeads(pr, f.pose) * u;
        break;
    }
    auto at = [&](double x, double y) { return QPointF(cx + x * u, crownY + y * u); };
    b.crown = at(0, 0);
    b.headHeight = u;
    b.headWidth = pr.headWidth * u;
    b.headCentre = at(0, 0.5);
    b.neck = at(0, 1.18);
    b.shoulder = {at(-(pr.shoulderHalf - 0.22), pr.shoulderY + 0.14), at(pr.shoulderHalf - 0.22, pr.shoulderY + 0.14)};
    b.waist = at(0, pr.waistY);
    b.hips = at(0, pr.hipY);
    b.shoulderHalf = pr.shoulderHalf * u;
    b.waistHalf = pr.waistHalf * u;
    b.hemHalf = pr.hemHalf * u;
    const double soleY = poseHeads(pr, f.pose);
    b.seatY = crownY + (pr.hipY + 0.35) * u;
    switch (f.pose) {
    case Pose::Seated:
        b.knee = {at(-(pr.hipHalf + 0.3), pr.hipY + 0.3), at(pr.hipHalf + 0.3, pr.hipY + 0.3)};
        b.foot = {at(-0.45, soleY), at(0.45, soleY)};
        break;
    case Pose::Kneeling:
        b.knee = {at(-0.45, soleY - 0.1), at(0.45, soleY - 0.1)};
        b.foot = b.knee;
        break;
    case Pose::Walking: {
        const double fc = f.facing;
        b.knee = {at(-0.34 + fc * 0.16, pr.kneeY), at(0.34 + fc * 0.16, pr.kneeY)};
        b.foot = {at(fc > 0 ? -0.62 : -0.95, pr.heads - 0.04), at(fc > 0 ? 0.95 : 0.62, pr.heads - 0.04)};
        break;
    }
    case Pose::Riding:
        b.knee = {at(f.facing * 0.85, pr.hipY + 0.55), at(f.facing * 0.85, pr.hipY + 0.55)};
        b.foot = {at(f.facing * 0.7, pr.hipY + 2.25), at(f.facing * 0.7, pr.hipY + 2.25)};
        b.seatY = crownY + pr.hipY * u;
        break;
    default:
        b.knee = {at(-0.3, pr.kneeY), at(0.3, pr.kneeY)};
        b.foot = {at(-0.3, pr.heads), at(0.3, pr.heads)};
        break;
    }
    for (int side : {-1, 1}) {
        const auto i = static_cast<std::size_t>(side > 0);
        const Hand &hand = side < 0 ? f.left : f.right;
        const Gesture g = f.pose == Pose::Hanging ? Gesture::Behind : hand.gesture;
        QPointF h = handTarget(f, pr, b, side, g);
        const bool seated = f.pose == Pose::Seated || f.pose == Pose::Riding;
        const bool outward = (g == Gesture::Down && !seated) || g == Gesture::Aloft || g == Gesture::Out;
        b.elbow[i] = elbowFor(b.shoulder[i], h, pr.upperArm * u, pr.forearm * u, cx, outward);
        b.hand[i] = h;
    }
    return b;
}

// ---- Held things ---------------------------------------------------------------

namespace {

// A held thing's box with the grip at the origin, upright.
struct HeldBox {
    QRectF box;
    bool handInFront = true; // the fist closes over it
};

HeldBox heldBox(Held held, double u, double toGround)
{
    using layout::pipAspect;
    auto box = [](double w, double h, double gripFromTop) { return QRectF(-w / 2, -gripFromTop * h, w, h); };
    switch (held) {
    case Held::Sword: {
        const double h = 3.5 * u;
        return {box(h * pipAspect(quillmere::Suit::Swords), h, 0.80)};
    }
    case Held::Wand: {
        const double h = 3.9 * u;
        return {box(h * pipAspect(quillmere::Suit::Wands), h, 0.60)};
    }
    case Held::Cup: {
        const double h = 1.55 * u;
        return {box(h * pipAspect(quillmere::Suit::Cups), h, 0.74)};
    }
    case Held::Pentacle: {
        const double d = 1.6 * u;
        return {box(d, d, 0.76), true};
    }
    case Held::Staff: {
        const double above = 1.7 * u;
        const double below = std::max(toGround, 0.5 * u);
        return {QRectF(-0.16 * u, -above, 0.32 * u, above + below)};
    }
    case Held::Rod:
        return {box(0.3 * u, 1.9 * u, 0.62)};
    case Held::Lamp:
        return {QRectF(-0.42 * u, -0.15 * u, 0.84 * u, 1.35 * u)};
    case Held::Scales:
        return {QRectF(-1.05 * u, -0.2 * u, 2.1 * u, 1.55 * u)};
    case Held::Flower:
        return {box(0.7 * u, 1.6 * u, 0.68)};
    case Held::Sceptre:
        return {box(0.5 * u, 2.8 * u, 0.62)};
    case Held::Orb:
        return {box(0.8 * u, 1.1 * u, 0.95), true};
    case Held::Banner:
        return {QRectF(-0.15 * u, -3.2 * u, 1.9 * u, 4.6 * u)};
    case Held::Nothing:
        break;
    }
    return {QRectF()};
}

void paintStaff(QPainter &p, const QRectF &b, double u, unsigned seed)
{
    Roughness rough(seed + 3);
    std::vector<QPointF> pts;
    const double cx = b.center().x(), half = 0.09 * u;
    const int steps = 8;
    for (int i = 0; i <= steps; ++i)
        pts.emplace_back(cx + half + 0.02 * u * rough.next(), b.top() + 0.35 * u + (b.height() - 0.35 * u) * i / steps);
    for (int i = steps; i >= 0; --i)
        pts.emplace_back(cx - half + 0.02 * u * rough.next(), b.top() + 0.35 * u + (b.height() - 0.35 * u) * i / steps);
    drawShape(p, smoothClosed(pts), kWood, std::max(0.8, half * 0.6));
    // A turned knob at the top.
    drawShape(p, ellipse(QPointF(cx, b.top() + 0.22 * u), 0.17 * u, 0.22 * u), kWood, 0.8);
}

void paintRod(QPainter &p, const QRectF &b, double u)
{
    QPainterPath rod;
    rod.addRoundedRect(QRectF(b.center().x() - 0.08 * u, b.top() + 0.1 * u, 0.16 * u, b.height() - 0.1 * u), 0.06 * u,
                       0.06 * u);
    drawShape(p, rod, kWood, 0.8);
    // White tips at both ends.
    for (double y : {b.top() + 0.18 * u, b.bottom() - 0.12 * u})
        drawShape(p, ellipse(QPointF(b.center().x(), y), 0.13 * u, 0.16 * u), kParchment, 0.6);
}

void paintSceptre(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x();
    QPainterPath rod;
    rod.addRoundedRect(QRectF(cx - 0.08 * u, b.top() + 0.45 * u, 0.16 * u, b.height() - 0.45 * u), 0.05 * u, 0.05 * u);
    drawShape(p, rod, kGold, 0.8);
    // A knob with a small cross.
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.04 * u, b.top(), 0.08 * u, 0.3 * u));
    cross.addRect(QRectF(cx - 0.13 * u, b.top() + 0.08 * u, 0.26 * u, 0.08 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.7);
    drawShape(p, ellipse(QPointF(cx, b.top() + 0.42 * u), 0.2 * u, 0.18 * u), kGold, 1.0);
    drawShape(p, ellipse(QPointF(cx, b.bottom() - 0.08 * u), 0.12 * u, 0.1 * u), kGold, 0.6);
}

void paintOrb(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x();
    const QPointF c(cx, b.bottom() - 0.36 * u);
    QPainterPath cross;
    cross.addRect(QRectF(cx - 0.05 * u, b.top(), 0.1 * u, 0.4 * u));
    cross.addRect(QRectF(cx - 0.15 * u, b.top() + 0.1 * u, 0.3 * u, 0.09 * u));
    drawShape(p, united(cross), kGold, 0.5, 0.7);
    drawShape(p, ellipse(c, 0.36 * u, 0.36 * u), kGold, std::max(1.0, 0.1 * u));
    QPainterPath band;
    band.moveTo(c + QPointF(-0.36 * u, 0));
    band.quadTo(c + QPointF(0, 0.12 * u), c + QPointF(0.36 * u, 0));
    band.moveTo(c + QPointF(0, -0.36 * u));
    band.lineTo(c + QPointF(0, 0.06 * u));
    drawLine(p, band, kEngraving, std::max(0.7, 0.05 * u));
}

void paintLamp(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x(), top = b.top();
    // The ring it hangs from, then a six-sided lantern with a light inside.
    QPainterPath ring;
    ring.addEllipse(QPointF(cx, top + 0.15 * u), 0.1 * u, 0.12 * u);
    drawLine(p, ring, kIron.shade, std::max(0.8, 0.05 * u));
    QPainterPath roof;
    roof.moveTo(cx, top + 0.22 * u);
    roof.lineTo(cx + 0.4 * u, top + 0.52 * u);
    roof.lineTo(cx - 0.4 * u, top + 0.52 * u);
    roof.closeSubpath();
    drawShape(p, roof, kIron, 0.8);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(cx - 0.32 * u, top + 0.52 * u, 0.64 * u, 0.62 * u), 0.05 * u, 0.05 * u);
    drawShape(p, glass, kLampGlass, 0.8);
    // A six-pointed star of light.
    const QPointF c(cx, top + 0.83 * u);
    QPainterPath star;
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i <= 3; ++i) {
            const double a = -M_PI / 2 + t * M_PI / 3 + i * 2 * M_PI / 3;
            const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * 0.22 * u;
            i == 0 ? star.moveTo(q) : star.lineTo(q);
        }
    }
    drawLine(p, star, kLampStar, std::max(0.6, 0.04 * u));
    QPainterPath frame;
    frame.moveTo(cx, top + 0.52 * u);
    frame.lineTo(cx, top + 1.14 * u);
    drawLine(p, frame, kIron.shade, std::max(0.6, 0.05 * u));
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cx - 0.36 * u, top + 1.12 * u, 0.72 * u, 0.16 * u), 0.05 * u, 0.05 * u);
    drawShape(p, foot, kIron, 0.6);
}

void paintScales(QPainter &p, const QRectF &b, double u)
{
    const double cx = b.center().x(), top = b.top() + 0.2 * u;
    const double w = 0.95 * u;
    QPainterPath beam;
    beam.moveTo(cx - w, top + 0.25 * u);
    beam.lineTo(cx + w, top + 0.25 * u);
    beam.moveTo(cx, top - 0.1 * u);
    beam.lineTo(cx, top + 0.35 * u);
    drawLine(p, beam, kGold.shade, std::max(1.0, 0.09 * u));
    drawLine(p, beam, kGold.base, std::max(0.6, 0.05 * u));
    for (int side : {-1, 1}) {
        const double x = cx + side * w;
        QPainterPath cords;
        cords.moveTo(x, top + 0.25 * u);
        cords.lineTo(x - 0.3 * u, top + 1.05 * u);
        cords.moveTo(x, top + 0.25 * u);
        cords.lineTo(x + 0.3 * u, top + 1.05 * u);
        drawLine(p, cords, kGold.shade, std::max(0.6, 0.04 * u));
        QPainterPath pan;
        pan.moveTo(x - 0.36 * u, top + 1.05 * u);
        pan.quadTo(x, top + 1.4 * u, x + 0.36 * u, top + 1.05 * u);
        pan.closeSubpath();
        drawShape(p, pan, kGold, 0.8);
    }
}

void paintFlower(QPainter &p, const QRectF &b, double u, unsigned seed)
{
    const double cx = b.center().x();
    QPainterPath stem;
    stem.moveTo(cx, b.bottom());
    stem.quadTo(cx + 0.1 * u, b.top() + 0.8 * u, cx, b.top() + 0.35 * u);
    drawLine(p, stem, kLeaf.shade, std::max(0.8, 0.07 * u));
    QPainterPath leaf;
    const QPointF l0(cx + 0.03 * u, b.top() + 0.95 * u);
    leaf.moveTo(l0);
    leaf.quadTo(l0 + QPointF(0.25 * u, -0.25 * u), l0 + QPointF(0.4 * u, -0.1 * u));
    leaf.quadTo(l0 + QPointF(0.2 * u, 0.05 * u), l0);
    drawShape(p, leaf, kLeaf, 0.6, 0.7);
    // A rose of five round petals (red), or a white lily when the seed is odd.
    const QPointF c(cx, b.top() + 0.3 * u);
    const Tone petals = seed % 2 ? kParchment : kRoseRed;
    QPainterPath bloom;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        bloom.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * 0.15 * u, 0.15 * u, 0.15 * u);
    }
    drawShape(p, united(bloom), petals, 0.8);
    drawShape(p, ellipse(c, 0.08 * u, 0.08 * u), kGold, 0.4, 0.6);
}

void paintBanner(QPainter &p, const QRectF &b, double u, const Flag &look)
{
    const double x = b.left() + 0.15 * u;
    QPainterPath pole;
    pole.addRoundedRect(QRectF(x - 0.07 * u, b.top() + 0.2 * u, 0.14 * u, b.height() - 0.2 * u), 0.05 * u, 0.05 * u);
    drawShape(p, pole, kWood, 0.7);
    drawShape(p, ellipse(QPointF(x, b.top() + 0.14 * u), 0.14 * u, 0.14 * u), kGold, 0.6);
    // A flag with a rippling fly end, bearing its sign.
    QPainterPath flag;
    const double top = b.top() + 0.3 * u, h = 1.2 * u, w = b.width() - 0.2 * u;
    flag.moveTo(x + 0.06 * u, top);
    flag.cubicTo(x + w * 0.4, top - 0.2 * u, x + w * 0.6, top + 0.2 * u, x + w, top + 0.05 * u);
    flag.lineTo(x + w - 0.2 * u, top + h * 0.5);
    flag.lineTo(x + w, top + h);
    flag.cubicTo(x + w * 0.6, top + h + 0.15 * u, x + w * 0.4, top + h - 0.2 * u, x + 0.06 * u, top + h);
    flag.closeSubpath();
    drawShape(p, flag, look.cloth, 1.0);
    switch (look.sign) {
    case FlagSign::RedCross: {
        QPainterPath cross;
        const double fx = x + w * 0.42, fy = top + h * 0.5;
        cross.moveTo(fx, fy - 0.35 * u);
        cross.lineTo(fx, fy + 0.35 * u);
        cross.moveTo(fx - 0.3 * u, fy);
        cross.lineTo(fx + 0.3 * u, fy);
        drawLine(p, cross, kCrossGuard.base, std::max(1.0, 0.12 * u));
        break;
    }
    case FlagSign::WhiteRose:
        paintWhiteRose(p, {x + w * 0.44, top + h * 0.5}, 0.42 * u);
        break;
    case FlagSign::None:
        break;
    }
}

} // namespace

void paintHeld(QPainter &p, Held held, QPointF grip, double u, double angle, double ground, unsigned seed,
               const Flag &flag)
{
    if (held == Held::Nothing)
        return;
    const QRectF b = heldBox(held, u, ground - grip.y()).box;
    p.save();
    p.translate(grip);
    p.rotate(angle);
    switch (held) {
    case Held::Sword:
        paintSword(p, b);
        break;
    case Held::Wand:
        paintWand(p, b, seed);
        break;
    case Held::Cup:
        paintCup(p, b);
        break;
    case Held::Pentacle:
        paintPentacle(p, b);
        break;
    case Held::Staff:
        paintStaff(p, b, u, seed);
        break;
    case Held::Rod:
        paintRod(p, b, u);
        break;
    case Held::Lamp:
        paintLamp(p, b, u);
        break;
    case Held::Scales:
        paintScales(p, b, u);
        break;
    case Held::Flower:
        paintFlower(p, b, u, seed);
        break;
    case Held::Sceptre:
        paintSceptre(p, b, u);
        break;
    case Held::Orb:
        paintOrb(p, b, u);
        break;
    case Held::Banner:
        paintBanner(p, b, u, flag);
        break;
    case Held::Nothing:
        break;
    }
    p.restore();
}

QRectF heldBounds(Held held, QPointF grip, double u, double angle, double ground)
{
    if (held == Held::Nothing)
        return {};
    QTransform t;
    t.translate(grip.x(), grip.y());
    t.rotate(angle);
    return t.mapRect(heldBox(held, u, ground - grip.y()).box);
}

// ---- The figure ----------------------------------------------------------------

namespace {

class FigurePainter {
public:
    FigurePainter(QPainter &p, const Figure &f) : p_(p), f_(f), pr_(proportionsOf(f.build)), b_(bodyOf(f)), u_(b_.unit)
    {
    }

    void paint();
    void paintRider();
    void head(QPointF centre, double unit);

private:
    QPointF at(double x, double y) const { return {b_.crown.x() + x * u_, b_.crown.y() + y * u_}; }
    double soleY() const { return poseHeads(pr_, f_.pose); }
    Tone sleeveTone() const { return f_.robe.cut == Cut::Armour ? kSteel : f_.robe.gown; }
    Tone headwearTone() const { return f_.headwearTone.value_or(f_.robe.gown); }

    void mantle();
    void legs();
    void leg(const std::vector<QPointF> &chain, bool bentFoot, int footDir);
    void shoe(QPointF sole, int dir);
    void torso();
    QPainterPath robeOutline() const;
    QPainterPath kneelingOutline(std::vector<QPointF> upper) const;
    void robeDetails(const QPainterPath &outline);
    void robeFolds(const QPainterPath &outline);
    void robeLap(const QPainterPath &outline);
    void robeTrim(const QPainterPath &outline);
    void neck();
    void arm(int side, bool behind);
    void fist(QPointF at, QPointF along, bool holding);
    void heldThing(int side);
    void headwear(QPointF centre, double unit);
    void hairBack(QPointF c, double w, double h);
    void backOfHead(QPointF c, double w, double h);
    void helm(QPointF c, double w, double h);
    void cap(QPointF c, double w, double h);
    void hairFront(QPointF c, double w, double h);
    void beard(QPointF c, double w, double h);
    void face(QPointF c, double w, double h);

    const Hand &hand(int side) const { return side < 0 ? f_.left : f_.right; }
    Gesture gesture(int side) const { return f_.pose == Pose::Hanging ? Gesture::Behind : hand(side).gesture; }
    double heldAngle(int side) const;
    QPointF heldGrip(int side) const;

    QPainter &p_;
    const Figure &f_;
    Proportions pr_;
    Body b_;
    double u_;
};

double FigurePainter::heldAngle(int side) const
{
    const Hand &h = hand(side);
    double angle = h.tilt;
    if (gesture(side) == Gesture::Raised || gesture(side) == Gesture::Aloft)
        angle += side * 6.0;
    return angle;
}

QPointF FigurePainter::heldGrip(int side) const
{
    return b_.hand[static_cast<std::size_t>(side > 0)];
}

void FigurePainter::paint()
{
    if (f_.pose == Pose::Hanging) {
        p_.save();
        p_.translate(f_.base);
        p_.rotate(180);
        p_.scale(-1, 1); // keep the bent leg on the facing side after the half turn
        p_.translate(-f_.base);
    }
    mantle();
    for (int side : {-1, 1}) {
        if (gesture(side) == Gesture::Behind)
            arm(side, true);
    }
    legs();
    torso();
    neck();
    head(b_.headCentre, u_);
    for (int side : {-1, 1}) {
        if (gesture(side) != Gesture::Behind) {
            if (hand(side).held != Held::Nothing && gesture(side) != Gesture::Forward)
                heldThing(side);
            arm(side, false);
            if (hand(side).held != Held::Nothing && gesture(side) == Gesture::Forward)
                heldThing(side);
            fist(b_.hand[static_cast<std::size_t>(side > 0)],
                 b_.hand[static_cast<std::size_t>(side > 0)] - b_.elbow[static_cast<std::size_t>(side > 0)],
                 hand(side).held != Held::Nothing);
        }
    }
    if (f_.pose == Pose::Hanging)
        p_.restore();
}

void FigurePainter::mantle()
{
    if (!f_.robe.mantle)
        return;
    const double sh = pr_.shoulderHalf + 0.12, bottom = soleY() - 0.05;
    if (f_.pose == Pose::Riding) {
        // A cape streaming back from the shoulders, towards the horse's tail.
        const double back = -f_.facing;
        const std::vector<QPointF> cape{
            at(-0.3 * back, 1.15),       at(back * sh * 0.9, 1.3),       at(back * (sh + 0.7), 1.9),
            at(back * (sh + 1.5), 2.9),  at(back * (sh + 1.2), 3.25),    at(back * (sh + 0.9), 3.0),
            at(back * (sh + 0.5), 3.35), at(back * 0.3, pr_.hipY - 0.1), at(-back * 0.3, 2.0)};
        drawShape(p_, smoothClosed(cape), *f_.robe.mantle, std::max(1.2, 0.1 * u_));
        return;
    }
    std::vector<QPointF> right{{0.3, 1.15}, {sh * 0.8, 1.26}, {sh, 1.5}};
    switch (f_.pose) {
    case Pose::Seated:
        right.insert(right.end(),
                     {{sh + 0.12, 2.6}, {pr_.hipHalf + 0.72, pr_.hipY + 0.4}, {pr_.hipHalf + 0.8, bottom}});
        break;
    case Pose::Kneeling:
        right.insert(right.end(), {{sh + 0.2, 2.8}, {pr_.hemHalf + 0.55, bottom}});
        break;
    default:
        right.insert(right.end(), {{sh + 0.1, 2.6}, {pr_.hemHalf + 0.3, bottom}});
        break;
    }
    right.push_back({0.0, bottom});
    std::vector<QPointF> scaled;
    for (const QPointF &q : right)
        scaled.emplace_back(q.x() * u_, b_.crown.y() + q.y() * u_);
    drawShape(p_, smoothClosed(mirrored(b_.crown.x(), scaled)), *f_.robe.mantle, std::max(1.2, 0.1 * u_));
}

void FigurePainter::shoe(QPointF sole, int dir)
{
    if (dir == 0) {
        // Seen from the front: a rounded toe.
        QPainterPath s;
        s.moveTo(sole + QPointF(-0.2 * u_, 0));
        s.cubicTo(sole + QPointF(-0.22 * u_, -0.3 * u_), sole + QPointF(0.22 * u_, -0.3 * u_),
                  sole + QPointF(0.2 * u_, 0));
        s.closeSubpath();
        drawShape(p_, s, f_.robe.cut == Cut::Armour ? kIron : kShoe, 0.7);
        return;
    }
    // In profile, the toe pointing to `dir`.
    QPainterPath s;
    s.moveTo(sole + QPointF(-dir * 0.16 * u_, 0));
    s.lineTo(sole + QPointF(-dir * 0.16 * u_, -0.28 * u_));
    s.cubicTo(sole + QPointF(dir * 0.1 * u_, -0.3 * u_), sole + QPointF(dir * 0.45 * u_, -0.12 * u_),
              sole + QPointF(dir * 0.48 * u_, 0));
    s.closeSubpath();
    drawShape(p_, s, f_.robe.cut == Cut::Armour ? kIron : kShoe, 0.7);
}

void FigurePainter::leg(const std::vector<QPointF> &chain, bool bentFoot, int footDir)
{
    const Tone tone = f_.robe.cut == Cut::Armour ? kSteel : f_.robe.hose;
    // Hip, knee and ankle: the thigh tapers to the knee, the calf swells below
    // it and narrows to the ankle.
    const double w = pr_.limb * u_;
    const QPointF hip = chain[0], knee = chain[1], ankle = chain[2];
    const std::vector<QPointF> joints{hip, lerp(hip, knee, 0.5), knee, lerp(knee, ankle, 0.3), ankle};
    const std::vector<double> half{0.33 * w, 0.27 * w, 0.19 * w, 0.21 * w, 0.12 * w};
    drawShape(p_, limb(joints, half), tone, std::max(1.0, 0.08 * u_));
    if (f_.robe.cut == Cut::Armour)
        drawShape(p_, ellipse(knee, 0.22 * w, 0.18 * w), kIron, 0.6, 0.8);
    shoe(chain.back() + (bentFoot ? QPointF(0, 0.1 * u_) : QPointF(0, 0.12 * u_)), footDir);
}

void FigurePainter::legs()
{
    const Cut cut = f_.robe.cut;
    const double sole = soleY();
    switch (f_.pose) {
    case Pose::Standing:
        if (cut == Cut::Gown) {
            shoe(at(-0.3, sole), 0);
            shoe(at(0.3, sole), 0);
        } else {
            // Weight on one leg, the other a little out.
            for (int s : {-1, 1}) {
                const double out = s == f_.facing ? 0.3 : 0.0;
                leg({at(s * 0.32, pr_.hipY + 0.2), at(s * (0.3 + out * 0.5), pr_.kneeY),
                     at(s * (0.27 + out), sole - 0.12)},
                    false, 0);
            }
        }
        break;
    case Pose::Walking: {
        const int fc = f_.facing;
        if (cut == Cut::Gown) {
            shoe(at(-fc * 0.35, sole - 0.04), fc);
            shoe(at(fc * 0.55, sole), fc);
        } else {
            // The back leg with the heel lifting, then the front one.
            leg({at(-fc * 0.2, pr_.hipY + 0.2), at(-fc * 0.42, pr_.kneeY), at(-fc * 0.7, sole - 0.2)}, true, fc);
            leg({at(fc * 0.25, pr_.hipY + 0.2), at(fc * 0.5, pr_.kneeY - 0.05), at(fc * 0.62, sole - 0.12)}, false, fc);
        }
        break;
    }
    case Pose::Seated:
        if (cut == Cut::Gown) {
            shoe(at(-0.42, sole), 0);
            shoe(at(0.42, sole), 0);
        } else {
            for (int s : {-1, 1})
                leg({at(s * 0.55, pr_.hipY + 0.3), at(s * 0.5, pr_.hipY + 1.1), at(s * 0.45, sole - 0.12)}, false, 0);
        }
        break;
    case Pose::Kneeling: {
        const int fc = f_.facing;
        // The sole of the kneeling leg shows behind; the raised leg's foot stands in front.
        shoe(at(-fc * (pr_.hipHalf + 0.75), sole - 0.02), -fc);
        if (cut == Cut::Gown) {
            shoe(at(fc * (pr_.hipHalf + 0.3), sole), 0);
        } else {
            leg({at(-fc * 0.3, pr_.hipY + 0.2), at(-fc * (pr_.hipHalf + 0.1), sole - 0.18),
                 at(-fc * (pr_.hipHalf + 0.55), sole - 0.1)},
                true, -fc);
            leg({at(fc * 0.3, pr_.hipY + 0.2), at(fc * (pr_.hipHalf + 0.5), pr_.hipY + 0.75),
                 at(fc * (pr_.hipHalf + 0.4), sole - 0.12)},
                false, 0);
        }
        break;
    }
    case Pose::Hanging: {
        const int fc = f_.facing;
        // The free leg bends behind the other, its foot at the knee: a figure four.
        leg({at(fc * 0.3, pr_.hipY + 0.2), at(fc * 1.15, pr_.kneeY - 0.5), at(-fc * 0.05, pr_.kneeY + 0.15)}, true,
            -fc);
        leg({at(-fc * 0.2, pr_.hipY + 0.2), at(-fc * 0.12, pr_.kneeY), at(-fc * 0.05, sole - 0.12)}, false, 0);
        break;
    }
    case Pose::Riding:
        break;
    }
}

QPainterPath FigurePainter::robeOutline() const
{
    const double sh = pr_.shoulderHalf, sole = soleY();
    std::vector<QPointF> right{
        {0.24, 1.12}, {sh * 0.78, 1.27}, {sh, 1.55}, {sh * 0.92, 2.0}, {pr_.waistHalf, pr_.waistY}};
    const bool longRobe = f_.robe.cut == Cut::Gown;
    if (f_.pose == Pose::Kneeling)
        return kneelingOutline(right);
    switch (f_.pose) {
    case Pose::Seated:
        right.push_back({pr_.hipHalf + 0.05, pr_.hipY});
        if (longRobe) {
            right.insert(right.end(), {{pr_.hipHalf + 0.42, pr_.hipY + 0.3},
                                       {pr_.hipHalf + 0.5, pr_.hipY + 0.65},
                                       {pr_.hipHalf + 0.4, sole - 0.12},
                                       {0.25, sole - 0.08}});
            right.push_back({0, sole - 0.1});
        } else {
            right.insert(
                right.end(),
                {{pr_.hipHalf + 0.45, pr_.hipY + 0.3}, {pr_.hipHalf + 0.45, pr_.hipY + 0.85}, {0.3, pr_.hipY + 0.95}});
            right.push_back({0, pr_.hipY + 0.9});
        }
        break;
    case Pose::Kneeling:
        right.insert(right.end(), {{pr_.hipHalf + 0.05, pr_.hipY},
                                   {pr_.hipHalf + 0.3, sole - 0.7},
                                   {pr_.hemHalf + 0.15, sole - 0.06},
                                   {0.4, sole}});
        right.push_back({0, sole});
        break;
    case Pose::Riding:
        right.push_back({pr_.hipHalf, pr_.hipY - 0.1});
        right.push_back({0, pr_.hipY});
        break;
    default:
        right.push_back({pr_.hipHalf, pr_.hipY});
        if (longRobe) {
            right.insert(right.end(),
                         {{pr_.hemHalf - 0.05, sole - 0.45}, {pr_.hemHalf, sole - 0.12}, {0.4, sole - 0.16}});
            right.push_back({0, sole - 0.14});
        } else {
            const double hem = pr_.hipY + 1.0;
            right.insert(right.end(), {{pr_.hipHalf + 0.16, hem - 0.2}, {pr_.hipHalf + 0.12, hem}, {0.3, hem - 0.02}});
            right.push_back({0, hem});
        }
        break;
    }
    std::vector<QPointF> scaled;
    for (const QPointF &q : right)
        scaled.emplace_back(q.x() * u_, b_.crown.y() + q.y() * u_);
    std::vector<QPointF> points = mirrored(b_.crown.x(), scaled);
    // A walking gown swings back at the hem.
    if (f_.pose == Pose::Walking && longRobe) {
        for (QPointF &q : points) {
            const double t = std::clamp((q.y() - (b_.crown.y() + pr_.hipY * u_)) / ((sole - pr_.hipY) * u_), 0.0, 1.0);
            q.rx() += -f_.facing * 0.25 * u_ * t * t;
        }
    }
    return smoothClosed(points);
}

QPainterPath FigurePainter::kneelingOutline(std::vector<QPointF> upper) const
{
    // One knee raised on the facing side, its foot flat in front; the other
    // knee on the ground, the robe spread round it.
    const double sole = soleY(), hh = pr_.hipHalf;
    upper.push_back({hh + 0.05, pr_.hipY});
    const bool gown = f_.robe.cut == Cut::Gown;
    const double hem = gown ? sole - 0.05 : pr_.hipY + 0.9;
    const std::vector<QPointF> raised = gown ? std::vector<QPointF>{{hh + 0.42, pr_.hipY + 0.3},
                                                                    {hh + 0.5, pr_.hipY + 0.65},
                                                                    {hh + 0.38, sole - 0.5},
                                                                    {hh + 0.45, hem},
                                                                    {0.2, hem}}
                                             : std::vector<QPointF>{
                                                   {hh + 0.3, pr_.hipY + 0.5}, {hh + 0.35, hem}, {0.2, hem}};
    const std::vector<QPointF> down = gown ? std::vector<QPointF>{{hh + 0.15, pr_.hipY + 0.8},
                                                                  {hh + 0.4, sole - 0.2},
                                                                  {hh + 0.62, sole},
                                                                  {0.2, sole + 0.02}}
                                           : std::vector<QPointF>{{hh + 0.2, hem - 0.1}, {0.25, hem}};
    const std::vector<QPointF> &rightSide = f_.facing > 0 ? raised : down;
    const std::vector<QPointF> &leftSide = f_.facing > 0 ? down : raised;
    std::vector<QPointF> pts;
    for (const QPointF &q : upper)
        pts.push_back(at(q.x(), q.y()));
    for (const QPointF &q : rightSide)
        pts.push_back(at(q.x(), q.y()));
    for (auto it = leftSide.rbegin(); it != leftSide.rend(); ++it)
        pts.push_back(at(-it->x(), it->y()));
    for (auto it = upper.rbegin(); it != upper.rend(); ++it)
        pts.push_back(at(-it->x(), it->y()));
    return smoothClosed(pts);
}

void FigurePainter::robeDetails(const QPainterPath &outline)
{
    robeFolds(outline);
    robeLap(outline);
    robeTrim(outline);
}

// Folds: soft lines in the shade colour falling from the waist.
void FigurePainter::robeFolds(const QPainterPath &outline)
{
    const Tone &gown = f_.robe.gown;
    const double line = std::max(0.8, 0.06 * u_);
    const double sole = soleY();
    QPainterPath folds;
    Roughness rough(f_.seed);
    const bool longRobe = f_.robe.cut == Cut::Gown;
    if (f_.pose == Pose::Kneeling && longRobe) {
        // From the raised knee down to its foot, and down the kneeling leg.
        const double fc = f_.facing, k = pr_.hipHalf + 0.42;
        folds.moveTo(at(fc * k * 0.7, pr_.hipY + 0.7));
        folds.quadTo(at(fc * k * 0.75, sole - 0.8), at(fc * k * 0.65, sole - 0.3));
        folds.moveTo(at(-fc * 0.2, pr_.hipY + 0.3));
        folds.quadTo(at(-fc * 0.3, sole - 0.8), at(-fc * 0.1, sole - 0.25));
        folds.moveTo(at(-fc * 0.6, pr_.hipY + 0.2));
        folds.quadTo(at(-fc * 0.75, sole - 0.8), at(-fc * 0.85, sole - 0.2));
    } else if (f_.pose == Pose::Standing || f_.pose == Pose::Walking || f_.pose == Pose::Kneeling) {
        const double bottom = longRobe ? sole - 0.35 : pr_.hipY + 0.85;
        for (double x : {-0.45, 0.05, 0.5}) {
            const double jitter = 0.06 * rough.next();
            folds.moveTo(at(x * 0.5 + jitter, pr_.waistY + 0.35));
            folds.quadTo(at(x * 0.9 + jitter, (pr_.waistY + bottom) / 2), at(x * 1.4 + jitter, bottom));
        }
    } else if (f_.pose == Pose::Seated) {
        // Folds hanging from the knees.
        if (longRobe) {
            for (double x : {-0.5, 0.0, 0.5}) {
                folds.moveTo(at(x * 0.8, pr_.hipY + 0.7));
                folds.quadTo(at(x * 0.9 + 0.05, (pr_.hipY + sole) / 2 + 0.3), at(x, sole - 0.25));
            }
        }
    }
    p_.save();
    p_.setClipPath(outline);
    drawLine(p_, folds, gown.shade, line);
    p_.restore();
}

// Where a seated or kneeling figure's thighs lie under the robe, they catch
// the light.
void FigurePainter::robeLap(const QPainterPath &outline)
{
    const Tone &gown = f_.robe.gown;
    const double line = std::max(0.8, 0.06 * u_);
    if (f_.pose == Pose::Kneeling && f_.robe.cut == Cut::Gown) {
        // The raised thigh catches the light, its knee rounding at the front
        // edge, as on a seated figure's lap.
        const double k = pr_.hipHalf + 0.42, fc = f_.facing;
        const std::vector<QPointF> thigh{at(fc * 0.02, pr_.hipY + 0.02),    at(fc * k * 0.6, pr_.hipY - 0.02),
                                         at(fc * k, pr_.hipY + 0.12),       at(fc * (k + 0.06), pr_.hipY + 0.42),
                                         at(fc * k * 0.8, pr_.hipY + 0.66), at(fc * k * 0.4, pr_.hipY + 0.62),
                                         at(fc * 0.02, pr_.hipY + 0.5)};
        drawShape(p_, smoothClosed(thigh).intersected(outline), {gown.base.lighter(118), gown.base},
                  std::max(1.0, 0.1 * u_), line);
    }
    if (f_.pose == Pose::Seated) {
        // The lap: the thighs' tops catch the light, the knees round at its front edge.
        const double k = pr_.hipHalf + 0.42;
        const std::vector<QPointF> right{
            {0, pr_.hipY + 0.02},       {k * 0.6, pr_.hipY - 0.02}, {k, pr_.hipY + 0.12},   {k + 0.06, pr_.hipY + 0.42},
            {k * 0.8, pr_.hipY + 0.66}, {k * 0.4, pr_.hipY + 0.62}, {0.12, pr_.hipY + 0.5}, {0, pr_.hipY + 0.48}};
        std::vector<QPointF> scaled;
        for (const QPointF &q : right)
            scaled.emplace_back(q.x() * u_, b_.crown.y() + q.y() * u_);
        const Tone lap{gown.base.lighter(118), gown.base};
        drawShape(p_, smoothClosed(mirrored(b_.crown.x(), scaled)).intersected(outline), lap, std::max(1.0, 0.1 * u_),
                  line);
    }
}

// Belt, neckline and hem in the trim colour.
void FigurePainter::robeTrim(const QPainterPath &outline)
{
    const double sole = soleY();
    const bool longRobe = f_.robe.cut == Cut::Gown;
    QPainterPath belt;
    belt.addRoundedRect(
        QRectF(at(-pr_.waistHalf - 0.05, pr_.waistY - 0.09), at(pr_.waistHalf + 0.05, pr_.waistY + 0.09)), 0.05 * u_,
        0.05 * u_);
    drawShape(p_, belt.intersected(outline), f_.robe.trim, 0.6, 0.8);
    QPainterPath neckline;
    neckline.moveTo(at(-0.3, 1.14));
    neckline.quadTo(at(0, 1.52), at(0.3, 1.14));
    neckline.quadTo(at(0, 1.36), at(-0.3, 1.14));
    drawShape(p_, neckline, f_.robe.cut == Cut::Armour ? kSteel : f_.robe.trim, 0.6, 0.8);
    if ((f_.pose == Pose::Standing || f_.pose == Pose::Walking) && longRobe) {
        // A border along the hem.
        p_.save();
        p_.setClipPath(outline);
        QPainterPath hem = outline.translated(0, -0.22 * u_);
        QPainterPath band = outline.subtracted(hem);
        QPainterPath lower;
        lower.addRect(QRectF(at(-3, sole - 0.9), at(3, sole + 0.2)));
        drawShape(p_, band.intersected(lower), f_.robe.trim, 0, 0);
        p_.restore();
    }
}

void FigurePainter::torso()
{
    if (f_.robe.cut == Cut::Armour) {
        // Steel shoulders under the surcoat.
        for (int s : {-1, 1})
            drawShape(p_, ellipse(at(s * (pr_.shoulderHalf - 0.1), 1.58), 0.36 * u_, 0.3 * u_), kSteel, 1.0);
    }
    const QPainterPath outline = robeOutline();
    drawShape(p_, outline, f_.robe.gown, std::max(1.4, 0.13 * u_));
    robeDetails(outline);
    if (f_.robe.cut == Cut::Armour) {
        for (int s : {-1, 1})
            drawShape(p_, ellipse(at(s * (pr_.shoulderHalf - 0.08), 1.5), 0.3 * u_, 0.2 * u_, s * 20.0), kSteel, 0.8);
    }
    if (f_.robe.mantle) {
        // The mantle's clasp at the throat.
        drawShape(p_, ellipse(at(0, 1.3), 0.12 * u_, 0.12 * u_), kGold, 0.5, 0.7);
    }
}

void FigurePainter::neck()
{
    QPainterPath n;
    n.addRect(QRectF(at(-0.17, 0.8), at(0.17, 1.25)));
    drawShape(p_, n, f_.skin, 0, 0.8);
}

void FigurePainter::arm(int side, bool behind)
{
    const auto i = static_cast<std::size_t>(side > 0);
    const QPointF s = b_.shoulder[i], e = b_.elbow[i], h = b_.hand[i];
    const QPointF wrist = h - unitVector(h - e) * 0.2 * u_;
    const double w = pr_.limb * u_;
    const bool wide = f_.robe.cut == Cut::Gown && !behind;
    const std::vector<double> half{0.3 * w, 0.23 * w, wide ? 0.27 * w : 0.18 * w};
    drawShape(p_, limb({s, e, wrist}, half), sleeveTone(), std::max(1.0, 0.1 * u_));
    if (f_.robe.cut == Cut::Armour)
        drawShape(p_, ellipse(e, 0.2 * w, 0.18 * w), kIron, 0.6, 0.8);
    if (behind)
        return;
    // A cuff in the trim colour.
    const QPointF along = unitVector(h - e);
    QPainterPath cuff = limb({wrist - along * 0.1 * u_, wrist}, {half[2] * 1.05, half[2] * 1.05});
    drawShape(p_, cuff, f_.robe.cut == Cut::Armour ? kIron : f_.robe.trim, 0.5, 0.8);
}

void FigurePainter::fist(QPointF at, QPointF along, bool holding)
{
    const QPointF d = unitVector(along);
    const double angle = std::atan2(d.y(), d.x()) * 180 / M_PI;
    if (holding) {
        // A closed hand: a rounded knob across the grip, knuckles marked.
        drawShape(p_, ellipse(at, 0.2 * u_, 0.16 * u_, angle), f_.skin, 0.5, 0.8);
        return;
    }
    // An open hand, fingers together, longer than wide.
    const QPointF c = at + d * 0.04 * u_;
    drawShape(p_, ellipse(c, 0.19 * u_, 0.12 * u_, angle), f_.skin, 0.5, 0.8);
    // The thumb, on the side towards the body.
    const QPointF side = normal(d) * (at.x() < b_.crown.x() ? -1.0 : 1.0);
    drawShape(p_, ellipse(at - side * 0.1 * u_ - d * 0.04 * u_, 0.09 * u_, 0.05 * u_, angle + 30), f_.skin, 0, 0.7);
}

void FigurePainter::heldThing(int side)
{
    const Hand &h = hand(side);
    const double ground = f_.pose == Pose::Hanging ? f_.base.y() + 10 * u_ : f_.base.y();
    paintHeld(p_, h.held, heldGrip(side), u_ * h.size, heldAngle(side), ground,
              f_.seed + static_cast<unsigned>(side + 1), f_.flag);
}

// ---- The head ------------------------------------------------------------------

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

void FigurePainter::paintRider()
{
    const int fc = f_.facing;
    mantle();
    for (int side : {-1, 1}) {
        if (gesture(side) == Gesture::Behind)
            arm(side, true);
    }
    // The near leg: the thigh forward along the flank, the shin down to the stirrup.
    leg({at(-fc * 0.05, pr_.hipY - 0.05), at(fc * 0.85, pr_.hipY + 0.55), at(fc * 0.62, pr_.hipY + 2.05)}, false, fc);
    torso();
    // The skirt of the tunic over the thigh.
    QPainterPath skirt;
    skirt.moveTo(at(-pr_.hipHalf, pr_.hipY - 0.35));
    skirt.lineTo(at(pr_.hipHalf, pr_.hipY - 0.35));
    skirt.cubicTo(at(pr_.hipHalf + 0.1, pr_.hipY), at(fc * 0.9, pr_.hipY + 0.2), at(fc * 0.95, pr_.hipY + 0.75));
    skirt.lineTo(at(fc * 0.35, pr_.hipY + 0.85));
    skirt.cubicTo(at(-fc * 0.2, pr_.hipY + 0.9), at(-fc * 0.7, pr_.hipY + 0.6),
                  at(-pr_.hipHalf - 0.15, pr_.hipY + 0.35));
    skirt.closeSubpath();
    if (fc < 0)
        skirt = flippedX(skirt, b_.crown.x());
    drawShape(p_, skirt, f_.robe.gown, std::max(1.2, 0.12 * u_));
    QPainterPath belt;
    belt.addRoundedRect(
        QRectF(at(-pr_.waistHalf - 0.05, pr_.waistY - 0.09), at(pr_.waistHalf + 0.05, pr_.waistY + 0.09)), 0.05 * u_,
        0.05 * u_);
    drawShape(p_, belt, f_.robe.trim, 0.6, 0.8);
    neck();
    head(b_.headCentre, u_);
    for (int side : {-1, 1}) {
        if (gesture(side) != Gesture::Behind) {
            if (hand(side).held != Held::Nothing && gesture(side) != Gesture::Forward)
                heldThing(side);
            arm(side, false);
            if (hand(side).held != Held::Nothing && gesture(side) == Gesture::Forward)
                heldThing(side);
            fist(b_.hand[static_cast<std::size_t>(side > 0)],
                 b_.hand[static_cast<std::size_t>(side > 0)] - b_.elbow[static_cast<std::size_t>(side > 0)],
                 hand(side).held != Held::Nothing || gesture(side) == Gesture::Forward);
        }
    }
}

} // namespace

void paintFigure(QPainter &painter, const Figure &figure)
{
    FigurePainter fp(painter, figure);
    if (figure.pose == Pose::Riding)
        fp.paintRider();
    else
        fp.paint();
}

void paintHead(QPainter &painter, const Figure &figure, QPointF centre, double unit)
{
    FigurePainter(painter, figure).head(centre, unit);
}

QRectF figureBounds(const Figure &figure)
{
    QPicture picture;
    QPainter p(&picture);
    paintFigure(p, figure);
    p.end();
    return QRectF(picture.boundingRect()).adjusted(-1, -1, 1, 1);
}

} // namespace artwork::figures
