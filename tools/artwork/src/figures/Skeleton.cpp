// The figure's skeleton: a build's proportions, and the joints of a pose
// (bodyOf), with the arms' reach and bend.

#include "figures/Figure.h"

#include "figures/Proportions.h"
#include "figures/Shapes.h"

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace shapes;

namespace detail {

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

} // namespace detail

using namespace detail;

namespace {

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
            return {b.hips.x() + s * (pr.hipHalf + 0.18 + f.kneesApart) * u, b.seatY + 0.02 * u};
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
        b.knee = {at(-(pr.hipHalf + 0.3 + f.kneesApart), pr.hipY + 0.3),
                  at(pr.hipHalf + 0.3 + f.kneesApart, pr.hipY + 0.3)};
        b.foot = {at(-0.45 - f.kneesApart, soleY), at(0.45 + f.kneesApart, soleY)};
        break;
    case Pose::Kneeling:
        b.knee = {at(-0.45, soleY - 0.1), at(0.45, soleY - 0.1)};
        b.foot = b.knee;
        break;
    case Pose::Walking: {
        const double fc = f.facing;
        b.knee = {at(-0.34 + fc * 0.16, pr.kneeY), at(0.34 + fc * 0.16, pr.kneeY)};
        b.foot = {at(fc > 0 ? -0.62 : -0.95, pr.heads - 0.04), at(fc > 0 ? 0.95 : 0.62, pr.heads - 0.04)};
        if (f.stepUp > 0) {
            // The back toe on the ground, the front sole up in the air.
            const QPointF back = at(-fc * 0.15, pr.heads), front = at(fc * 1.1, pr.heads - f.stepUp);
            b.foot = fc > 0 ? std::array<QPointF, 2>{back, front} : std::array<QPointF, 2>{front, back};
        }
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
        const bool placed = hand.at.has_value() && f.pose != Pose::Hanging;
        QPointF h = placed ? b.shoulder[i] + *hand.at * u : handTarget(f, pr, b, side, g);
        const bool seated = f.pose == Pose::Seated || f.pose == Pose::Riding;
        const bool outward = placed ? hand.elbowOut
                                    : (g == Gesture::Down && !seated) || g == Gesture::Aloft || g == Gesture::Out;
        b.elbow[i] = elbowFor(b.shoulder[i], h, pr.upperArm * u, pr.forearm * u, cx, outward);
        b.hand[i] = h;
    }
    return b;
}

void reachTo(Figure &f, int side, QPointF point, bool elbowOut)
{
    const Body b = bodyOf(f);
    Hand &hand = side < 0 ? f.left : f.right;
    hand.at = (point - b.shoulder[static_cast<std::size_t>(side > 0)]) / b.unit;
    hand.elbowOut = elbowOut;
}

} // namespace artwork::figures
