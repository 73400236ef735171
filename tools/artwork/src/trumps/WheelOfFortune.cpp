// 11 The Wheel of Fortune: the great wheel turning in the clouds, its outer ring lettered T A R O
// between the four letters of the Name, its inner ring marked with the signs of mercury, sulphur,
// salt and water; a blue sphinx sits on top with a sword; the serpent slides down the left side and
// the jackal-headed one rises on the right; the angel, the eagle, the bull and the lion read their
// books on clouds in the corners.

#include "trumps/Trump.h"

#include "figures/Hands.h"

namespace artwork::trumps {

namespace {

using namespace shapes;
using style::paintContoured;
using style::paintGroundShadow;
using style::smoothClosed;

const QPointF kWheelCentre(100, 140);
constexpr double kWheelRadius = 54;
// The rings, as fractions of the radius: the lettered ring's inner edge and
// the inner ring's with the signs.
constexpr double kLetterRing = 0.74;
constexpr double kSignRing = 0.48;
// The letters stand in the middle of the lettered ring.
constexpr double kLetterRadius = 0.87;

QPointF onWheel(double r, double degrees)
{
    return polar(kWheelCentre, r * kWheelRadius, degrees);
}

QPainterPath disc(double r)
{
    return ellipse(kWheelCentre, r * kWheelRadius, r * kWheelRadius);
}

void wheelSky(QPainter &p)
{
    // One even blue: the wheel turns in the open sky, with no horizon.
    p.fillRect(trumpScene(), kDaySky.base);
    // Clouds under each of the four, and two banks drifting under the wheel.
    paintCloud(p, {34, 60}, 56, 3);
    paintCloud(p, {166, 60}, 56, 5);
    paintCloud(p, {36, 258}, 60, 7);
    paintCloud(p, {164, 258}, 60, 9);
    paintCloud(p, {100, 224}, 64, 11);
}

// ---- The wheel ---------------------------------------------------------------

// Mercury: a small circle with horns above and a cross below.
void mercurySign(QPainterPath &s, QPointF c, double h)
{
    s.addEllipse(c, 0.22 * h, 0.22 * h);
    s.moveTo(c + QPointF(-0.26 * h, -0.48 * h));
    s.quadTo(c + QPointF(0, -0.2 * h), c + QPointF(0.26 * h, -0.48 * h));
    s.moveTo(c + QPointF(0, 0.22 * h));
    s.lineTo(c + QPointF(0, 0.56 * h));
    s.moveTo(c + QPointF(-0.17 * h, 0.4 * h));
    s.lineTo(c + QPointF(0.17 * h, 0.4 * h));
}

// Sulphur: a triangle standing on a cross.
void sulphurSign(QPainterPath &s, QPointF c, double h)
{
    s.moveTo(c + QPointF(0, -0.5 * h));
    s.lineTo(c + QPointF(0.26 * h, 0.02 * h));
    s.lineTo(c + QPointF(-0.26 * h, 0.02 * h));
    s.closeSubpath();
    s.moveTo(c + QPointF(0, 0.02 * h));
    s.lineTo(c + QPointF(0, 0.54 * h));
    s.moveTo(c + QPointF(-0.18 * h, 0.3 * h));
    s.lineTo(c + QPointF(0.18 * h, 0.3 * h));
}

// Salt: a circle parted by a level line.
void saltSign(QPainterPath &s, QPointF c, double h)
{
    s.addEllipse(c, 0.36 * h, 0.36 * h);
    s.moveTo(c + QPointF(-0.36 * h, 0));
    s.lineTo(c + QPointF(0.36 * h, 0));
}

// Water, dissolving: two waved lines, one over the other.
void waterSign(QPainterPath &s, QPointF c, double h)
{
    for (double dy : {-0.16, 0.16}) {
        s.moveTo(c + QPointF(-0.42 * h, dy * h + 0.08 * h));
        for (int i = 1; i <= 4; ++i)
            s.lineTo(c + QPointF((-0.42 + 0.21 * i) * h, dy * h + (i % 2 ? -0.08 : 0.08) * h));
    }
}

// Eight spokes from the hub: the four upright and level ones end at the
// inner ring, under its signs; the four slanting ones run to the letters.
void wheelSpokes(QPainter &p)
{
    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        spokes.moveTo(onWheel(0.16, a));
        spokes.lineTo(onWheel(i % 2 ? kLetterRing : kSignRing - 0.17, a));
    }
    drawLine(p, spokes, kOutline, 3.4);
    drawLine(p, spokes, kWheelRim.shade, 1.8);
    drawShape(p, disc(0.17), kWheelRim, 1.0, style::kInteriorLine);
    drawShape(p, disc(0.08), kGold, 0.6, style::kInteriorLine);
}

void wheelRings(QPainter &p)
{
    drawShape(p, disc(1.0), kWheelRim, 2.2, style::kInteriorLine);
    drawShape(p, disc(kLetterRing), kWheelDisc, 1.4, style::kInteriorLine);
    drawShape(p, disc(kSignRing), kWheelDisc, 1.2, style::kInteriorLine);
    // A fine line inside each edge, as a carved rim has.
    QPainterPath fillets;
    for (double r : {0.95, kLetterRing + 0.04, kLetterRing - 0.04, kSignRing + 0.04}) {
        fillets.addEllipse(kWheelCentre, r * kWheelRadius, r * kWheelRadius);
    }
    drawLine(p, fillets, kWheelRim.shade, 0.5);
    wheelSpokes(p);
    // The four signs in the inner ring: mercury above, salt to the right,
    // water below, sulphur to the left.
    const double h = 0.2 * kWheelRadius, r = (kLetterRing + kSignRing) / 2;
    QPainterPath signs;
    mercurySign(signs, onWheel(r, -90), h);
    saltSign(signs, onWheel(r, 0), h);
    waterSign(signs, onWheel(r, 90), h);
    sulphurSign(signs, onWheel(r, 180), h);
    drawLine(p, signs, kInk, 1.1);
}

void theWheel(QPainter &p)
{
    paintContoured(p, style::kContourLine, [](QPainter &q) {
        style::WoodcutFinish finish;
        wheelRings(q);
    });
}

// ---- The serpent and the jackal-headed one ------------------------------------

// The serpent slides head first down the wheel's left side.
void wheelSerpent(QPainter &p)
{
    std::vector<QPointF> body;
    for (int i = 0; i <= 12; ++i) {
        const double a = 236.0 - i * 9.0;
        const double r = 1.17 + 0.09 * std::sin(i * 1.25);
        body.push_back(onWheel(r, a));
    }
    paintContoured(p, style::kContourLine, [&](QPainter &q) {
        style::WoodcutFinish finish;
        paintSerpent(q, body, 4.2, kGoldSerpent);
    });
}

// ---- The sphinx on top ---------------------------------------------------------

// Where the sphinx sits: on the top of the rim.
QPointF sphinxAt(double x, double y)
{
    return kWheelCentre + QPointF(x, y - kWheelRadius + 1);
}

// The sword she holds upright, its grip in her raised fore paw.
void sphinxSword(QPainter &p)
{
    const double x = -23;
    QPainterPath blade;
    blade.moveTo(sphinxAt(x - 2.2, -33));
    blade.lineTo(sphinxAt(x - 2.2, -64));
    blade.lineTo(sphinxAt(x, -70));
    blade.lineTo(sphinxAt(x + 2.2, -64));
    blade.lineTo(sphinxAt(x + 2.2, -33));
    blade.closeSubpath();
    drawShape(p, blade, kSteel, 1.0, style::kInteriorLine);
    QPainterPath ridge;
    ridge.moveTo(sphinxAt(x, -35));
    ridge.lineTo(sphinxAt(x, -64));
    drawLine(p, ridge, kSteel.shade, 0.5);
    drawShape(p, limb({sphinxAt(x, -31), sphinxAt(x, -19)}, {1.5, 1.5}), kLeather, 0.6, style::kInteriorLine);
    drawShape(p, limb({sphinxAt(x - 7, -33), sphinxAt(x + 7, -33)}, {1.3, 1.3}), kGold, 0.6, style::kInteriorLine);
    drawShape(p, ellipse(sphinxAt(x, -18), 2.2, 2.2), kGold, 0.6, style::kInteriorLine);
}

// A lion's paw resting on the rim, toes to the viewer's left: a rounded
// pad with two toe lines across its front.
void sphinxPaw(QPainter &p, QPointF c, double w, const Tone &coat)
{
    drawShape(p, ellipse(c, w, 0.5 * w), coat, 0.5, style::kInteriorLine);
    QPainterPath toes;
    for (double dx : {-0.55, -0.2}) {
        toes.moveTo(c + QPointF(dx * w, -0.42 * w));
        toes.quadTo(c + QPointF((dx - 0.1) * w, -0.1 * w), c + QPointF(dx * w, 0.45 * w));
    }
    drawLine(p, toes, kOutline, style::kInteriorLine);
}

// Her lion's body seated on the top of the rim, facing the viewer's left:
// the far fore leg folded forward with its paw on the rim, the near one
// raised to the sword's grip, a round haunch with the hind paw tucked in
// front of it, and the tail curled up behind.
void sphinxBody(QPainter &p)
{
    const Tone far{kSphinxCoat.shade, kSphinxCoat.shade.darker(125)};
    QPainterPath tail;
    tail.moveTo(sphinxAt(26, -5));
    tail.cubicTo(sphinxAt(37, -4), sphinxAt(37, -21), sphinxAt(29, -26));
    drawLine(p, tail, kOutline, 3.4);
    drawLine(p, tail, kSphinxCoat.base, 2.0);
    drawShape(p, ellipse(sphinxAt(28.5, -27.5), 2.2, 3.0, 30), kSphinxHeadcloth, 0.5, style::kInteriorLine);
    // The far fore leg, folded: elbow down, forearm laid along the rim.
    drawShape(p, limb({sphinxAt(-10, -24), sphinxAt(-13, -5), sphinxAt(-25, -3)}, {4.2, 3.4, 3.0}), far, 0.8,
              style::kInteriorLine);
    sphinxPaw(p, sphinxAt(-27.5, -2.8), 5.0, far);
    drawShape(p,
              smoothClosed({sphinxAt(-12, -1), sphinxAt(14, -1), sphinxAt(26, -3), sphinxAt(30, -12), sphinxAt(25, -24),
                            sphinxAt(10, -28), sphinxAt(1, -38), sphinxAt(-6, -43), sphinxAt(-14, -38),
                            sphinxAt(-16, -27), sphinxAt(-14, -12)}),
              kSphinxCoat, 2.2);
    // The haunch, the hind leg folded under it, and its paw tucked forward.
    drawShape(p, ellipse(sphinxAt(16, -12), 11.5, 10.5, -12), kSphinxCoat, 1.2, style::kInteriorLine);
    QPainterPath hock;
    hock.moveTo(sphinxAt(22, -3));
    hock.quadTo(sphinxAt(12, -1.5), sphinxAt(6, -3));
    drawLine(p, hock, kSphinxCoat.shade, style::kInteriorLine);
    sphinxPaw(p, sphinxAt(3, -2.6), 5.2, kSphinxCoat);
    // The belly line under the chest.
    QPainterPath belly;
    belly.moveTo(sphinxAt(-9, -10));
    belly.quadTo(sphinxAt(-3, -6), sphinxAt(5, -8));
    drawLine(p, belly, kSphinxCoat.shade, style::kInteriorLine);
    sphinxSword(p);
    drawShape(p, limb({sphinxAt(-7, -32), sphinxAt(-14, -20), sphinxAt(-21, -25)}, {4.5, 3.2, 3.0}), kSphinxCoat, 0.8,
              style::kInteriorLine);
    drawShape(p, ellipse(sphinxAt(-23, -26), 3.4, 3.0), kSphinxCoat, 0.5, style::kInteriorLine);
}

// Her woman's head, facing out of the picture, in a striped headcloth whose
// lappets fall to her breast.
void sphinxHead(QPainter &p)
{
    const QPointF face = sphinxAt(-6, -52);
    const double u = 14;
    QPainterPath cloth = smoothClosed({face + QPointF(0, -0.95 * u), face + QPointF(0.62 * u, -0.6 * u),
                                       face + QPointF(0.7 * u, 0.2 * u), face + QPointF(0.86 * u, 1.05 * u),
                                       face + QPointF(0.3 * u, 1.1 * u), face + QPointF(0, 0.6 * u),
                                       face + QPointF(-0.3 * u, 1.1 * u), face + QPointF(-0.86 * u, 1.05 * u),
                                       face + QPointF(-0.7 * u, 0.2 * u), face + QPointF(-0.62 * u, -0.6 * u)});
    drawShape(p, cloth, kSphinxHeadcloth, 1.2);
    QPainterPath stripes;
    for (int i = 0; i < 7; ++i) {
        const double y = -0.75 + i * 0.28;
        stripes.moveTo(face + QPointF(-0.9 * u, y * u));
        stripes.lineTo(face + QPointF(0.9 * u, y * u));
    }
    p.save();
    p.setClipPath(cloth, Qt::IntersectClip);
    drawLine(p, stripes, kSphinxStripe, 1.2);
    p.restore();
    Figure she;
    she.build = Build::Woman;
    she.hair = Hair::Bald;
    she.hairColour = kSphinxHeadcloth.base;
    she.features = Features{.view = View::Front, .gaze = {-0.3, 0}, .expression = Expression::Stern, .breadth = 0.94};
    paintHead(p, she, face, u);
    // The headcloth's band over the brow.
    drawShape(p, limb({face + QPointF(-0.36 * u, -0.44 * u), face + QPointF(0.36 * u, -0.44 * u)}, {1.2, 1.2}),
              kSphinxHeadcloth, 0.4, style::kInteriorLine);
}

void wheelSphinx(QPainter &p)
{
    paintContoured(p, style::kContourLine, [](QPainter &q) {
        style::WoodcutFinish finish;
        sphinxBody(q);
        sphinxHead(q);
    });
}

// ---- The jackal-headed one, rising on the right ---------------------------------

// His jackal's head turned up the way he rises: a long muzzle, tall ears.
void jackalHead(QPainter &p, QPointF c)
{
    const Tone &coat = kJackal;
    for (double dx : {-2.6, 1.4})
        drawShape(p, smoothClosed({c + QPointF(dx - 2.4, -2), c + QPointF(dx - 1.6, -14), c + QPointF(dx + 2.6, -3)}),
                  coat, 0.8, style::kInteriorLine);
    drawShape(p,
              smoothClosed({c + QPointF(-6, 1), c + QPointF(-4, -5), c + QPointF(3, -5.5), c + QPointF(15, -9.5),
                            c + QPointF(16.5, -7), c + QPointF(6, 1.5), c + QPointF(-1, 5)}),
              coat, 1.4, style::kInteriorLine);
    drawShape(p, ellipse(c + QPointF(16, -8.4), 1.4, 1.2), {kOutline, kOutline}, 0, 0);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(15.5, -6.8));
    mouth.quadTo(c + QPointF(9, -2.6), c + QPointF(4, -1.2));
    drawLine(p, mouth, kOutline, style::kInteriorLine);
    drawShape(p, ellipse(c + QPointF(2.6, -3.2), 1.6, 1.0, -20), {kEagleEye.base, kEagleEye.base}, 0,
              style::kInteriorLine);
    drawShape(p, ellipse(c + QPointF(3.1, -3.4), 0.6, 0.6), {kOutline, kOutline}, 0, 0);
}

