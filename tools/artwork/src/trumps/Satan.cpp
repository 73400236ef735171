// 16 Satan: a horned, bat-winged figure stands on a black pedestal, one hand raised, the other
// holding a torch upside down; a horned man and woman are chained to a ring in the pedestal at
// its foot.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

const QRectF kBlock(62, 186, 76, 56); // the pedestal's front
const QPointF kRing(100, 210);        // where the chains are made fast
constexpr double kDevilUnit = 20, kCaptiveUnit = 14.5;
// Heads drawn larger than the bodies' proportions give, to read at a slot's size.
constexpr double kHeadScale = 1.3;

// Where a larger head goes on a body drawn for a head `u` high: its chin
// where the smaller one's would be.
QPointF headOn(const StandingBody &body, double u)
{
    return body.headCentre - QPointF(0, 0.5 * (kHeadScale - 1) * u);
}

QPointF devilHips()
{
    return {100, kBlock.top() - 6 - 3.65 * kDevilUnit};
}

// The dark hall, its floor, and the pedestal: a black block with a lit top.
void satanHall(QPainter &p)
{
    const QRectF s = trumpScene();
    p.fillRect(s, kInfernalGlow);
    QPainterPath floor;
    floor.addRect(QRectF(s.left() - 2, 236, s.width() + 4, s.bottom() - 234));
    drawShape(p, floor, kInfernalFloor, 0, 1.2);
    QPainterPath top;
    top.moveTo(kBlock.left(), kBlock.top());
    top.lineTo(kBlock.left() + 8, kBlock.top() - 8);
    top.lineTo(kBlock.right() - 8, kBlock.top() - 8);
    top.lineTo(kBlock.right(), kBlock.top());
    top.closeSubpath();
    drawShape(p, top, kPedestalTop, 0, 1.2);
    QPainterPath front;
    front.addRect(kBlock);
    drawShape(p, front, kPedestal, 2.0, 1.2);
}

void satanWings(QPainter &p)
{
    paintBatWings(p, devilHips() + QPointF(0, -1.7 * kDevilUnit), kDevilUnit, 3.0, kBatWing);
}

struct Captive {
    QPointF hips;
    Build build;
    int facing;
    Hair hair;
    QColor hairColour;
};

// A captive, horned, chained by the neck to the ring, the tail curling out
// behind: his tipped with flame, hers with grapes.
void paintCaptive(QPainter &p, const Captive &c)
{
    const double cu = kCaptiveUnit;
    const double side = -c.facing;
    QPainterPath tail;
    tail.moveTo(c.hips);
    const QPointF end = c.hips + QPointF(side * 1.0 * cu, 1.9 * cu);
    tail.cubicTo(c.hips + QPointF(side * 1.2 * cu, 0.4 * cu), c.hips + QPointF(side * 1.4 * cu, 1.6 * cu), end);
    drawLine(p, tail, kOutline, 3.6);
    drawLine(p, tail, kSkin.shade, 2.0);
    if (c.build == Build::Man) {
        paintFlame(p, end + QPointF(0, 2), 10);
    } else {
        for (int i = 0; i < 5; ++i)
            drawShape(p, shapes::ellipse(end + QPointF(i % 2 ? 1.5 : -1.5, 1.5 + i * 1.6), 1.8, 1.8), kGrapes, 0.5,
                      0.7);
    }
    const StandingBody b = paintStandingNude(p, c.hips, cu, c.build, kSkin);
    // A loincloth of sacking.
    QPainterPath cloth;
    cloth.moveTo(c.hips + QPointF(-0.72 * cu, -0.2 * cu));
    cloth.lineTo(c.hips + QPointF(0.72 * cu, -0.2 * cu));
    cloth.lineTo(c.hips + QPointF(0.5 * cu, 0.7 * cu));
    cloth.lineTo(c.hips + QPointF(-0.5 * cu, 0.7 * cu));
    cloth.closeSubpath();
    drawShape(p, cloth, kSacking, 0.8);
    Figure look;
    look.build = c.build;
    look.hair = c.hair;
    look.hairColour = c.hairColour;
    look.turn = -c.facing * 0.3;
    const QPointF head = headOn(b, cu);
    paintHead(p, look, head, kHeadScale * cu);
    paintHorns(p, head, kHeadScale * cu, 0.4);
    for (int hand : {0, 1}) {
        const double out = hand ? 1.0 : -1.0;
        paintBareArmFrom(p, b.shoulder[static_cast<std::size_t>(hand)], c.hips + QPointF(out * 1.0 * cu, 0.4 * cu),
                         c.hips + QPointF(out * 2.0 * cu, -1.0 * cu), cu, c.build, kSkin, false);
    }
    paintChain(p, kRing, b.neck + QPointF(0, 0.1 * cu), 4, 3.2);
}

