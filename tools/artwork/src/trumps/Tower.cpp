// 17 The Tower: lightning strikes a tall tower on a crag at night and blows its crown off; flames
// burst from the windows, two people fall headlong among falling sparks.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kTowerTop = 62; // the broken top of the tower

void towerStorm(QPainter &p)
{
    const QRectF s = trumpScene();
    p.fillRect(s, kStormNight);
    const Tone &storm = kStormCloud;
    paintCloud(p, {40, 22}, 90, 3, storm);
    paintCloud(p, {160, 18}, 96, 5, storm);
}

// The crag, rough and steep.
void towerCrag(QPainter &p)
{
    const QRectF s = trumpScene();
    QPainterPath crag;
    crag.moveTo(s.left() - 4, s.bottom() + 4);
    crag.lineTo(28, 236);
    crag.lineTo(44, 226);
    crag.lineTo(52, 204);
    crag.lineTo(66, 196);
    crag.lineTo(72, 180);
    crag.lineTo(130, 180);
    crag.lineTo(138, 196);
    crag.lineTo(150, 202);
    crag.lineTo(160, 226);
    crag.lineTo(176, 238);
    crag.lineTo(s.right() + 4, s.bottom() + 4);
    crag.closeSubpath();
    drawShape(p, crag, kCrag, 3.0, 1.4);
    QPainterPath cracks;
    cracks.moveTo(52, 204);
    cracks.lineTo(60, 224);
    cracks.lineTo(56, 250);
    cracks.moveTo(150, 202);
    cracks.lineTo(144, 228);
    cracks.lineTo(150, 256);
    cracks.moveTo(100, 196);
    cracks.lineTo(96, 230);
    drawLine(p, cracks, kCragShade, 1.2);
}

// The tower, its top broken where the crown was torn away, fire in its door,
// its windows and its broken top.
void towerBuilding(QPainter &p)
{
    const double l = 74, r = 126, foot = 184, top = kTowerTop;
    QPainterPath wall;
    wall.moveTo(l - 2, foot);
    wall.lineTo(l + 2, top + 6);
    wall.lineTo(l + 10, top);
    wall.lineTo(l + 16, top + 7);
    wall.lineTo(l + 24, top - 2);
    wall.lineTo(l + 31, top + 8);
    wall.lineTo(l + 38, top + 1);
    wall.lineTo(r - 6, top + 9);
    wall.lineTo(r - 2, top + 4);
    wall.lineTo(r + 2, foot);
    wall.closeSubpath();
    const Tone &stone = kTowerStone;
    drawShape(p, wall, stone, 3.0, 1.4);
    paintMasonry(p, wall, 8, stone.shade);
    drawShape(p, wall, kClear, 0, 1.4);
    const std::vector<QRectF> windows{{94, 84, 12, 18}, {81, 116, 10, 16}, {109, 116, 10, 16}, {95, 150, 10, 16}};
    for (const QRectF &w : windows) {
        QPainterPath arch;
        arch.moveTo(w.bottomLeft());
        arch.lineTo(w.left(), w.top() + w.width() / 2);
        arch.arcTo(QRectF(w.left(), w.top(), w.width(), w.width()), 180, -180);
        arch.lineTo(w.bottomRight());
        arch.closeSubpath();
        drawShape(p, arch, kWindowDark, 0, 1.0);
        paintFlame(p, {w.center().x(), w.bottom() - 1}, w.height() * 1.3, 0.25);
    }
    paintFlame(p, {86, top + 6}, 22, -0.2);
    paintFlame(p, {104, top + 4}, 28, 0.1);
    paintFlame(p, {119, top + 8}, 20, 0.3);
}

// The crown flung up and away, turning over.
void towerCrown(QPainter &p)
{
    p.save();
    p.translate(152, 78);
    p.rotate(34);
    paintRankSign(p, quillmere::Rank::King, QRectF(-15, -9, 30, 18));
    p.restore();
}

// The bolt from the storm cloud to the tower's top.
void towerLightning(QPainter &p)
{
    paintLightning(p, {{162, 12}, {134, 50}, {148, 52}, {121, kTowerTop + 9}, {170, 34}, {156, 38}, {186, 12}});
}

// Two falling headlong, arms flung out.
void towerFalling(QPainter &p)
{
    Figure king;
    king.height = 78;
    king.robe = {kRoyalRed, kBlue, Cut::Gown, {}, kGold};
    king.headwear = Headwear::Crown;
    king.hairColour = kHairGrey;
    king.beard = Beard::Full;
    king.left = {Gesture::Out};
    king.right = {Gesture::Aloft};
    paintTurned(p, king, {52, 98}, 196);
    Figure man;
    man.height = 80;
    man.robe = {kTunicBlueDark, std::nullopt, Cut::Tunic, kHoseRed, kGold};
    man.hairColour = kHairBrown;
    man.facing = -1;
    man.left = {Gesture::Aloft};
    man.right = {Gesture::Out};
    paintTurned(p, man, {172, 132}, 190);
}

// Sparks falling on both sides.
void towerSparks(QPainter &p)
{
    const Tone &spark = kSpark;
    const std::vector<QPointF> sparks{{22, 50},   {62, 64},   {24, 200}, {60, 176}, {140, 102},
                                      {184, 100}, {140, 160}, {34, 250}, {168, 250}};
    for (std::size_t i = 0; i < sparks.size(); ++i)
        paintYod(p, sparks[i], 10, (i % 2 ? 20 : -20), spark);
}

} // namespace

Trump theTower()
{
    return {{{Layer::Scene, towerStorm},
             {Layer::Scene, towerCrag},
             {Layer::Scene, towerBuilding},
             {Layer::Figures, towerCrown},
             {Layer::Scene, towerLightning},
             {Layer::Figures, towerFalling},
             {Layer::Scene, towerSparks}}};
}

} // namespace artwork::trumps