// His legs, in the picture's own frame rather than his leaning one: the far
// knee drawn up, its foot set on the rim under his hip; the near knee bent
// out and its foot braced flat on the rim's lower right, so the wheel
// carries him up as it turns.
void jackalLegs(QPainter &q)
{
    const Tone &skin = kJackal;
    const Tone far{skin.shade, skin.shade.darker(125)};
    drawShape(q, limb({{150.5, 168}, {167.5, 160}, {150, 172.5}, {146, 176.5}}, {5, 3.6, 2.6, 2.2}), far, 0.8,
              style::kInteriorLine);
    drawShape(q, limb({{153.5, 169}, {153, 184}, {139.5, 183}, {135.5, 186.5}}, {5.6, 3.8, 2.8, 2.2}), skin, 1.0,
              style::kInteriorLine);
}

// He rises with his back to the rim, one knee drawn up, the near hand
// thrown back over his shoulder to grip the rim above him.
void jackalBody(QPainter &q)
{
    const Tone &skin = kJackal;
    const Tone far{skin.shade, skin.shade.darker(125)};
    drawShape(q, limb({{155, 146}, {153, 156}, {155, 163}}, {3.4, 2.8, 2.4}), far, 0.6, style::kInteriorLine);
    drawShape(q, limb({{159, 138}, {157, 147}, {151, 164}, {152, 174}}, {3.4, 7, 5.2, 6.4}), skin, 1.6);
    // A short pleated kilt under a gold belt, and a gold collar.
    QPainterPath kilt;
    kilt.moveTo(147, 168);
    kilt.lineTo(156.5, 166.5);
    kilt.lineTo(161.5, 177);
    kilt.lineTo(148, 178.5);
    kilt.closeSubpath();
    drawShape(q, kilt, kLinen, 1.0, style::kInteriorLine);
    QPainterPath pleats;
    for (int i = 1; i < 4; ++i) {
        pleats.moveTo(147.5 + i * 2.4, 169.5);
        pleats.lineTo(148 + i * 3.4, 178);
    }
    drawLine(q, pleats, kLinen.shade, 0.5);
    drawShape(q, limb({{147, 168}, {156.5, 166.5}}, {1.3, 1.3}), kGold, 0.4, style::kInteriorLine);
    drawShape(q, limb({{153, 142}, {159, 139}, {164, 142}}, {2.0, 2.0, 2.0}), kGold, 0.5, style::kInteriorLine);
    drawShape(q, limb({{158, 146}, {150, 139}, {139.5, 128.5}}, {3.6, 3.0, 2.4}), skin, 0.8, style::kInteriorLine);
    drawShape(q, ellipse({137.5, 126.5}, 2.8, 2.4), skin, 0.4, style::kInteriorLine);
}

