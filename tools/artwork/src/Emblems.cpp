#include "Emblems.h"

#include "Style.h"

#include <QtMath>

#include <vector>

namespace artwork {

using namespace style;
using quillmere::Suit;

namespace {

// Maps fractions of the box to pixel positions.
struct Frame {
    QRectF box;
    QPointF at(double fx, double fy) const { return {box.left() + fx * box.width(), box.top() + fy * box.height()}; }
    double x(double f) const { return box.left() + f * box.width(); }
    double y(double f) const { return box.top() + f * box.height(); }
};

} // namespace

void paintSword(QPainter &painter, const QRectF &box)
{
    const Frame f{box};
    const double guardY = 0.70, guardH = 0.055, gripEnd = 0.90;
    const double half = 0.19; // half the blade's width, as a fraction of the box width

    // Blade: a point at the top, straight edges down to the guard.
    QPainterPath blade;
    blade.moveTo(f.at(0.5, 0.0));
    blade.cubicTo(f.at(0.5 + half * 0.5, 0.04), f.at(0.5 + half, 0.09), f.at(0.5 + half, 0.14));
    blade.lineTo(f.at(0.5 + half * 0.85, guardY + 0.01));
    blade.lineTo(f.at(0.5 - half * 0.85, guardY + 0.01));
    blade.lineTo(f.at(0.5 - half, 0.14));
    blade.cubicTo(f.at(0.5 - half, 0.09), f.at(0.5 - half * 0.5, 0.04), f.at(0.5, 0.0));
    blade.closeSubpath();
    drawShape(painter, blade, kSteel, std::max(1.0, box.width() * 0.09));
    QPainterPath fuller;
    fuller.moveTo(f.at(0.5, 0.16));
    fuller.lineTo(f.at(0.5, guardY - 0.03));
    drawLine(painter, fuller, kSteel.shade, std::max(0.8, box.width() * 0.05));

    // Grip with its wrappings.
    QPainterPath grip;
    grip.addRoundedRect(QRectF(f.at(0.41, guardY + guardH * 0.5), f.at(0.59, gripEnd + 0.01)), 1.0, 1.0);
    drawShape(painter, grip, kLeather, 1.0);
    const int wraps = std::max(2, static_cast<int>(box.height() * (gripEnd - guardY) / 5.0));
    QPainterPath wrapping;
    for (int i = 1; i < wraps; ++i) {
        const double y = guardY + guardH + (gripEnd - guardY - guardH) * i / wraps;
        wrapping.moveTo(f.at(0.42, y + 0.008));
        wrapping.lineTo(f.at(0.58, y - 0.008));
    }
    drawLine(painter, wrapping, kLeather.shade, 0.8);

    // The red cross-guard, with rounded quillons.
    QPainterPath guard;
    const double r = box.height() * guardH / 2;
    guard.addRoundedRect(QRectF(f.at(0.02, guardY), f.at(0.98, guardY + guardH)), r, r);
    drawShape(painter, guard, kCrossGuard, std::max(1.0, r * 0.6));

    // Pommel.
    const double pr = box.width() * 0.15;
    QPainterPath pommel;
    pommel.addEllipse(QPointF(f.x(0.5), f.y(1.0) - pr - 0.5), pr, pr);
    drawShape(painter, pommel, kCrossGuard, std::max(1.0, pr * 0.5));
}

void paintWand(QPainter &painter, const QRectF &box, unsigned seed)
{
    const Frame f{box};
    Roughness rough(seed + 7);
    // A staff leaning very slightly, thicker at the foot, with a bumpy bark edge.
    const int steps = 14;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps; // 0 at the top
        const double y = 0.03 + 0.95 * t;
        const double centre = 0.5 + 0.06 * std::sin(t * 3.1 + seed);
        const double half = 0.15 + 0.08 * t;
        const double bumpL = (i % 3 == 1) ? 0.05 * rough.next() : 0.02 * rough.next();
        const double bumpR = (i % 3 == 2) ? 0.05 * rough.next() : 0.02 * rough.next();
        left.push_back(f.at(centre - half + bumpL, y));
        right.push_back(f.at(centre + half + bumpR, y));
    }
    std::vector<QPointF> outline;
    outline.push_back(f.at(0.5 + 0.06 * std::sin(seed * 1.0), 0.0));
    outline.insert(outline.end(), right.begin(), right.end());
    outline.push_back(f.at(0.5 + 0.06 * std::sin(3.1 + seed), 1.0));
    outline.insert(outline.end(), left.rbegin(), left.rend());
    const QPainterPath staff = smoothClosed(outline);

    // Two leaves sprouting near the top, behind the staff.
    auto leaf = [&](double fy, double dir) {
        const QPointF base = f.at(0.5 + dir * 0.15, fy);
        const QPointF tip = base + QPointF(dir * box.width() * 0.33, -box.height() * 0.06);
        const QPointF normal(-(tip - base).y() * 0.32, (tip - base).x() * 0.32);
        QPainterPath p;
        p.moveTo(base);
        p.quadTo((base + tip) / 2 + normal, tip);
        p.quadTo((base + tip) / 2 - normal, base);
        p.closeSubpath();
        drawShape(painter, p, kLeaf, 1.0);
    };
    leaf(0.16 + 0.03 * rough.next(), seed % 2 ? 1.0 : -1.0);
    leaf(0.30 + 0.03 * rough.next(), seed % 2 ? -1.0 : 1.0);

