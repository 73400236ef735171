// 6 The High Priest: triple-crowned between two grey pillars, blessing with two fingers of his
// raised right hand, the triple cross in his left; two tonsured ministers kneel before him with
// their backs to us, one robed with roses, one with lilies; the crossed keys at his feet.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QtMath>

namespace artwork::trumps {

namespace {

using shapes::ellipse;

Figure priestRecord()
{
    Figure f;
    f.base = {100, 240};
    f.height = 186;
    f.pose = Pose::Seated;
    f.robe = {kRed, kBlue, Cut::Gown, kHoseBlue, kWhiteCloth, false};
    f.hairColour = kHairGrey;
    f.beard = Beard::Short;
    f.features = Features{
        .view = View::Front, .gaze = {0.1, 0.6}, .age = Age::Old, .expression = Expression::Calm, .breadth = 1.04};
    f.left = {.gesture = Gesture::Raised, .grip = Grip::Bless};
    f.right = {.gesture = Gesture::Raised, .grip = Grip::Fist, .angle = 0.0};
    f.seed = 6;
    return f;
}

// The two ministers kneel with their backs to us, and differ: robe, size, the tilt of the head,
// the arm one lifts towards the priest, and what their robes are worked with.
struct Minister {
    QPointF base; // the ground under his knees
    double unit;  // a head's height
    Tone robe;
    QColor hair;
    double lean;   // the head leaning to the side, in heads
    int liftedArm; // 0, or the side (-1, 1) of the arm lifted towards the priest
    bool roses;    // roses on the robe, else lilies
};

const Minister kMinisters[] = {
    {{52, 264}, 19.0, kMinisterBlue, kHairBrown, 0.12, 0, true},
    {{150, 265}, 17.5, kMonkRed, kHairBlack, -0.08, -1, false},
};

void priestTemple(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kTempleGloom);
    paintStoneFloor(p, scene, 236, kTempleFloor);
    paintPillar(p, QRectF(14, 46, 22, 182), kGreyStone);
    paintPillar(p, QRectF(164, 46, 22, 182), kGreyStone);
}

void priestFigure(QPainter &p)
{
    const Figure priest = priestRecord();
    const Body b = bodyOf(priest);
    style::paintGroundShadow(p, {b.hips.x(), priest.base.y() + 0.5}, 62, 5, kTempleFloor.shade);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintThrone(q, priest, {kGreyStone, kOchreCloth, 1.6});
        paintFigure(q, priest);
        paintTiara(q, priest);
        // The blessing hand drawn again a little larger, so the two raised fingers read from afar.
        paintHand(q, {.grip = Grip::Bless,
                      .centre = b.hand[0],
                      .forearm = b.hand[0] - b.elbow[0],
                      .unit = 1.35 * b.unit,
                      .thumbSide = 1});
        paintTripleCross(q, b.hand[1] + QPointF(0, 1.9 * b.unit), b.hand[1] + QPointF(0, -2.9 * b.unit), b.unit);
        paintHand(q, {.grip = Grip::Fist,
                      .centre = b.hand[1],
                      .forearm = b.hand[1] - b.elbow[1],
                      .unit = b.unit,
                      .thumbSide = -1});
    });
}

// A white lily worked on a robe: three pointed petals opening upward from a green stem.
void paintLilyMotif(QPainter &p, QPointF c, double r)
{
    QPainterPath stem;
    stem.moveTo(c + QPointF(0, 1.3 * r));
    stem.lineTo(c + QPointF(0, 0.2 * r));
    drawLine(p, stem, kLeaf.shade, 0.7);
    for (double deg : {-38.0, 0.0, 38.0}) {
        const QPointF tip = shapes::polar(c, 1.25 * r, deg);
        QPainterPath petal;
        petal.moveTo(c + QPointF(0, 0.2 * r));
        petal.quadTo(shapes::polar(c, 0.7 * r, deg - 30), tip);
        petal.quadTo(shapes::polar(c, 0.7 * r, deg + 30), c + QPointF(0, 0.2 * r));
        drawShape(p, petal, kWhiteRose, 0, 0.5);
    }
}