const QPointF kJackalPivot(156, 168);
const QPointF kJackalShift(0, -6);
constexpr double kJackalLean = 12;

void wheelJackal(QPainter &p)
{
    paintContoured(p, style::kContourLine, [](QPainter &q) {
        style::WoodcutFinish finish;
        jackalLegs(q);
        // He leans with the rim's curve, his back to it and his feet braced
        // against its lower side, so that he rises as it turns.
        q.translate(kJackalPivot);
        q.rotate(kJackalLean);
        q.translate(-kJackalPivot + kJackalShift);
        jackalBody(q);
        jackalHead(q, {161, 130});
    });
}

// ---- The four in the corners, each with a book ----------------------------------

// An open book, `width` across its two pages, turned `degrees`: the cover's
// edge showing under the pages, lines of writing on each page.
void openBook(QPainter &p, QPointF c, double width, double degrees, const Tone &cover)
{
    p.save();
    p.translate(c);
    p.rotate(degrees);
    const double w = width / 2, h = width * 0.36;
    QPainterPath back;
    back.moveTo(-w - 1.2, -h * 0.3);
    back.quadTo(-w * 0.5, -h * 0.55 + 1.5, 0, -h * 0.3 + 1.8);
    back.quadTo(w * 0.5, -h * 0.55 + 1.5, w + 1.2, -h * 0.3);
    back.lineTo(w + 1.2, h * 0.62);
    back.quadTo(w * 0.5, h * 0.4 + 1.5, 0, h * 0.7 + 1.8);
    back.quadTo(-w * 0.5, h * 0.4 + 1.5, -w - 1.2, h * 0.62);
    back.closeSubpath();
    drawShape(p, back, cover, 0.8, style::kInteriorLine);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(0, -h * 0.3);
        page.quadTo(side * w * 0.5, -h * 0.62, side * w, -h * 0.4);
        page.lineTo(side * w, h * 0.5);
        page.quadTo(side * w * 0.5, h * 0.3, 0, h * 0.6);
        page.closeSubpath();
        drawShape(p, page, kParchment, 0.6, style::kInteriorLine);
        QPainterPath writing;
        for (int i = 0; i < 4; ++i) {
            const double y = -h * 0.22 + i * h * 0.18;
            writing.moveTo(side * w * 0.18, y);
            writing.quadTo(side * w * 0.5, y - h * 0.12, side * w * 0.84, y - h * 0.04);
        }
        drawLine(p, writing, kParchment.shade, 0.5);
    }
    p.restore();
}