void satanCaptives(QPainter &p)
{
    const double cu = kCaptiveUnit;
    for (const Captive &c : {Captive{{44, 264 - 3.65 * cu}, Build::Man, 1, Hair::Short, kHairBrown},
                             Captive{{156, 264 - 3.65 * cu}, Build::Woman, -1, Hair::Long, kHairBronze}})
        paintCaptive(p, c);
}

// The iron ring in the pedestal's front, over the chains' ends.
void satanRing(QPainter &p)
{
    drawShape(p, shapes::ellipse(kRing, 5, 5).subtracted(shapes::ellipse(kRing, 3, 3)), kIronRing, 0.6, 0.9);
}

// The devil: a man's body in red on a goat's shaggy legs, horned and frowning;
// his right hand raised, open, his left holding a torch upside down, its
// flame licking upwards.
void satanDevil(QPainter &p)
{
    const double du = kDevilUnit;
    const QPointF hips = devilHips();
    const StandingBody body = paintStandingNude(p, hips, du, Build::Man, kDevilSkin, kGoatLegs);
    std::vector<QPointF> fur;
    for (int i = 0; i <= 12; ++i) {
        const double x = -0.78 + 1.56 * i / 12;
        fur.push_back(hips + QPointF(x * du, (i % 2 ? 0.7 : 0.88) * du));
    }
    fur.push_back(hips + QPointF(0.74 * du, -0.5 * du));
    fur.push_back(hips + QPointF(0, -0.56 * du));
    fur.push_back(hips + QPointF(-0.74 * du, -0.5 * du));
    drawShape(p, style::smoothClosed(fur), kGoatLegs, 1.6, 1.0);
    Figure look;
    look.hairColour = kHairBlack;
    look.beard = Beard::Short;
    look.skin = kDevilSkin;
    const QPointF head = headOn(body, du);
    const double hu = kHeadScale * du;
    paintHead(p, look, head, hu);
    paintHorns(p, head, hu, 1.0);
    QPainterPath brows;
    for (int side : {-1, 1}) {
        brows.moveTo(head + QPointF(side * 0.34 * hu, -0.16 * hu));
        brows.lineTo(head + QPointF(side * 0.06 * hu, -0.04 * hu));
    }
    drawLine(p, brows, kOutline, 1.6);
    paintBareArmFrom(p, body.shoulder[1], body.shoulder[1] + QPointF(1.2 * du, -0.9 * du),
                     body.shoulder[1] + QPointF(1.6 * du, 0.4 * du), du, Build::Man, kDevilSkin, false);
    const QPointF fist = body.shoulder[0] + QPointF(-1.1 * du, 1.9 * du);
    const QPointF end = fist + QPointF(-0.5 * du, 1.7 * du);
    QPainterPath torch;
    torch.moveTo(fist + QPointF(0.12 * du, -0.4 * du));
    torch.lineTo(end);
    drawLine(p, torch, kOutline, 0.34 * du + 1.6);
    drawLine(p, torch, kWood.base, 0.34 * du);
    paintFlame(p, end + QPointF(0, 0.2 * du), 1.1 * du, -0.15);
    paintBareArmFrom(p, body.shoulder[0], fist, body.shoulder[0] + QPointF(-1.2 * du, 0.6 * du), du, Build::Man,
                     kDevilSkin, true);
}

} // namespace

Trump satan()
{
    return {{{Layer::Scene, satanHall},
             {Layer::Figures, satanWings},
             {Layer::Figures, satanCaptives},
             {Layer::Scene, satanRing},
             {Layer::Figures, satanDevil}}};
}

} // namespace artwork::trumps
