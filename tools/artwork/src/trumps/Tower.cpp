// 17 The Tower: lightning out of a black sky strikes a tall slim tower on a
// crag and knocks its crown-shaped top into the air; flames burst from its
// three windows; a crowned man and a bare-headed one fall headlong among
// falling drops of flame.

#include "figures/Sprawled.h"
#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

using namespace figures::shapes;
using style::kContourLine;
using style::kInteriorLine;
using style::paintContoured;
using style::smoothClosed;
using style::WoodcutFinish;

constexpr double kLeft = 80, kRight = 120; // the tower's walls at its foot
constexpr double kTop = 72;                // the highest stone left standing
constexpr double kFoot = 210;              // where it stands on the crag

void towerStorm(QPainter &p)
{
    const QRectF s = trumpScene();
    p.fillRect(s, kTowerNight);
    paintCloud(p, {34, 20}, 84, 3, kTowerCloud);
    paintCloud(p, {150, 16}, 110, 5, kTowerCloud);
    paintCloud(p, {186, 44}, 40, 8, kTowerCloud);
}

// The crag: a jagged rock rising from the bottom of the picture to a narrow
// head under the tower, faceted, with its lit faces to the upper left.
void towerCrag(QPainter &p)
{
    const QRectF s = trumpScene();
    const std::vector<QPointF> outline{{s.left() - 4, s.bottom() + 4},
                                       {14, 248},
                                       {24, 244},
                                       {32, 230},
                                       {44, 226},
                                       {52, 214},
                                       {62, 212},
                                       {70, 202},
                                       {78, 206},
                                       {86, 198},
                                       {114, 198},
                                       {124, 204},
                                       {132, 200},
                                       {140, 214},
                                       {150, 218},
                                       {160, 234},
                                       {172, 238},
                                       {182, 252},
                                       {s.right() + 4, 256},
                                       {s.right() + 4, s.bottom() + 4}};
    QPainterPath crag;
    crag.moveTo(outline[0]);
    for (std::size_t i = 1; i < outline.size(); ++i)
        crag.lineTo(outline[i]);
    crag.closeSubpath();
    WoodcutFinish finish;
    drawShape(p, crag, kCrag, 3.0, kContourLine * 0.8);
    // Facets: the faces turned from the light in the crag's shade.
    const std::vector<std::vector<QPointF>> shaded{{{124, 204}, {132, 200}, {140, 214}, {128, 238}, {118, 226}},
                                                   {{150, 218}, {160, 234}, {150, 262}, {138, 250}},
                                                   {{62, 212}, {70, 202}, {74, 224}, {64, 246}},
                                                   {{32, 230}, {44, 226}, {40, 258}, {28, 262}}};
    for (const auto &f : shaded) {
        QPainterPath facet;
        facet.moveTo(f[0]);
        for (std::size_t i = 1; i < f.size(); ++i)
            facet.lineTo(f[i]);
        facet.closeSubpath();
        style::hatch(p, facet.intersected(crag), kCragShade, 1.6, 0.6);
    }
    QPainterPath cracks;
    for (const auto &c : std::vector<std::vector<QPointF>>{{{52, 214}, {58, 236}, {54, 262}},
                                                           {{150, 218}, {144, 240}, {148, 266}},
                                                           {{100, 212}, {96, 236}, {102, 262}},
                                                           {{86, 198}, {80, 228}}}) {
        cracks.moveTo(c[0]);
        for (std::size_t i = 1; i < c.size(); ++i)
            cracks.lineTo(c[i]);
    }
    drawLine(p, cracks, kCragShade, kInteriorLine * 1.2);
}

// The tower's wall, narrowing a little upwards and broken off at the top:
// on the left a stub of the battlement ring still stands, a ledge and one
// merlon; from there the masonry falls away to the right in uneven teeth.
QPainterPath towerWall()
{
    const std::vector<QPointF> outline{{kLeft, kFoot}, {85.6, 92}, {82, 92},  {82, 84},  {84, 84},    {84, kTop},
                                       {92, kTop},     {92, 80},   {94, 78},  {96, 85},  {98, 81},    {100, 89},
                                       {103, 84},      {106, 94},  {109, 89}, {112, 99}, {114.5, 95}, {kRight, kFoot}};
    QPainterPath wall;
    wall.moveTo(outline[0]);
    for (std::size_t i = 1; i < outline.size(); ++i)
        wall.lineTo(outline[i]);
    wall.closeSubpath();
    return wall;
}