// A wing from `root` to `tip`: five long feathers fanned back towards the
// `side` of the line from root to tip (1: to the right walking out), the
// outermost reaching the tip, and the rounded coverts over their roots.
void featherWing(QPainter &p, QPointF root, QPointF tip, int side, const Tone &tone)
{
    const double span = length(tip - root), heading = angleOf(tip - root);
    for (int k = 4; k >= 0; --k) {
        const double a = heading + side * k * 12.0, reach = span * (1.0 - 0.1 * k);
        drawShape(p, ellipse(polar(root, reach * 0.55, a), reach * 0.47, span * 0.1, a), tone, 0.6,
                  style::kInteriorLine);
    }
    const double c = heading + side * 26.0;
    drawShape(p, ellipse(polar(root, span * 0.22, c), span * 0.24, span * 0.13, c), tone, 0.8, style::kInteriorLine);
}

// Top left: the angel, reading the book held open in both hands.
void cornerAngel(QPainter &q)
{
    featherWing(q, {28, 44}, {14, 17}, 1, kAngelFeathers);
    featherWing(q, {44, 44}, {58, 16}, -1, kAngelFeathers);
    drawShape(q,
              smoothClosed({QPointF(20, 70), QPointF(22, 50), QPointF(30, 44), QPointF(42, 44), QPointF(50, 50),
                            QPointF(52, 70)}),
              kPaleBlueGown, 1.4);
    Figure angel;
    angel.build = Build::Youth;
    angel.hair = Hair::Shoulder;
    angel.hairColour = kHairGold;
    angel.features = Features{
        .view = View::ThreeQuarter, .side = 1, .gaze = {0.3, 1}, .age = Age::Young, .expression = Expression::Calm};
    paintHead(q, angel, {36, 31}, 16);
    openBook(q, {38, 57}, 22, -8, kCrossGuard);
    for (QPointF h : {QPointF(27, 60), QPointF(49, 57)})
        paintHand(q, {.grip = Grip::Cradle, .centre = h, .forearm = {0, -1}, .unit = 12});
}

