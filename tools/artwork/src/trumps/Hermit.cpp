// 10 The Hermit: an old man cloaked and hooded on a snowy peak at night, his head bowed, his
// staff in his left hand and in his right a lantern with a six-pointed star, held up by its ring.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

// The snowy peak he stands on, its summit rounded and broad enough for his cloak's hem to rest on.
constexpr double kHem = 228.5;

QPainterPath snowPeak()
{
    const QRectF scene = trumpScene();
    QPainterPath peak;
    peak.moveTo(scene.left() - 6, scene.bottom() + 4);
    peak.lineTo(scene.left() - 6, 262);
    peak.lineTo(36, 248);
    peak.lineTo(54, 235);
    peak.lineTo(66, 229.5);
    peak.lineTo(104, 227);
    peak.lineTo(142, 229.5);
    peak.lineTo(158, 237);
    peak.lineTo(scene.right() + 6, 258);
    peak.lineTo(scene.right() + 6, scene.bottom() + 4);
    peak.closeSubpath();
    return peak;
}

void hermitPeak(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kNightSky);
    for (const QPointF &s :
         {QPointF(30, 30), QPointF(170, 50), QPointF(150, 22), QPointF(24, 110), QPointF(176, 120), QPointF(60, 70)})
        paintStar(p, s, 3.0, 4, kStarPale);
    paintMountains(p, 236, scene.left() - 20, scene.right() + 20, 70, 9, kNightMountains, true);
    const Tone &snow = kSnow;
    const QPainterPath peak = snowPeak();
    drawShape(p, peak, snow, 3.0);
    QPainterPath crevices;
    crevices.moveTo(84, 236);
    crevices.lineTo(70, 252);
    crevices.moveTo(130, 236);
    crevices.lineTo(146, 254);
    drawLine(p, crevices, snow.shade, 1.2);
}

// The lantern's size as a multiple of the kit's, and how far below the
// fist its ring hangs, in heads.
constexpr double kLampSize = 1.5, kRingDrop = 0.2;

Figure hermit()
{
    Figure hermit;
    hermit.base = {104, 227.5};
    hermit.height = 198;
    hermit.robe = {kGreyCloth, kDarkGreyCloth, Cut::Gown};
    hermit.robe.cuffs = false;
    hermit.hair = Hair::Bald;
    hermit.hairColour = kHairGrey;
    hermit.beard = Beard::Full;
    // An old face in three-quarter view, bowed over the lantern, eyes down.
    hermit.features = Features{View::ThreeQuarter, -1, {-0.35, 1.0}, Age::Old, Expression::Calm, 0.94};
    // The right hand holds the lantern up by its ring, the elbow out.
    hermit.left = {Gesture::Raised, Held::Nothing, 0, 1.0, Grip::Fist, QPointF(-0.95, -0.15), true};
    hermit.right = {Gesture::Down, Held::Staff, 0, 1.0, Grip::Fist};
    hermit.seed = 10;
    return hermit;
}

// Where the lantern's ring hangs from the fist.
QPointF lanternRing()
{
    const Body b = bodyOf(hermit());
    return b.hand[0] + QPointF(0, kRingDrop * b.unit);
}

// The lantern's light on the night round it.
void hermitGlow(QPainter &p)
{
    const Body b = bodyOf(hermit());
    paintGlow(p, lanternRing() + QPointF(0, 0.85 * kLampSize * b.unit), 1.6 * b.unit, kLanternGlowOuter,
              kLanternGlowInner);
}

// How far his head bows towards the lantern, in degrees.
constexpr double kBow = -13;

// The hood: its back round the head and down onto the shoulders, in the
// head's own frame (the middle of the face at the origin, `w` and `h` the
// head's width and height).
QPainterPath hoodBack(double w, double h)
{
    return style::smoothClosed({{0, -0.8 * h},
                                {0.7 * w, -0.6 * h},
                                {0.92 * w, 0.05 * h},
                                {1.15 * w, 0.62 * h},
                                {0.55 * w, 0.86 * h},
                                {-0.55 * w, 0.86 * h},
                                {-1.15 * w, 0.62 * h},
                                {-0.92 * w, 0.05 * h},
                                {-0.7 * w, -0.6 * h}});
}

// The hood's front edge framing the face, a crescent over the brow and down
// the cheeks; the face is turned to the viewer's left, so on the right the
// hood comes further in, over the far ear.
QPainterPath hoodRim(double w, double h)
{
    QPainterPath rim;
    rim.moveTo(-0.62 * w, 0.42 * h);
    rim.cubicTo(-0.78 * w, -0.2 * h, -0.5 * w, -0.74 * h, 0, -0.74 * h);
    rim.cubicTo(0.5 * w, -0.74 * h, 0.8 * w, -0.2 * h, 0.64 * w, 0.42 * h);
    rim.cubicTo(0.4 * w, 0.1 * h, 0.36 * w, -0.5 * h, -0.02 * w, -0.54 * h);
    rim.cubicTo(-0.42 * w, -0.56 * h, -0.6 * w, -0.1 * h, -0.62 * w, 0.42 * h);
    rim.closeSubpath();
    return rim;
}

// The head bowed in its hood: the hood's back hides the head the figure was
// drawn with, then the old face, turned and tilted down, and the hood's rim.
void paintHoodedHead(QPainter &p, const Figure &figure, const Body &b)
{
    const double w = b.headWidth, h = b.unit;
    p.save();
    p.translate(b.neck);
    p.rotate(kBow);
    const QPointF face = b.headCentre - b.neck + QPointF(-0.06 * h, 0.1 * h);
    p.translate(face);
    drawShape(p, hoodBack(w, h), kGreyCloth, 0.12 * h);
    paintHead(p, figure, {0, 0}, h);
    drawShape(p, hoodRim(w, h), kGreyCloth, 0.05 * h, style::kInteriorLine);
    p.restore();
}

// The hermit on his peak: the lantern hangs from his fist by its ring, the
// fingers closed through it.
void hermitFigure(QPainter &p)
{
    const Figure figure = hermit();
    const Body b = bodyOf(figure);
    p.save();
    p.setClipPath(snowPeak(), Qt::IntersectClip);
    style::paintGroundShadow(p, {figure.base.x() + 0.2 * b.unit, kHem}, 1.9 * b.unit, 0.3 * b.unit, kSnow.shade);
    p.restore();
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        // The cloak falls to the snow and lies on it in a straight hem rather than curling under his feet.
        q.save();
        q.setClipRect(QRectF(-1000, -1000, 3000, 1000 + kHem), Qt::IntersectClip);
        paintFigure(q, figure);
        q.restore();
        paintHoodedHead(q, figure, b);
        paintHeld(q, Held::Lamp, lanternRing(), kLampSize * b.unit, 0, 0);
        const QPointF forearm = b.hand[0] - b.elbow[0];
        paintHand(q, {Grip::Fist, b.hand[0], forearm, b.unit, figure.skin, 90, 1});
    });
}

} // namespace

Trump theHermit()
{
    return {{{Layer::Scene, hermitPeak}, {Layer::Scene, hermitGlow}, {Layer::Figures, hermitFigure}}};
}

} // namespace artwork::trumps