// An arched opening, dark inside.
QPainterPath archOf(const QRectF &w)
{
    QPainterPath arch;
    arch.moveTo(w.bottomLeft());
    arch.lineTo(w.left(), w.top() + w.width() / 2);
    arch.arcTo(QRectF(w.left(), w.top(), w.width(), w.width()), 180, -180);
    arch.lineTo(w.bottomRight());
    arch.closeSubpath();
    return arch;
}

// The tower of stone courses, a door at its foot, three windows with fire
// bursting from them, flames on its broken top.
void towerBuilding(QPainter &p)
{
    WoodcutFinish finish;
    // The fire rises out of the broken top from inside the shaft: its roots
    // hide behind the stone teeth.
    paintFlame(p, {95, 92}, 30, -0.3);
    paintFlame(p, {103, 96}, 38, 0.1);
    paintFlame(p, {111, 102}, 28, 0.4);
    const QPainterPath wall = towerWall();
    drawShape(p, wall, kTowerStone, 3.2, kContourLine);
    paintMasonry(p, wall, 7, kTowerStone.shade);
    drawShape(p, wall, kClear, 0, kContourLine);
    // The ledge of the battlement ring under the merlon, and the crack the
    // bolt split down the wall from the break.
    QPainterPath ledge;
    ledge.moveTo(84, 84);
    ledge.lineTo(95, 84);
    drawLine(p, ledge, kCragShade, kInteriorLine * 1.4);
    QPainterPath crack;
    crack.moveTo(106, 94);
    for (const QPointF &q :
         {QPointF(108.5, 102), QPointF(106.5, 111), QPointF(109.5, 122), QPointF(107, 134), QPointF(109, 142)})
        crack.lineTo(q);
    drawLine(p, crack, kCragShade, kInteriorLine * 1.8);
    drawShape(p, archOf({94, 188, 12, 22}), kWindowDark, 0, kInteriorLine * 1.3);
    QPainterPath doorPlanks;
    for (double x : {98.0, 102.0}) {
        doorPlanks.moveTo(x, 194);
        doorPlanks.lineTo(x, 210);
    }
    drawLine(p, doorPlanks, kCragShade, kInteriorLine);
    const std::vector<QRectF> windows{{93, 104, 10, 16}, {88, 132, 9, 15}, {104, 160, 9, 15}};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const QRectF &w = windows[i];
        drawShape(p, archOf(w), kWindowDark, 0, kInteriorLine * 1.3);
        paintFlame(p, {w.center().x(), w.bottom() - 1}, w.height() * 1.5, i == 1 ? -0.35 : 0.3);
    }
}

// The crown-shaped top, struck off and tilting in the air over the tower:
// a stone drum under a gold crown of five points.
void towerCrownTop(QPainter &p)
{
    p.save();
    p.translate(138, 54);
    p.rotate(28);
    p.scale(1.2, 1.2);
    WoodcutFinish finish;
    // The stone drum, torn off jagged along its foot.
    QPainterPath drum;
    drum.moveTo(-16, 0);
    drum.lineTo(16, 0);
    drum.lineTo(15, 7);
    for (const QPointF &q :
         {QPointF(10, 10), QPointF(6, 6), QPointF(1, 11), QPointF(-5, 6), QPointF(-10, 10), QPointF(-15, 7)})
        drum.lineTo(q);
    drum.closeSubpath();
    drawShape(p, drum, kTowerStone, 1.4, kContourLine);
    paintMasonry(p, drum, 5, kTowerStone.shade);
    // The crown on it: a band and five points, a pearl on each.
    QPainterPath crown;
    crown.moveTo(-16, 0.5);
    crown.lineTo(-18, -15);
    for (int i = 1; i <= 4; ++i) {
        crown.lineTo(-18 + (i - 0.5) * 9, -6);
        crown.lineTo(-18 + i * 9, i % 2 ? -18 : -15);
    }
    crown.lineTo(16, 0.5);
    crown.closeSubpath();
    drawShape(p, crown, kGold, 1.6, kContourLine);
    QPainterPath rim;
    rim.addRect(QRectF(-18, -4, 36, 4.5));
    drawShape(p, rim.intersected(crown), kGold, 0.8, kInteriorLine);
    for (double x : {-9.0, 0.0, 9.0})
        drawShape(p, ellipse({x, -1.8}, 1.5, 1.5), x == 0 ? kRuby : kSapphire, 0.3, kInteriorLine * 0.7);
    for (int i = 0; i <= 4; ++i)
        drawShape(p, ellipse({-18.0 + i * 9, (i % 2 ? -18.0 : -15.0) - 1.2}, 1.5, 1.5), kGold, 0.3,
                  kInteriorLine * 0.8);
    p.restore();
}
// The bolt out of the cloud, through the crown, down to the broken top.
void towerLightning(QPainter &p)
{
    paintLightning(p, {{178, 16},
                       {150, 42},
                       {160, 44},
                       {126, 66},
                       {136, 66},
                       {104, 86},
                       {146, 58},
                       {138, 56},
                       {170, 36},
                       {162, 36},
                       {190, 16}});
}