// Top right: the eagle standing on its book, wings half raised, looking in
// at the wheel.
void cornerEagle(QPainter &q)
{
    featherWing(q, {172, 34}, {177, 15}, -1, {kEaglePlumage.shade, kEaglePlumage.shade.darker(125)});
    drawShape(q, smoothClosed({QPointF(174, 50), QPointF(186, 64), QPointF(178, 66), QPointF(170, 56)}), kEaglePlumage,
              0.8, style::kInteriorLine);
    drawShape(q,
              smoothClosed({QPointF(160, 34), QPointF(166, 26), QPointF(176, 32), QPointF(178, 48), QPointF(170, 58),
                            QPointF(161, 52)}),
              kEaglePlumage, 1.8);
    featherWing(q, {170, 36}, {185, 20}, 1, kEaglePlumage);
    // The white head and the hooked beak.
    drawShape(q,
              smoothClosed({QPointF(158, 22), QPointF(164, 17), QPointF(170, 21), QPointF(168, 30), QPointF(160, 32)}),
              kFeathers, 0.8, style::kInteriorLine);
    QPainterPath beak;
    beak.moveTo(160, 21);
    beak.quadTo(151, 20, 150, 27);
    beak.quadTo(154, 24, 158, 27);
    beak.closeSubpath();
    drawShape(q, beak, kGold, 0.5, style::kInteriorLine);
    drawShape(q, ellipse({162, 22.5}, 1.4, 1.4), kEagleEye, 0, 0.6);
    openBook(q, {160, 62}, 24, 4, kSlateCloth);
    // Talons over the book's top edge.
    QPainterPath talons;
    for (double x : {161.0, 167.0}) {
        talons.moveTo(x, 55);
        talons.lineTo(x - 1.5, 59);
        talons.moveTo(x, 55);
        talons.lineTo(x + 1.5, 59);
    }
    drawLine(q, talons, kOutline, 1.3);
}

