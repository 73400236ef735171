// 19 The Moon: the moon with a sleeping face between two towers lets fall drops of dew; a dog and
// a wolf howl at it, and a crayfish crawls out of a pool onto the path that winds between the
// towers to the hills.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 168;

// The night sky, the moon and its falling dew, the far mountains and the meadow.
void moonSky(QPainter &p)
{
    const QRectF s = trumpScene();
    paintSky(p, s, kHorizon, kMoonlitSky);
    paintMoonFace(p, {100, 64}, 32);
    const Tone &dew = kDew;
    const std::vector<QPointF> drops{{54, 112},  {74, 124}, {100, 116}, {126, 124},
                                     {146, 112}, {86, 140}, {114, 140}, {100, 158}};
    for (std::size_t i = 0; i < drops.size(); ++i)
        paintYod(p, drops[i], 10, 0, dew);
    paintMountains(p, kHorizon + 2, s.left() - 10, s.right() + 10, 30, 19, kMoonlitMountains, false);
    paintMeadow(p, s, kHorizon, 19, kMoonlitMeadow);
}

// The two towers and the path from the pool, winding between them to the hills.
void moonTowers(QPainter &p)
{
    paintTower(p, {30, 204}, 28, 92, kStone);
    paintTower(p, {170, 204}, 28, 92, kStone);
    QPainterPath path;
    path.moveTo(84, 240);
    path.cubicTo(70, 220, 116, 204, 96, 186);
    path.cubicTo(90, 178, 100, 172, 98, kHorizon + 1);
    path.lineTo(102, kHorizon + 1);
    path.cubicTo(104, 174, 100, 180, 106, 186);
    path.cubicTo(128, 206, 92, 222, 118, 240);
    path.closeSubpath();
    drawShape(p, path, kMoonlitPath, 1.2);
}

// The dog on the left, the wolf on the right, heads thrown back, each on
// its shadow in the moonlit grass, shaded and outlined in the woodcut manner.
void moonHowlers(QPainter &p)
{
    style::paintGroundShadow(p, {56, 227}, 24, 3, kMoonlitMeadow.shade);
    style::paintGroundShadow(p, {150, 227}, 26, 3, kMoonlitMeadow.shade);
    style::paintContoured(p, style::kContourLine, [](QPainter &q) {
        const style::WoodcutFinish finish;
        paintDog(q, {54, 226}, 36, 1, kDogCoat, true);
        paintWolf(q, {148, 226}, 38, -1, kWolfCoat, true);
    });
}

// The pool across the foot of the picture.
void moonPool(QPainter &p)
{
    const QRectF s = trumpScene();
    QPainterPath pool;
    pool.moveTo(s.left() - 4, 240);
    pool.cubicTo(60, 232, 140, 232, s.right() + 4, 240);
    pool.lineTo(s.right() + 4, s.bottom() + 4);
    pool.lineTo(s.left() - 4, s.bottom() + 4);
    pool.closeSubpath();
    paintPool(p, pool, s, 228, s.bottom() + 4, 19, kMoonlitPool);
}

void moonCrayfish(QPainter &p)
{
    paintCrayfish(p, {100, 247}, 44, 0);
}

} // namespace

Trump theMoon()
{
    return {{{Layer::Scene, moonSky},
             {Layer::Scene, moonTowers},
             {Layer::Figures, moonHowlers},
             {Layer::Scene, moonPool},
             {Layer::Figures, moonCrayfish}}};
}

} // namespace artwork::trumps
