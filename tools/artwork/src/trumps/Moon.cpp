// 19 The Moon: the moon with a sleeping face between two towers lets fall drops of dew; a dog and
// a wolf howl at it, and a crayfish crawls out of a pool onto the path that winds between the
// towers to the hills.

#include "trumps/Trump.h"

#include <algorithm>

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

// The path lying on the meadow: wide where it leaves the pool, its bends
// tightening and its width shrinking as it winds away between the towers to
// the foot of the hills. Its width lies across the ground, so the edges are
// offset sideways from its middle; a worn rut runs along each edge.
void paintWindingPath(QPainter &p)
{
    const std::vector<GroundReach> course{{{100, 246}, 21},  {{87, 233}, 14.5},   {{103, 219}, 9.5},
                                          {{112, 207}, 6.6}, {{101, 195}, 4.6},   {{93, 186}, 3.2},
                                          {{99, 178}, 2.1},  {{103, 172.5}, 1.3}, {{100, kHorizon + 1}, 0.7}};
    const GroundBand path = groundBand(course);
    drawShape(p, path.outline, kMoonlitPath, 1.2);
    QPainterPath ruts;
    for (int side : {-1, 1}) {
        std::vector<QPointF> rut;
        for (std::size_t i = 0; i + 3 < course.size(); ++i)
            rut.push_back(shapes::lerp(course[i].middle, side < 0 ? path.left[i] : path.right[i], 0.62));
        ruts.addPath(style::smoothOpen(rut));
    }
    drawLine(p, ruts, kMoonlitPath.shade, style::kInteriorLine);
}

// The two towers and the path from the pool, winding between them to the hills.
void moonTowers(QPainter &p)
{
    paintTower(p, {30, 204}, 28, 92, kStone);
    paintTower(p, {170, 204}, 28, 92, kStone);
    paintWindingPath(p);
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