// Bottom left: the bull lying on the cloud, its head turned to the wheel, a
// fore hoof on its open book.
void cornerBull(QPainter &q)
{
    featherWing(q, {26, 240}, {15, 216}, 1, kAngelFeathers);
    drawShape(q,
              smoothClosed({QPointF(12, 262), QPointF(14, 244), QPointF(30, 236), QPointF(48, 242), QPointF(54, 262)}),
              kBullHide, 1.8);
    featherWing(q, {32, 240}, {40, 213}, -1, kAngelFeathers);
    openBook(q, {43, 262}, 22, -6, kLeather);
    drawShape(q, limb({{44, 248}, {50, 256}, {52, 258}}, {3.4, 2.6, 2.4}), kBullHide, 0.6, style::kInteriorLine);
    drawShape(q, ellipse({53, 258}, 2.6, 1.8), kHoof, 0, style::kInteriorLine);
    // The head, three-quarters to the right: horns, a broad brow, a pale muzzle.
    const QPointF h(46, 230);
    QPainterPath horns;
    horns.moveTo(h + QPointF(-5, -5));
    horns.quadTo(h + QPointF(-12, -7), h + QPointF(-11, -14));
    horns.moveTo(h + QPointF(5, -5));
    horns.quadTo(h + QPointF(12, -8), h + QPointF(10, -15));
    drawLine(q, horns, kOutline, 3.4);
    drawLine(q, horns, kBullHorn.base, 2.0);
    drawShape(q,
              smoothClosed({h + QPointF(-7, -6), h + QPointF(7, -6), h + QPointF(8, 2), h + QPointF(5, 10),
                            h + QPointF(-3, 10), h + QPointF(-6, 2)}),
              kBullHide, 1.0, style::kInteriorLine);
    drawShape(q, ellipse(h + QPointF(1.5, 8.5), 5, 3.2), kBullMuzzle, 0.4, style::kInteriorLine);
    for (double dx : {-2.5, 4.5})
        drawShape(q, ellipse(h + QPointF(dx, -1.5), 1.1, 1.1), {kOutline, kOutline}, 0, 0);
}