    drawShape(painter, staff, kWood, std::max(1.2, box.width() * 0.12));
    // Knots: short dark strokes across the grain.
    QPainterPath knots;
    for (int k = 0; k < 3; ++k) {
        const double y = 0.25 + 0.22 * k + 0.04 * rough.next();
        const double x = 0.5 + 0.05 * std::sin(y * 3.1 + seed) + 0.04 * rough.next();
        knots.moveTo(f.at(x - 0.07, y));
        knots.quadTo(f.at(x, y + 0.012), f.at(x + 0.07, y));
    }
    drawLine(painter, knots, kWood.shade.darker(140), 0.9);
}

void paintCup(QPainter &painter, const QRectF &box)
{
    const Frame f{box};
    // The goblet's silhouette as one path: rim, bowl, stem with a knop, foot.
    QPainterPath cup;
    cup.moveTo(f.at(0.02, 0.07));
    cup.lineTo(f.at(0.98, 0.07));
    cup.cubicTo(f.at(0.99, 0.28), f.at(0.84, 0.46), f.at(0.58, 0.52));
    cup.lineTo(f.at(0.56, 0.60));
    cup.quadTo(f.at(0.68, 0.645), f.at(0.56, 0.69));
    cup.lineTo(f.at(0.56, 0.80));
    cup.cubicTo(f.at(0.66, 0.86), f.at(0.90, 0.88), f.at(0.90, 0.96));
    cup.lineTo(f.at(0.10, 0.96));
    cup.cubicTo(f.at(0.10, 0.88), f.at(0.34, 0.86), f.at(0.44, 0.80));
    cup.lineTo(f.at(0.44, 0.69));
    cup.quadTo(f.at(0.32, 0.645), f.at(0.44, 0.60));
    cup.lineTo(f.at(0.42, 0.52));
    cup.cubicTo(f.at(0.16, 0.46), f.at(0.01, 0.28), f.at(0.02, 0.07));
    cup.closeSubpath();
    drawShape(painter, cup, kGold, std::max(1.2, box.width() * 0.06));

    // The mouth, seen from a little above.
    QPainterPath mouth;
    mouth.addEllipse(QRectF(f.at(0.05, 0.025), f.at(0.95, 0.115)));
    drawShape(painter, mouth, kGoldInside, 0, 1.0);
    // A band round the bowl and a jewel on it.
    QPainterPath band;
    band.moveTo(f.at(0.06, 0.24));
    band.quadTo(f.at(0.5, 0.30), f.at(0.94, 0.24));
    drawLine(painter, band, kGold.shade, std::max(0.8, box.width() * 0.03));
    const double jr = std::max(1.2, box.width() * 0.07);
    QPainterPath jewel;
    jewel.addEllipse(f.at(0.5, 0.34), jr, jr);
    drawShape(painter, jewel, kRuby, jr * 0.5, 0.8);
}