// The king falls head first on the left, his crown still on, his arms flung
// down before him, his legs bent up behind and his blue cloak flying up.
Sprawl theFallingKing()
{
    Sprawl s;
    s.look.robe = {kRoyalRed, kBlue, Cut::Tunic, kLinen, kGold, false};
    s.look.headwear = Headwear::Crown;
    s.look.hairColour = kHairGrey;
    s.look.beard = Beard::Full;
    s.look.features = Features{
        .view = View::ThreeQuarter, .side = 1, .gaze = {0.4, 1}, .age = Age::Old, .expression = Expression::Stern};
    s.unit = 12;
    s.head = {42, 206};
    s.headDegrees = 200;
    s.neck = {45, 195};
    s.hips = {55, 172};
    s.chest = QPointF(52.5, 187);
    s.breadth = 0.75;
    s.nearSide = -1;
    s.elbow = {QPointF(66, 198), QPointF(30, 194)};
    s.hand = {QPointF(79, 204), QPointF(22, 210)};
    s.knee = {QPointF(74, 154), QPointF(35, 160)};
    s.foot = {QPointF(58, 136), QPointF(28, 136)};
    s.toes = {1, -1};
    s.cloakTo = QPointF(62, 138);
    s.skirtFlow = {0.1, -0.6};
    return s;
}

// The other falls head first on the right, bare-headed, twisted sideways as
// he tumbles: one arm thrown over his head, the other bent up behind him,
// one knee drawn up to his chest and the other leg trailing; his cloak
// whips out sideways from his shoulders.
Sprawl theFallingMan()
{
    Sprawl s;
    s.look.robe = {kTunicBlue, kPlumeRed, Cut::Tunic, kHoseYellow, kGold, false};
    s.look.hair = Hair::Windblown;
    s.look.hairColour = kHairBrown;
    s.look.facing = -1;
    s.look.features = Features{
        .view = View::Profile, .side = -1, .gaze = {-0.5, -0.6}, .age = Age::Young, .expression = Expression::Intent};
    s.unit = 12;
    s.head = {164, 234};
    s.headDegrees = 145;
    s.neck = {158, 225};
    s.hips = {142, 206};
    s.chest = QPointF(148, 218);
    s.breadth = 0.45;
    s.nearSide = 1;
    s.elbow = {QPointF(136, 222), QPointF(172, 232)};
    s.hand = {QPointF(128, 210), QPointF(176, 248)};
    s.knee = {QPointF(158, 204), QPointF(134, 186)};
    s.foot = {QPointF(160, 188), QPointF(126, 166)};
    s.toes = {1, -1};
    s.cloakTo = QPointF(175, 204);
    s.skirtFlow = {-0.3, -0.6};
    return s;
}

void towerFalling(QPainter &p)
{
    for (const Sprawl &s : {theFallingKing(), theFallingMan()})
        paintContoured(p, kContourLine, [&](QPainter &q) {
            WoodcutFinish finish;
            paintSprawled(q, s);
        });
}

// Drops of flame falling on both sides of the tower, ten on one side and
// twelve on the other.
void towerSparks(QPainter &p)
{
    const std::vector<QPointF> drops{{18, 56},   {44, 72},   {22, 100},  {64, 92},   {14, 144},  {76, 150},
                                     {30, 226},  {14, 200},  {70, 232},  {60, 60},   {128, 92},  {150, 80},
                                     {176, 74},  {136, 122}, {166, 104}, {184, 130}, {128, 150}, {176, 156},
                                     {122, 186}, {186, 198}, {140, 246}, {174, 258}};
    for (std::size_t i = 0; i < drops.size(); ++i)
        paintYod(p, drops[i], 8, (i % 3 == 0 ? 15.0 : i % 3 == 1 ? -12.0 : 0.0), kSpark);
}

} // namespace

Trump theTower()
{
    return {{{Layer::Scene, towerStorm},
             {Layer::Scene, towerCrag},
             {Layer::Scene, towerBuilding},
             {Layer::Scene, towerSparks},
             {Layer::Scene, towerCrownTop},
             {Layer::Scene, towerLightning},
             {Layer::Figures, towerFalling}}};
}

} // namespace artwork::trumps