// Bottom right: the lion lying on the cloud, head up over its book, its eyes
// on the page, a paw holding the page down.
void cornerLion(QPainter &q)
{
    featherWing(q, {176, 240}, {185, 216}, -1, kAngelFeathers);
    drawShape(
        q,
        smoothClosed({QPointF(146, 262), QPointF(150, 246), QPointF(168, 238), QPointF(186, 244), QPointF(188, 262)}),
        kLionCoat, 1.8);
    featherWing(q, {170, 240}, {164, 213}, 1, kAngelFeathers);
    const QPointF h(152, 232);
    std::vector<QPointF> mane;
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * M_PI / 16;
        mane.push_back(h + QPointF(std::cos(a), std::sin(a) * 1.1) * (i % 2 ? 12.0 : 16.0));
    }
    drawShape(q, smoothClosed(mane), kLionMane, 1.4, style::kInteriorLine);
    openBook(q, {156, 262}, 22, 5, kRiverBlue);
    drawShape(q, limb({{158, 248}, {150, 256}, {147, 257}}, {3.6, 2.8, 2.8}), kLionCoat, 0.6, style::kInteriorLine);
    // The face, three-quarters to the left, calm.
    drawShape(q,
              smoothClosed({h + 1.3 * QPointF(-6, -6), h + 1.3 * QPointF(5, -6), h + 1.3 * QPointF(6, 3),
                            h + 1.3 * QPointF(0, 8), h + 1.3 * QPointF(-7, 4)}),
              kLionCoat, 0.8, style::kInteriorLine);
    QPainterPath nose;
    nose.moveTo(h + 1.3 * QPointF(-3.4, 2));
    nose.lineTo(h + 1.3 * QPointF(0.4, 2));
    nose.lineTo(h + 1.3 * QPointF(-1.5, 4));
    nose.closeSubpath();
    drawShape(q, nose, {kOutline, kOutline}, 0, 0);
    // The shut mouth under the nose, and a brow over each eye.
    QPainterPath mouth;
    mouth.moveTo(h + 1.3 * QPointF(-1.5, 4));
    mouth.lineTo(h + 1.3 * QPointF(-1.5, 5.2));
    mouth.moveTo(h + 1.3 * QPointF(-4, 5.6));
    mouth.quadTo(h + 1.3 * QPointF(-1.5, 4.6), h + 1.3 * QPointF(1, 5.6));
    for (double dx : {-4.0, 2.2}) {
        mouth.moveTo(h + 1.3 * QPointF(dx - 1.6, -2.2));
        mouth.quadTo(h + 1.3 * QPointF(dx, -3.2), h + 1.3 * QPointF(dx + 1.6, -2.4));
    }
    drawLine(q, mouth, kOutline, style::kInteriorLine);
    // The eyes open, golden, looking down at the page.
    for (double dx : {-4.0, 2.2}) {
        const QPointF eye = h + 1.3 * QPointF(dx, -0.7);
        drawShape(q, ellipse(eye, 1.9, 1.3), {kEagleEye.base, kEagleEye.base}, 0, style::kInteriorLine);
        drawShape(q, ellipse(eye + QPointF(0.2, 0.45), 0.8, 0.8), {kOutline, kOutline}, 0, 0);
    }
}

