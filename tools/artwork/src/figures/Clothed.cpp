// The clothed figure: mantle, legs, robe, arms, hands and what they hold,
// standing, seated, kneeling, hanging or riding.

#include "figures/Figure.h"

#include "figures/FigurePainter.h"
#include "figures/Hands.h"
#include "figures/Held.h"
#include "figures/Shapes.h"

#include <QPicture>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace artwork::figures {

using namespace style;
using namespace shapes;

namespace detail {

double FigurePainter::heldAngle(int side) const
{
    const Hand &h = hand(side);
    if (h.angle)
        return *h.angle + h.tilt;
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
    frontArms(false);
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

void FigurePainter::shoe(QPointF sole, int dir, double tilt)
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
    if (tilt != 0)
        s = QTransform().translate(sole.x(), sole.y()).rotate(tilt).translate(-sole.x(), -sole.y()).map(s);
    drawShape(p_, s, f_.robe.cut == Cut::Armour ? kIron : kShoe, 0.7);
}

void FigurePainter::leg(const std::vector<QPointF> &chain, bool bentFoot, int footDir, double footTilt)
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
    shoe(chain.back() + (bentFoot ? QPointF(0, 0.1 * u_) : QPointF(0, 0.12 * u_)), footDir, footTilt);
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
        } else if (f_.stepUp > 0) {
            // Stepping off: the back foot up on its toes, the front leg reaching forward and up,
            // the toe raised.
            const double lift = f_.stepUp;
            leg({at(-fc * 0.2, pr_.hipY + 0.2), at(-fc * 0.36, pr_.kneeY), at(-fc * 0.45, sole - 0.33)}, true, fc,
                fc * 28.0);
            leg({at(fc * 0.25, pr_.hipY + 0.2), at(fc * 0.62, pr_.kneeY - 0.1 - 0.5 * lift),
                 at(fc * 0.95, sole - 0.12 - lift)},
                false, fc, -fc * 22.0);
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
            const double apart = f_.kneesApart;
            right.insert(right.end(), {{pr_.hipHalf + 0.42 + apart, pr_.hipY + 0.3},
                                       {pr_.hipHalf + 0.5 + apart, pr_.hipY + 0.65},
                                       {pr_.hipHalf + 0.4 + apart, sole - 0.12},
                                       {0.25 + apart, sole - 0.08}});
            right.push_back({0, sole - 0.1});
        } else {
            right.insert(
                right.end(),
                {{pr_.hipHalf + 0.45, pr_.hipY + 0.3}, {pr_.hipHalf + 0.45, pr_.hipY + 0.85}, {0.3, pr_.hipY + 0.95}});
            right.push_back({0, pr_.hipY + 0.9});
        }
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
        const double k = pr_.hipHalf + 0.42 + f_.kneesApart;
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
    if (woodcutDepth() > 0 && f_.robe.cut != Cut::Armour)
        elbowCrease(s, e, wrist, w);
    if (behind || !f_.robe.cuffs)
        return;
    // A cuff in the trim colour.
    const QPointF along = unitVector(h - e);
    QPainterPath cuff = limb({wrist - along * 0.1 * u_, wrist}, {half[2] * 1.05, half[2] * 1.05});
    drawShape(p_, cuff, f_.robe.cut == Cut::Armour ? kIron : f_.robe.trim, 0.5, 0.8);
}

// Where an arm bends by more than a little, the sleeve folds on the inside of
// the elbow.
void FigurePainter::elbowCrease(QPointF s, QPointF e, QPointF wrist, double w)
{
    const QPointF up = unitVector(s - e), down = unitVector(wrist - e);
    const double cosBend = up.x() * down.x() + up.y() * down.y();
    if (cosBend < -0.9)
        return; // nearly straight
    const QPointF inside = unitVector(up + down);
    QPainterPath fold;
    fold.moveTo(e + inside * 0.22 * w + up * 0.22 * w);
    fold.quadTo(e + inside * 0.05 * w, e + inside * 0.2 * w + down * 0.26 * w);
    drawLine(p_, fold, sleeveTone().shade.darker(115), std::max(0.5, 0.05 * u_));
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

// The arms in front of the body, each with what its hand holds: a thing held
// forward lies over the arm, any other behind it, and the fist closes last.
// A rider's empty forward hand closes on the reins (`reinsInForwardHand`).
void FigurePainter::frontArms(bool reinsInForwardHand)
{
    for (int side : {-1, 1}) {
        if (gesture(side) == Gesture::Behind)
            continue;
        const auto i = static_cast<std::size_t>(side > 0);
        const bool holding = hand(side).held != Held::Nothing;
        if (holding && gesture(side) != Gesture::Forward)
            heldThing(side);
        arm(side, false);
        if (holding && gesture(side) == Gesture::Forward)
            heldThing(side);
        if (hand(side).grip != Grip::Auto) {
            paintHand(p_, {.grip = hand(side).grip,
                           .centre = b_.hand[i],
                           .forearm = b_.hand[i] - b_.elbow[i],
                           .unit = u_,
                           .skin = f_.skin,
                           .shaftDegrees = heldAngle(side),
                           .thumbSide = b_.hand[i].x() < b_.crown.x() ? 1 : -1});
            continue;
        }
        fist(b_.hand[i], b_.hand[i] - b_.elbow[i],
             holding || (reinsInForwardHand && gesture(side) == Gesture::Forward));
    }
}

void FigurePainter::heldThing(int side)
{
    const Hand &h = hand(side);
    const double ground = f_.pose == Pose::Hanging ? f_.base.y() + 10 * u_ : f_.base.y();
    paintHeld(p_, h.held, heldGrip(side), u_ * h.size, heldAngle(side), ground,
              f_.seed + static_cast<unsigned>(side + 1), f_.flag);
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
    frontArms(true);
}

} // namespace detail

void paintFigure(QPainter &painter, const Figure &figure)
{
    detail::FigurePainter fp(painter, figure);
    if (figure.pose == Pose::Riding)
        fp.paintRider();
    else
        fp.paint();
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
