#include "figures/Horse.h"

#include "figures/Shapes.h"

#include <QtMath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace {

// A rearing horse turns up about its hind hooves.
QTransform rearingTilt()
{
    QTransform t;
    t.translate(-0.5, 0);
    t.rotate(-32);
    t.translate(0.5, 0);
    return t;
}

// Leg joints in the horse's own units (withers height 1, facing right): from
// the body down to the hoof.
struct Legs {
    std::vector<QPointF> nearFore, nearHind, farFore, farHind;
};

Legs legsFor(Gait gait)
{
    Legs l;
    l.nearHind = {{-0.46, -0.62}, {-0.5, -0.42}, {-0.56, -0.28}, {-0.53, -0.08}, {-0.52, 0.0}};
    l.farHind = {{-0.4, -0.6}, {-0.42, -0.42}, {-0.45, -0.28}, {-0.38, -0.08}, {-0.36, 0.0}};
    l.farFore = {{0.3, -0.62}, {0.3, -0.45}, {0.28, -0.3}, {0.25, -0.08}, {0.24, 0.0}};
    switch (gait) {
    case Gait::Standing:
        l.nearFore = {{0.36, -0.62}, {0.37, -0.45}, {0.38, -0.3}, {0.39, -0.08}, {0.4, 0.0}};
        break;
    case Gait::Walking:
        l.nearFore = {{0.36, -0.62}, {0.42, -0.47}, {0.5, -0.36}, {0.46, -0.19}, {0.48, -0.12}};
        l.farHind = {{-0.4, -0.6}, {-0.46, -0.42}, {-0.54, -0.3}, {-0.6, -0.09}, {-0.62, 0.0}};
        break;
    case Gait::Prancing:
        l.nearFore = {{0.36, -0.64}, {0.46, -0.55}, {0.58, -0.52}, {0.54, -0.36}, {0.57, -0.3}};
        l.farFore = {{0.3, -0.64}, {0.36, -0.5}, {0.42, -0.4}, {0.38, -0.24}, {0.4, -0.18}};
        break;
    case Gait::Galloping:
        // Full stretch: the near fore reaching out, the far one folding under;
        // the near hind flung back from its bent hock, the far one coming under.
        l.nearFore = {{0.36, -0.62}, {0.5, -0.56}, {0.66, -0.52}, {0.82, -0.46}, {0.88, -0.42}};
        l.farFore = {{0.3, -0.62}, {0.4, -0.5}, {0.48, -0.38}, {0.42, -0.26}, {0.48, -0.2}};
        l.nearHind = {{-0.46, -0.62}, {-0.56, -0.46}, {-0.74, -0.44}, {-0.88, -0.32}, {-0.94, -0.28}};
        l.farHind = {{-0.4, -0.6}, {-0.3, -0.44}, {-0.4, -0.3}, {-0.26, -0.18}, {-0.2, -0.14}};
        break;
    case Gait::Rearing: {
        // The fore legs folded high at the knee; the hind legs, given as they
        // stand on the ground, carried back into the tilted body's frame.
        l.nearFore = {{0.36, -0.64}, {0.52, -0.52}, {0.46, -0.36}, {0.58, -0.3}, {0.64, -0.34}};
        l.farFore = {{0.3, -0.64}, {0.46, -0.56}, {0.52, -0.42}, {0.64, -0.44}, {0.68, -0.48}};
        const QTransform back = rearingTilt().inverted();
        auto standing = [&](std::vector<QPointF> pts) {
            for (QPointF &q : pts)
                q = back.map(q);
            return pts;
        };
        const QPointF nearRoot = rearingTilt().map(QPointF(-0.46, -0.62));
        const QPointF farRoot = rearingTilt().map(QPointF(-0.4, -0.6));
        l.nearHind = standing({nearRoot,
                               nearRoot + QPointF(0.1, 0.2),
                               {nearRoot.x() - 0.12, -0.26},
                               {nearRoot.x() - 0.04, -0.08},
                               {nearRoot.x() + 0.0, 0.0}});
        l.farHind = standing({farRoot,
                              farRoot + QPointF(0.12, 0.18),
                              {farRoot.x() - 0.02, -0.27},
                              {farRoot.x() + 0.08, -0.08},
                              {farRoot.x() + 0.12, 0.0}});
        break;
    }
    }
    return l;
}

const std::vector<double> kForeHalf{0.085, 0.065, 0.05, 0.042, 0.048};
const std::vector<double> kHindHalf{0.15, 0.085, 0.055, 0.042, 0.048};

