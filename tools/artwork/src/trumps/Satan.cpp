// 16 Satan: a horned, bat-winged figure stands on a black pedestal, an inverted pentagram on
// his brow, his right hand raised open, his left holding a torch upside down; a horned man and
// woman, chained by iron collars to a ring in the pedestal, stand at its foot, his tail ending
// in a flame and hers in a bunch of grapes.

#include "trumps/Trump.h"

#include "figures/Hands.h"

#include <QTransform>

namespace artwork::trumps {

namespace {

const QRectF kBlock(62, 186, 76, 56); // the pedestal's front
const QPointF kRing(100, 210);        // where the chains are made fast
constexpr double kDevilUnit = 20;
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

// The chain's sag, shared by the chain and the hand that grips it.
constexpr double kChainSag = 4;

// A point `t` (0 at the ring, 1 at the collar) along a chain drawn by
// paintChain from the ring to `collar`.
QPointF alongChain(QPointF collar, double t)
{
    const QPointF control = (kRing + collar) / 2 + QPointF(0, kChainSag * 2);
    return (1 - t) * (1 - t) * kRing + 2 * (1 - t) * t * control + t * t * collar;
}

// An iron collar round the neck (`neck` is where the chin meets it), the chain's end made fast at its front.
QPointF paintCollar(QPainter &p, QPointF neck, double u)
{
    const QPointF c = neck + QPointF(0, 0.16 * u);
    drawShape(p, shapes::ellipse(c, 0.3 * u, 0.12 * u), kCollarIron, 0.6, style::kInteriorLine);
    const QPointF hasp = c + QPointF(0, 0.12 * u);
    drawShape(p, shapes::ellipse(hasp, 0.09 * u, 0.09 * u), kCollarIron, 0.3, style::kInteriorLine);
    return hasp;
}

// A tail from the small of the back curling out to `side` and ending at the
// returned point.
QPointF paintTail(QPainter &p, QPointF hips, double u, double side, double droop)
{
    QPainterPath tail;
    tail.moveTo(hips);
    const QPointF end = hips + QPointF(side * 1.3 * u, droop * u);
    tail.cubicTo(hips + QPointF(side * 1.4 * u, 0.3 * u), hips + QPointF(side * 0.7 * u, (droop - 0.6) * u), end);
    drawLine(p, tail, kOutline, 0.26 * u);
    drawLine(p, tail, kSkin.shade, 0.15 * u);
    return end;
}

// The man's tail: it hangs free from behind his hip down past his thigh,
// swings out below his fist and curls up at the tip; returns the tip.
QPointF paintHangingTail(QPainter &p, QPointF root, double u)
{
    QPainterPath tail;
    tail.moveTo(root);
    const QPointF low = root + QPointF(-1.0 * u, 2.45 * u);
    const QPointF tip = root + QPointF(-1.3 * u, 1.95 * u);
    tail.cubicTo(root + QPointF(-0.35 * u, 1.2 * u), root + QPointF(-0.5 * u, 2.4 * u), low);
    tail.quadTo(root + QPointF(-1.45 * u, 2.45 * u), tip);
    drawLine(p, tail, kOutline, 0.26 * u);
    drawLine(p, tail, kSkin.shade, 0.15 * u);
    return tip;
}

// A loincloth of sacking, its hem ragged.
void paintLoincloth(QPainter &p, QPointF hips, double u, double drop, unsigned seed)
{
    style::Roughness rough(seed);
    std::vector<QPointF> hem;
    for (int i = 0; i <= 6; ++i)
        hem.push_back(hips + QPointF((0.52 - 1.04 * i / 6.0) * u, (drop + 0.08 * rough.next()) * u));
    QPainterPath cloth;
    cloth.moveTo(hips + QPointF(-0.74 * u, -0.2 * u));
    cloth.lineTo(hips + QPointF(0.74 * u, -0.2 * u));
    for (const QPointF &q : hem)
        cloth.lineTo(q);
    cloth.closeSubpath();
    drawShape(p, cloth, kSacking, 0.12 * u, style::kInteriorLine);
}

constexpr double kManUnit = 15.5, kWomanUnit = 13.6;
constexpr double kCaptivesGround = 264;
const QPointF kManHips(42, kCaptivesGround - 3.65 * kManUnit);
const QPointF kWomanHips(158, kCaptivesGround - 3.65 * kWomanUnit);

// The man, broad and dark-haired, his tail burning at its tip; he glares up
// at the devil, one fist clenched at his side, the other dragging at his
// chain.
void satanMan(QPainter &p)
{
    const double u = kManUnit;
    style::paintGroundShadow(p, {kManHips.x(), kCaptivesGround}, 1.3 * u, 0.22 * u, kPedestal.shade);
    QPointF hasp, head;
    StandingBody b;
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        const QPointF end = paintHangingTail(q, kManHips + QPointF(-0.3 * u, 0.2 * u), u);
        paintFlame(q, end + QPointF(0, 0.1 * u), 0.8 * u, -0.15);
        b = paintStandingNude(q, kManHips, u, Build::Man, kCaptiveManSkin);
        paintLoincloth(q, kManHips, u, 0.62, 3);
        Figure look;
        look.hair = Hair::Short;
        look.hairColour = kHairBlack;
        look.beard = Beard::Short;
        look.skin = kCaptiveManSkin;
        look.features = Features{View::ThreeQuarter, 1, {0.5, -0.7}, Age::Prime, Expression::Stern, 1.08};
        head = headOn(b, u);
        paintHead(q, look, head, kHeadScale * u);
        paintHorns(q, head, kHeadScale * u, 0.42);
        hasp = paintCollar(q, b.neck, u);
        const QPointF fist = kManHips + QPointF(-1.05 * u, 0.55 * u);
        paintBareArmFrom(q, b.shoulder[0], fist, kManHips + QPointF(-1.6 * u, -0.8 * u), u, Build::Man, kCaptiveManSkin,
                         true);
        paintHand(q, {Grip::Fist, fist, {-0.1, 1}, u, kCaptiveManSkin, 0, -1});
    });
    paintChain(p, kRing, hasp, kChainSag, 3.2);
    const QPointF grip = alongChain(hasp, 0.72);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        paintBareArmFrom(q, b.shoulder[1], grip, b.shoulder[1] + QPointF(0.4 * u, 1.4 * u), u, Build::Man,
                         kCaptiveManSkin, true);
    });
    const QPointF along = alongChain(hasp, 0.76) - alongChain(hasp, 0.68);
    paintHand(p, {Grip::Fist, grip, {0.3, -1}, u, kCaptiveManSkin, shapes::angleOf(along) - 90, 1});
}

