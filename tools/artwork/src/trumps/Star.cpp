// 18 The Star: a woman kneels by a pool under a great star and seven small ones, one foot in the
// water, pouring from two jugs, one into the pool and one onto the land; a bird sits in a tree
// behind her.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 190;
constexpr double kUnit = 26; // her head's height
const QPointF kHips(108, 264 - 1.9 * kUnit);

// The night sky with its eight stars, the hills and the tree.
void starSky(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kStarlitSky);
    const Tone &white = kStarWhite;
    paintStar(p, {100, 62}, 40, 8, kGreatStar);
    for (const QPointF &c : {QPointF(30, 30), QPointF(170, 30), QPointF(24, 84), QPointF(176, 84), QPointF(42, 134),
                             QPointF(158, 134), QPointF(100, 112)})
        paintStar(p, c, 11, 8, white);
    paintHills(p, s, kHorizon, 18, kStarlitHills, kStarlitHillsFar);
    paintTree(p, {170, 216}, 64, 18);
}

void starBird(QPainter &p)
{
    paintPerchedBird(p, {166, 170}, 22, -1, kIbis);
}

// The pool at the left.
void starPool(QPainter &p)
{
    const QRectF s = trumpScene();
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 206);
    pool.cubicTo(30, 200, 72, 208, 80, 226);
    pool.cubicTo(88, 244, 92, 258, 88, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    paintPool(p, pool, s, 196, s.bottom() + 4, 18);
}

// She kneels facing the pool, her hair falling down her back, a jug in each
// hand: the far one tipped towards the land, the near one into the pool;
// ripples round the foot she has set in the water.
void starWoman(QPainter &p)
{
    const double u = kUnit;
    const QPointF hips = kHips;
    Figure look;
    look.build = Build::Woman;
    look.hair = Hair::Long;
    look.hairColour = kHairGold;
    look.turn = -0.6;
    const QPointF farShoulder = hips + QPointF(0.14 * u, -2.04 * u);
    const QPointF rightGrip = farShoulder + QPointF(1.9 * u, 0.9 * u);
    const QPointF rightLip = paintJug(p, rightGrip, 1.3 * u, 80);
    paintBareArmFrom(p, farShoulder, rightGrip, farShoulder + QPointF(20, 10), u, Build::Woman,
                     {kSkin.shade, kSkin.shade.darker(115)}, true);
    const KneelingBody body = paintKneelingNude(p, hips, u, -1, kSkin);
    paintHead(p, look, body.headCentre, u);
    const QPointF leftGrip = body.nearShoulder + QPointF(-2.0 * u, 1.0 * u);
    const QPointF leftLip = paintJug(p, leftGrip, 1.3 * u, -70);
    paintBareArmFrom(p, body.nearShoulder, leftGrip, body.nearShoulder + QPointF(-20, 20), u, Build::Woman, kSkin,
                     true);
    const QPointF foot = hips + QPointF(-1.5 * u, 1.9 * u);
    QPainterPath ripples;
    for (double r : {0.5, 0.8}) {
        ripples.moveTo(foot + QPointF(-r * u, -0.02 * u));
        ripples.quadTo(foot + QPointF(0, 0.18 * r * u), foot + QPointF(r * u, -0.02 * u));
    }
    drawLine(p, ripples, kSea.base.lighter(150), 1.2);
    paintPouredWater(p, leftLip, leftLip + QPointF(-8, 4), QPointF(leftLip.x() - 10, 244), 2.2);
    paintPouredWater(p, rightLip, rightLip + QPointF(6, 4), QPointF(rightLip.x() + 6, 250), 2.2);
    // Where the water runs over the land in little rivulets.
    QPainterPath runs;
    const QPointF splash(rightLip.x() + 6, 250);
    for (int i = -2; i <= 2; ++i) {
        runs.moveTo(splash);
        runs.quadTo(splash + QPointF(i * 5, 4), splash + QPointF(i * 5, 10 + std::abs(i) * 2));
    }
    drawLine(p, runs, kOutline, 3.2);
    drawLine(p, runs, kPouredWater, 1.6);
}

} // namespace

Trump theStar()
{
    return {
        {{Layer::Scene, starSky}, {Layer::Figures, starBird}, {Layer::Scene, starPool}, {Layer::Figures, starWoman}}};
}

} // namespace artwork::trumps