// A point of the neck or head as the gait carries it: prancing lifts the
// head, galloping stretches it forward and down, rearing tucks it a little.
QPointF headAt(Gait gait, double x, double y)
{
    const double k = std::clamp((x - 0.1) / 0.5, 0.0, 1.0);
    switch (gait) {
    case Gait::Galloping:
        return {x + 0.08 * k, y + 0.12 * k};
    case Gait::Rearing:
        return {x - 0.03 * k, y + 0.04 * k};
    default: {
        const double lift = gait == Gait::Prancing ? -0.06 : 0.0;
        return QPointF(x, y + lift * std::clamp((x - 0.1) / 0.5, 0.0, 1.0));
    }
    }
}

// The neck and head, from the withers over the poll to the muzzle and back
// down the throat to the chest.
std::vector<QPointF> topLine(Gait gait)
{
    auto h = [&](double x, double y) { return headAt(gait, x, y); };
    return {{-0.68, -0.95}, {-0.5, -1.02},  {-0.3, -0.97},  {-0.12, -0.97}, {0.05, -1.04}, h(0.22, -1.16),
            h(0.36, -1.32), h(0.45, -1.45), h(0.53, -1.46), h(0.64, -1.34), h(0.76, -1.2), h(0.82, -1.12),
            h(0.8, -1.06),  h(0.72, -1.06), h(0.6, -1.15),  h(0.5, -1.2),   {0.44, -1.02}, {0.45, -0.84}};
}

Profile nearSide(Gait gait)
{
    const Legs legs = legsFor(gait);
    Profile pr;
    pr.top = topLine(gait);
    pr.foreLeg = legs.nearFore;
    pr.foreHalf = kForeHalf;
    pr.belly = {{0.22, -0.53}, {0.0, -0.5}, {-0.24, -0.54}};
    pr.hindLeg = legs.nearHind;
    pr.hindHalf = kHindHalf;
    pr.rear = {{-0.66, -0.72}, {-0.7, -0.86}};
    return pr;
}

QPainterPath hooves(const std::vector<QPointF> &leg)
{
    const QPointF end = leg.back();
    const QPointF dir = unitVector(end - leg[leg.size() - 2]);
    const QPointF n = normal(dir);
    QPainterPath h;
    h.moveTo(end - dir * 0.06 - n * 0.05);
    h.lineTo(end - dir * 0.06 + n * 0.05);
    h.lineTo(end + dir * 0.01 + n * 0.058);
    h.lineTo(end + dir * 0.01 - n * 0.058);
    h.closeSubpath();
    return h;
}

// From the horse's own units to the picture, with a galloping horse lifted
// off the ground and a rearing one tilted up.
QTransform bodyTransform(const Horse &h)
{
    const QTransform place = profileTransform(h.base, h.height, h.facing);
    switch (h.gait) {
    case Gait::Galloping: {
        QTransform lifted;
        lifted.translate(0, -0.1);
        return lifted * place;
    }
    case Gait::Rearing:
        return rearingTilt() * place;
    default:
        return place;
    }
}

} // namespace

QPointF saddleOf(const Horse &h)
{
    return bodyTransform(h).map(QPointF(-0.16, -1.02));
}

QPointF bitOf(const Horse &h)
{
    if (h.gait == Gait::Galloping || h.gait == Gait::Rearing)
        return bodyTransform(h).map(headAt(h.gait, 0.76, -1.1));
    const double lift = h.gait == Gait::Prancing ? -0.06 : 0.0;
    return profileTransform(h.base, h.height, h.facing).map(QPointF(0.76, -1.1 + lift));
}