void wheelCreatures(QPainter &p)
{
    paintContoured(p, style::kContourLine, [](QPainter &q) {
        style::WoodcutFinish finish;
        cornerAngel(q);
        cornerEagle(q);
        // The two below sit a little up and in, clear of the frame.
        q.save();
        q.translate(3, -5);
        cornerBull(q);
        q.translate(-6, 0);
        cornerLion(q);
        q.restore();
    });
}

// The letters on the outer ring: T A R O at the quarters, read round the
// wheel from the top, and between them the four letters of the Name.
void wheelLettering(QPainter &p, const CardFace &)
{
    const QFont latin = libertine(11, true);
    const QFont hebrew = ezra(15);
    const char *taro[] = {"T", "A", "R", "O"};
    const char32_t name[] = {U'\u05D9', U'\u05D4', U'\u05D5', U'\u05D4'};
    for (int i = 0; i < 4; ++i) {
        drawCentredText(p, taro[i], latin, kInk, onWheel(kLetterRadius, -90.0 + i * 90.0));
        drawCentredText(p, QString::fromUcs4(&name[i], 1), hebrew, kInk, onWheel(kLetterRadius, -45.0 + i * 90.0));
    }
}

} // namespace

Trump theWheelOfFortune()
{
    return {{{Layer::Scene, wheelSky},
             {Layer::Figures, wheelCreatures},
             {Layer::Figures, theWheel},
             {Layer::Figures, wheelSerpent},
             {Layer::Figures, wheelJackal},
             {Layer::Figures, wheelSphinx}},
            wheelLettering};
}

} // namespace artwork::trumps