void paintPentacle(QPainter &painter, const QRectF &box)
{
    const double r = std::min(box.width(), box.height()) / 2 - 0.5;
    const QPointF c = box.center();
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    drawShape(painter, disc, kGold, std::max(1.2, r * 0.12));

    // Engraved ring and five-pointed star, one point up.
    const double ring = r * 0.80;
    QPainterPath circle;
    circle.addEllipse(c, ring, ring);
    const double lineWidth = std::max(0.9, r * 0.06);
    drawLine(painter, circle, kEngraving, lineWidth);
    QPainterPath star;
    for (int i = 0; i <= 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        const QPointF p = c + QPointF(std::cos(a), std::sin(a)) * ring * 0.96;
        i == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    drawLine(painter, star, kEngraving, lineWidth);
}

namespace {

void paintCrown(QPainter &p, const Frame &f)
{
    // Five points on a band, a pearl on each, jewels on the band.
    QPainterPath crown;
    crown.moveTo(f.at(0.06, 0.95));
    crown.lineTo(f.at(0.04, 0.25));
    crown.lineTo(f.at(0.25, 0.55));
    crown.lineTo(f.at(0.36, 0.12));
    crown.lineTo(f.at(0.5, 0.48));
    crown.lineTo(f.at(0.64, 0.12));
    crown.lineTo(f.at(0.75, 0.55));
    crown.lineTo(f.at(0.96, 0.25));
    crown.lineTo(f.at(0.94, 0.95));
    crown.closeSubpath();
    drawShape(p, crown, kGold, 1.8);
    QPainterPath band;
    band.addRect(QRectF(f.at(0.06, 0.72), f.at(0.94, 0.95)));
    drawShape(p, band, kGold, 1.2);
    const double r = f.box.height() * 0.07;
    for (double x : {0.04, 0.36, 0.64, 0.96}) {
        QPainterPath pearl;
        pearl.addEllipse(f.at(x, x == 0.04 || x == 0.96 ? 0.22 : 0.09), r, r);
        drawShape(p, pearl, kParchment, r * 0.6, 0.8);
    }
    for (double x : {0.27, 0.5, 0.73}) {
        QPainterPath gem;
        gem.addEllipse(f.at(x, 0.835), r * 1.1, r * 1.1);
        drawShape(p, gem, x == 0.5 ? kRuby : kSapphire, r * 0.6, 0.8);
    }
}

void paintCoronet(QPainter &p, const Frame &f)
{
    // A lower circlet with rounded leaves and a pearl between them.
    QPainterPath coronet;
    coronet.moveTo(f.at(0.12, 0.95));
    coronet.lineTo(f.at(0.12, 0.55));
    for (int i = 0; i < 3; ++i) {
        const double x0 = 0.12 + i * 0.2533, x1 = x0 + 0.2533;
        coronet.cubicTo(f.at(x0 + 0.02, 0.2), f.at(x1 - 0.02, 0.2), f.at(x1, 0.55));
    }
    coronet.lineTo(f.at(0.88, 0.95));
    coronet.closeSubpath();
    drawShape(p, coronet, kGold, 1.6);
    const double r = f.box.height() * 0.075;
    for (double x : {0.12 + 0.2533, 0.12 + 2 * 0.2533}) {
        QPainterPath pearl;
        pearl.addEllipse(f.at(x, 0.45), r, r);
        drawShape(p, pearl, kParchment, r * 0.6, 0.8);
    }
    QPainterPath gem;
    gem.addEllipse(f.at(0.5, 0.78), r * 1.2, r * 1.2);
    drawShape(p, gem, kRuby, r * 0.6, 0.8);
}

void paintHelm(QPainter &p, const Frame &f)
{
    // A closed helm seen from the front, with a crest and an eye slit.
    QPainterPath crest;
    crest.moveTo(f.at(0.5, 0.02));
    crest.cubicTo(f.at(0.78, 0.0), f.at(0.86, 0.22), f.at(0.74, 0.30));
    crest.lineTo(f.at(0.5, 0.22));
    crest.closeSubpath();
    drawShape(p, crest, kCrossGuard, 1.2);
    QPainterPath helm;
    helm.moveTo(f.at(0.24, 0.98));
    helm.lineTo(f.at(0.24, 0.45));
    helm.cubicTo(f.at(0.24, 0.08), f.at(0.76, 0.08), f.at(0.76, 0.45));
    helm.lineTo(f.at(0.76, 0.98));
    helm.closeSubpath();
    drawShape(p, helm, kSteel, 1.8);
    QPainterPath slit;
    slit.moveTo(f.at(0.30, 0.52));
    slit.lineTo(f.at(0.70, 0.52));
    drawLine(p, slit, kOutline, std::max(1.0, f.box.height() * 0.06));
    QPainterPath ridge;
    ridge.moveTo(f.at(0.5, 0.58));
    ridge.lineTo(f.at(0.5, 0.95));
    drawLine(p, ridge, kSteel.shade, 1.0);
}

void paintCap(QPainter &p, const Frame &f)
{
    // A soft cap with a brim and a long feather sweeping back.
    QPainterPath feather;
    feather.moveTo(f.at(0.55, 0.55));
    feather.cubicTo(f.at(0.75, 0.1), f.at(0.95, 0.05), f.at(0.98, 0.0));
    feather.cubicTo(f.at(0.92, 0.3), f.at(0.78, 0.5), f.at(0.62, 0.62));
    feather.closeSubpath();
    drawShape(p, feather, kParchment, 1.0);
    QPainterPath cap;
    cap.moveTo(f.at(0.18, 0.8));
    cap.cubicTo(f.at(0.12, 0.3), f.at(0.62, 0.2), f.at(0.8, 0.72));
    cap.closeSubpath();
    drawShape(p, cap, kCrossGuard, 1.8);
    QPainterPath brim;
    brim.addRoundedRect(QRectF(f.at(0.1, 0.72), f.at(0.9, 0.95)), 3, 3);
    drawShape(p, brim, kCapBrim, 1.2);
}

} // namespace

void paintRankSign(QPainter &painter, quillmere::Rank rank, const QRectF &box)
{
    const Frame f{box};
    switch (rank) {
    case quillmere::Rank::King:
        paintCrown(painter, f);
        break;
    case quillmere::Rank::Queen:
        paintCoronet(painter, f);
        break;
    case quillmere::Rank::Knight:
        paintHelm(painter, f);
        break;
    case quillmere::Rank::Page:
        paintCap(painter, f);
        break;
    default:
        break;
    }
}

void paintEmblem(QPainter &painter, Suit suit, const QRectF &box, unsigned seed)
{
    switch (suit) {
    case Suit::Swords:
        paintSword(painter, box);
        break;
    case Suit::Wands:
        paintWand(painter, box, seed);
        break;
    case Suit::Cups:
        paintCup(painter, box);
        break;
    case Suit::Pentacles:
        paintPentacle(painter, box);
        break;
    case Suit::MajorArcana:
        break;
    }
}

} // namespace artwork