void paintHorse(QPainter &p, const Horse &h)
{
    const QTransform t = bodyTransform(h);
    const Legs legs = legsFor(h.gait);
    const double line = std::max(1.0, h.height * 0.012);
    const Tone far{h.coat.shade, h.coat.shade.darker(125)};
    const Tone &hoof = kHoof;

    // The tail, then the far legs, behind the body.
    const std::vector<QPointF> tail{{-0.66, -0.97}, {-0.8, -0.9},   {-0.86, -0.7},  {-0.84, -0.45}, {-0.9, -0.3},
                                    {-0.8, -0.36},  {-0.76, -0.55}, {-0.72, -0.78}, {-0.64, -0.9}};
    drawShape(p, t.map(smoothClosed(tail)), {h.mane, h.mane.darker(140)}, line * 1.5);
    for (const auto *leg : {&legs.farFore, &legs.farHind}) {
        const auto &half = leg == &legs.farFore ? kForeHalf : kHindHalf;
        drawShape(p, t.map(limb(*leg, half)), far, line);
        drawShape(p, t.map(hooves(*leg)), hoof, 0, line * 0.8);
    }

    const QPainterPath body = t.map(profileOutline(nearSide(h.gait)));
    drawShape(p, body, h.coat, std::max(1.6, h.height * 0.022));
    for (const auto *leg : {&legs.nearFore, &legs.nearHind})
        drawShape(p, t.map(hooves(*leg)), hoof, 0, line * 0.8);

    // The mane along the crest, falling on the near side.
    auto hl = [&](double x, double y) { return headAt(h.gait, x, y); };
    const std::vector<QPointF> mane{hl(0.0, -1.05),  hl(0.2, -1.19),  hl(0.35, -1.36), hl(0.46, -1.49), hl(0.47, -1.4),
                                    hl(0.38, -1.25), hl(0.33, -1.16), hl(0.26, -1.1),  hl(0.2, -1.02),  hl(0.12, -1.0)};
    drawShape(p, t.map(smoothClosed(mane)), {h.mane, h.mane.darker(140)}, line);
    // An ear, the eye, the nostril.
    QPainterPath ear;
    ear.moveTo(hl(0.5, -1.45));
    ear.lineTo(hl(0.5, -1.58));
    ear.lineTo(hl(0.56, -1.46));
    ear.closeSubpath();
    drawShape(p, t.map(ear), h.coat, line * 0.8);
    drawShape(p, t.map(ellipse(hl(0.6, -1.36), 0.025, 0.02)), {kOutline, kOutline}, 0, 0);
    drawShape(p, t.map(ellipse(hl(0.79, -1.13), 0.014, 0.012)), {kOutline, kOutline}, 0, 0);

    // The saddle cloth, the saddle, and the bridle.
    const std::vector<QPointF> cloth{{-0.4, -0.99},  {-0.16, -1.03}, {0.08, -1.04}, {0.13, -0.86}, {0.12, -0.66},
                                     {-0.08, -0.62}, {-0.28, -0.64}, {-0.4, -0.7},  {-0.43, -0.86}};
    const QPainterPath clothPath = t.map(smoothClosed(cloth)).intersected(body);
    drawShape(p, clothPath, h.cloth, line * 1.6);
    QPainterPath fringe;
    for (double x = -0.36; x <= 0.1; x += 0.05) {
        fringe.moveTo(t.map(QPointF(x, -0.71 + 0.06 * std::abs(x + 0.13))));
        fringe.lineTo(t.map(QPointF(x, -0.66 + 0.06 * std::abs(x + 0.13))));
    }
    drawLine(p, fringe, kGold.base, line * 1.1);
    const std::vector<QPointF> saddle{{-0.3, -1.0},  {-0.25, -1.06}, {-0.1, -1.04}, {0.02, -1.1},
                                      {0.08, -1.04}, {0.02, -0.96},  {-0.2, -0.95}};
    drawShape(p, t.map(smoothClosed(saddle)), kLeather, line);
    QPainterPath bridle;
    bridle.moveTo(hl(0.52, -1.44));
    bridle.lineTo(hl(0.62, -1.16));
    bridle.moveTo(hl(0.74, -1.25));
    bridle.lineTo(hl(0.78, -1.1));
    bridle.moveTo(hl(0.58, -1.3));
    bridle.lineTo(hl(0.76, -1.24));
    QPainterPath breast;
    breast.moveTo(QPointF(0.1, -0.95));
    breast.quadTo(QPointF(0.35, -0.8), QPointF(0.46, -0.9));
    drawLine(p, t.map(bridle), kLeather.base.darker(120), line * 1.4);
    drawLine(p, t.map(breast), kLeather.base.darker(120), line * 1.6);
    drawShape(p, t.map(ellipse(hl(0.62, -1.16), 0.02, 0.02)), kGold, 0, line * 0.6);
}

QRectF horseBounds(const Horse &h)
{
    return bodyTransform(h).mapRect(QRectF(-0.92, -1.62, 1.78, 1.64));
}

Figure paintRider(QPainter &p, const Horse &horse, Figure rider)
{
    rider.pose = Pose::Riding;
    rider.base = saddleOf(horse);
    rider.facing = horse.facing;
    paintHorse(p, horse);
    paintFigure(p, rider);
    // The reins from the bit to a hand held forward with nothing in it.
    const Body b = bodyOf(rider);
    for (int side : {0, 1}) {
        const Hand &hand = side == 0 ? rider.left : rider.right;
        if (hand.gesture == Gesture::Forward && hand.held == Held::Nothing) {
            QPainterPath reins;
            const QPointF bit = bitOf(horse), fist = b.hand[static_cast<std::size_t>(side)];
            reins.moveTo(bit);
            reins.quadTo((bit + fist) / 2 + QPointF(0, horse.height * 0.08), fist);
            drawLine(p, reins, kLeather.shade, std::max(1.0, horse.height * 0.014));
        }
    }
    return rider;
}

} // namespace artwork::figures