// A kneeling minister from behind: the robe spread over his heels with the soles showing under its
// hem, the back and shoulders, a cowl folded at the neck, the sleeves of arms held before him.
void paintMinisterBody(QPainter &p, const Minister &m)
{
    const double u = m.unit, x = m.base.x(), g = m.base.y();
    const QPainterPath robe = style::smoothClosed({{x - 0.55 * u, g - 0.02 * u},
                                                   {x - 1.4 * u, g - 0.08 * u},
                                                   {x - 1.15 * u, g - 1.08 * u},
                                                   {x - 0.78 * u, g - 2.07 * u},
                                                   {x - 0.95 * u, g - 2.99 * u},
                                                   {x - 0.55 * u, g - 3.32 * u},
                                                   {x, g - 3.36 * u},
                                                   {x + 0.55 * u, g - 3.32 * u},
                                                   {x + 0.95 * u, g - 2.99 * u},
                                                   {x + 0.78 * u, g - 2.07 * u},
                                                   {x + 1.15 * u, g - 1.08 * u},
                                                   {x + 1.4 * u, g - 0.08 * u},
                                                   {x + 0.55 * u, g - 0.02 * u},
                                                   {x, g - 0.21 * u}});
    drawShape(p, robe, m.robe, 0.35 * u, style::kInteriorLine);
    // The soles of his feet under the hem, toes to the ground.
    for (int s : {-1, 1})
        drawShape(p, ellipse({x + s * 0.38 * u, g - 0.12 * u}, 0.2 * u, 0.3 * u, s * 12.0), kShoe, 0.3,
                  style::kInteriorLine);
    // The sleeves: upper arms going forward at his sides, or one lifted beside his head.
    for (int s : {-1, 1}) {
        const QPointF shoulder(x + s * 0.82 * u, g - 3.03 * u);
        if (s == m.liftedArm) {
            const QPointF hand(x + s * 1.25 * u, g - 4.32 * u);
            drawShape(p,
                      shapes::limb({shoulder, {x + s * 1.35 * u, g - 3.57 * u}, hand}, {0.3 * u, 0.26 * u, 0.22 * u}),
                      m.robe, 0.2 * u, style::kInteriorLine);
            paintHand(p, {.grip = Grip::Palm, .centre = hand + QPointF(0, -0.25 * u), .forearm = {0, -1}, .unit = u});
            continue;
        }
        drawShape(p, shapes::limb({shoulder, {x + s * 1.0 * u, g - 2.24 * u}}, {0.3 * u, 0.27 * u}), m.robe, 0.2 * u,
                  style::kInteriorLine);
    }
    QPainterPath folds;
    for (double dx : {-0.35, 0.05, 0.45}) {
        folds.moveTo(x + dx * u, g - 2.66 * u);
        folds.quadTo(x + (dx * 1.4) * u, g - 1.33 * u, x + dx * 1.9 * u, g - 0.25 * u);
    }
    drawLine(p, folds, m.robe.shade, style::kInteriorLine);
    // A cord girdle at the waist.
    QPainterPath cord;
    cord.moveTo(x - 0.8 * u, g - 1.95 * u);
    cord.quadTo(x, g - 1.78 * u, x + 0.8 * u, g - 1.95 * u);
    cord.moveTo(x + 0.25 * u, g - 1.87 * u);
    cord.lineTo(x + 0.35 * u, g - 1.12 * u);
    drawLine(p, cord, kRopeKnot.shade, 0.12 * u);
    drawLine(p, cord, kRope, 0.07 * u);
}

// The head from behind and a little above, bowed: a ring of hair round a shaven crown, the back of
// the head, the ears, and the cowl rolled at the nape. Drawn a little large, the pale crown on top
// ringed by hair, so at slot size it reads as a tonsure.
void paintMinisterHead(QPainter &p, const Minister &m)
{
    const double u = m.unit, g = m.base.y(), k = 1.25;
    const QPointF c(m.base.x() + m.lean * u, g - 3.7 * u);
    for (int s : {-1, 1})
        drawShape(p, ellipse(c + QPointF(s * 0.43 * k * u, 0.12 * u), 0.09 * u, 0.14 * u), kSkin, 0,
                  style::kInteriorLine);
    drawShape(p, ellipse(c, 0.44 * k * u, 0.5 * k * u), {m.hair, m.hair.darker(130)}, 0.12 * u, style::kInteriorLine);
    // The shaven crown, a flat oval on top of the bowed head ringed by hair, with a shine on it; the
    // rest of the head is hair, with no skin where a face would be.
    const QPointF crown = c + QPointF(0, -0.2 * k * u);
    drawShape(p, ellipse(crown, 0.25 * k * u, 0.18 * k * u), kSkin, 0.03 * u, 1.2 * style::kInteriorLine);
    drawShape(p, ellipse(crown + QPointF(-0.08 * k * u, -0.04 * k * u), 0.08 * k * u, 0.035 * k * u),
              {kSkin.base.lighter(118), kSkin.base.lighter(118)}, 0, 0);
    QPainterPath cowl;
    cowl.moveTo(m.base.x() - 0.8 * u, g - 3.1 * u);
    cowl.quadTo(m.base.x() + m.lean * u, g - 4.1 * u, m.base.x() + 0.8 * u, g - 3.1 * u);
    cowl.quadTo(m.base.x(), g - 2.4 * u, m.base.x() - 0.8 * u, g - 3.1 * u);
    drawShape(p, cowl, m.robe, 0.15 * u, style::kInteriorLine);
}

void paintMinister(QPainter &p, const Minister &m)
{
    paintMinisterBody(p, m);
    paintMinisterHead(p, m);
    const double u = m.unit, x = m.base.x(), g = m.base.y();
    const QPointF motifs[] = {{x - 0.45 * u, g - 2.7 * u}, {x + 0.4 * u, g - 2.37 * u}, {x - 0.3 * u, g - 1.49 * u},
                              {x + 0.65 * u, g - 1 * u},   {x - 0.8 * u, g - 0.58 * u}, {x + 0.1 * u, g - 0.5 * u}};
    for (QPointF c : motifs) {
        if (m.roses)
            paintFlower(p, c, 0.2 * u, kRoseRed);
        else
            paintLilyMotif(p, c, 0.3 * u);
    }
}

void priestMinisters(QPainter &p)
{
    for (const Minister &m : kMinisters) {
        style::paintGroundShadow(p, m.base + QPointF(0, 0.5), 1.5 * m.unit, 3.5, kTempleFloor.shade);
        style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
            const style::WoodcutFinish finish;
            paintMinister(q, m);
        });
    }
    paintKey(p, {88, 258}, 36, 40, kGold);
    paintKey(p, {112, 258}, 36, -40, kSilver);
}

} // namespace

Trump theHighPriest()
{
    return {{{Layer::Scene, priestTemple}, {Layer::Figures, priestFigure}, {Layer::Figures, priestMinisters}}};
}

} // namespace artwork::trumps