// The woman, slighter and fair, her long hair streaming and her tail ending
// in a bunch of grapes; she looks down and aside, one hand on her hip, the
// other hanging open.
void satanWoman(QPainter &p)
{
    const double u = kWomanUnit;
    style::paintGroundShadow(p, {kWomanHips.x(), kCaptivesGround}, 1.2 * u, 0.22 * u, kPedestal.shade);
    // She stands with her weight shifted, leaning a little towards the
    // pedestal, where he stands square.
    const QTransform lean =
        QTransform().translate(kWomanHips.x(), kCaptivesGround).rotate(-4).translate(-kWomanHips.x(), -kCaptivesGround);
    QPointF hasp;
    StandingBody b;
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        q.setTransform(lean, true);
        const QPointF end = paintTail(q, kWomanHips + QPointF(0.3 * u, 0.2 * u), u, 1, 2.0);
        paintGrapes(q, end, 0.75 * u);
        b = paintStandingNude(q, kWomanHips, u, Build::Woman, kSkin);
        paintLoincloth(q, kWomanHips, u, 0.8, 7);
        const QPointF head = headOn(b, u);
        paintFlowingHair(q, head, kHeadScale * u, kHairGold, 1);
        Figure look;
        look.build = Build::Woman;
        look.hair = Hair::Short;
        look.hairColour = kHairGold;
        look.features = Features{View::ThreeQuarter, -1, {-0.6, 0.6}, Age::Young, Expression::Gentle, 0.92};
        paintHead(q, look, head, kHeadScale * u);
        paintHorns(q, head, kHeadScale * u, 0.34);
        hasp = paintCollar(q, b.neck, u);
        const QPointF hip = kWomanHips + QPointF(0.78 * u, -0.25 * u);
        paintBareArmFrom(q, b.shoulder[1], hip, hip + QPointF(1.0 * u, -0.8 * u), u, Build::Woman, kSkin, true);
        paintHand(q, {Grip::Hip, hip, {-0.6, 0.8}, u, kSkin, 0, 1});
        const QPointF open = kWomanHips + QPointF(-0.95 * u, 0.85 * u);
        paintBareArmFrom(q, b.shoulder[0], open, open + QPointF(-0.5 * u, -1.0 * u), u, Build::Woman, kSkin, false);
    });
    paintChain(p, kRing, lean.map(hasp), kChainSag, 3.0);
}

// The iron ring in the pedestal's front, over the chains' ends.
void satanRing(QPainter &p)
{
    drawShape(p, shapes::ellipse(kRing, 5, 5).subtracted(shapes::ellipse(kRing, 3, 3)), kIronRing, 0.6, 0.9);
}

// A pentagram standing on one point: the sign on the devil's brow, a pale
// star with a dark outline, the lines of the pentagram crossing inside it.
void paintInvertedPentagram(QPainter &p, QPointF centre, double r)
{
    // The points lie at 90 degrees (straight down) and every 72 from there;
    // the notches between them at a little under two fifths of the radius.
    std::vector<QPointF> outline;
    for (int i = 0; i < 10; ++i)
        outline.push_back(shapes::polar(centre, i % 2 ? 0.382 * r : r, 90 + 36.0 * i));
    QPainterPath star;
    star.moveTo(outline[0]);
    for (std::size_t i = 1; i < outline.size(); ++i)
        star.lineTo(outline[i]);
    star.closeSubpath();
    drawShape(p, star, kBrowStar, 0.12 * r, 0.14 * r);
    QPainterPath lines;
    for (int i = 0; i <= 5; ++i) {
        const QPointF v = shapes::polar(centre, r, 90 + 144.0 * (i % 5));
        if (i == 0)
            lines.moveTo(v);
        else
            lines.lineTo(v);
    }
    drawLine(p, lines, kBrowStar.shade, 0.07 * r);
}

// The goat's shaggy fur over the devil's loins.
void paintFur(QPainter &p, QPointF hips, double du)
{
    std::vector<QPointF> fur;
    for (int i = 0; i <= 12; ++i) {
        const double x = -0.78 + 1.56 * i / 12;
        fur.push_back(hips + QPointF(x * du, (i % 2 ? 0.7 : 0.88) * du));
    }
    fur.push_back(hips + QPointF(0.74 * du, -0.5 * du));
    fur.push_back(hips + QPointF(0, -0.56 * du));
    fur.push_back(hips + QPointF(-0.74 * du, -0.5 * du));
    drawShape(p, style::smoothClosed(fur), kGoatLegs, 1.6, 1.0);
}

// The torch held upside down in the devil's left fist, its flame licking
// upwards; returns where the fist closes on it.
QPointF paintLoweredTorch(QPainter &p, const StandingBody &body, double du)
{
    const QPointF fist = body.shoulder[1] + QPointF(1.15 * du, 1.85 * du);
    const QPointF end = fist + QPointF(0.45 * du, 1.75 * du);
    QPainterPath torch;
    torch.moveTo(fist + QPointF(-0.1 * du, -0.45 * du));
    torch.lineTo(end);
    drawLine(p, torch, kOutline, 0.3 * du + 1.6);
    drawLine(p, torch, kWood.base, 0.3 * du);
    paintFlame(p, end + QPointF(0, 0.3 * du), 1.2 * du, 0.12);
    return fist;
}

// The devil: a man's body in red on a goat's shaggy legs, horned and glaring
// down, the inverted star on his brow; his right hand raised, open, palm out,
// his left gripping a torch held upside down.
void satanDevil(QPainter &p)
{
    const double du = kDevilUnit;
    const QPointF hips = devilHips();
    style::paintGroundShadow(p, {100, kBlock.top() - 4}, 1.1 * du, 0.16 * du, kPedestal.base);
    style::paintContoured(p, style::kContourLine, [&](QPainter &q) {
        const style::WoodcutFinish finish;
        const StandingBody body = paintStandingNude(q, hips, du, Build::Man, kDevilSkin, kGoatLegs);
        paintFur(q, hips, du);
        Figure look;
        look.hairColour = kHairBlack;
        look.beard = Beard::Short;
        look.skin = kDevilSkin;
        look.features = Features{View::Front, 1, {0.0, 0.55}, Age::Prime, Expression::Stern, 1.12};
        const QPointF head = headOn(body, du);
        const double hu = kHeadScale * du;
        paintHead(q, look, head, hu);
        paintHorns(q, head, hu, 1.0);
        paintInvertedPentagram(q, head + QPointF(0, -0.4 * hu), 0.25 * hu);
        // The right hand raised beside the head, open, the palm to us.
        const QPointF palm = body.shoulder[0] + QPointF(-1.05 * du, -1.05 * du);
        paintBareArmFrom(q, body.shoulder[0], palm + QPointF(0.02 * du, 0.2 * du),
                         body.shoulder[0] + QPointF(-1.5 * du, 0.3 * du), du, Build::Man, kDevilSkin, true);
        paintHand(q, {Grip::Palm, palm, {0, -1}, 1.15 * du, kDevilSkin, 0, -1});
        const QPointF fist = paintLoweredTorch(q, body, du);
        paintBareArmFrom(q, body.shoulder[1], fist, body.shoulder[1] + QPointF(1.3 * du, 0.6 * du), du, Build::Man,
                         kDevilSkin, true);
        paintHand(q, {Grip::Fist, fist, {0.3, 1}, du, kDevilSkin, -14, 1});
    });
}

} // namespace

Trump satan()
{
    return {{{Layer::Scene, satanHall},
             {Layer::Figures, satanWings},
             {Layer::Figures, satanMan},
             {Layer::Figures, satanWoman},
             {Layer::Scene, satanRing},
             {Layer::Figures, satanDevil}}};
}

} // namespace artwork::trumps
