#pragma once

// Scene parts the first eleven trumps need beyond the figure kit: hands that
// point, bless or grip, a table, veils, crowns, keys, a chariot, the wheel and
// its creatures. All in final pixel units on the supersampled canvas, in the
// kit's style (flat colours, one shade band, a dark outline).

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <vector>

namespace artwork::first {

using figures::Figure;
using style::Tone;

// The picture of a trump: inside the faint rule and above the band.
QRectF trumpScene();

// Paints `draw` on a layer of its own and lays the layer down inside `keep`
// only. The kit sets clip paths of its own while it paints a figure, which
// would undo a clip set round the figure; this one holds.
void paintWithin(QPainter &p, const QRectF &keep, const std::function<void(QPainter &)> &draw);

// ---- Hands -------------------------------------------------------------------
// `side` is -1 for the hand on the viewer's left, 1 for the right.

// A fist closed round something drawn over the figure's hand.
void paintFist(QPainter &p, const Figure &f, int side);
// The hand closed with its forefinger pointing along `direction`.
void paintPointingHand(QPainter &p, const Figure &f, int side, QPointF direction);
// The hand raised in blessing: two fingers up, the others folded.
void paintBlessingHand(QPainter &p, const Figure &f, int side);

// ---- Things held or worn -----------------------------------------------------

// A full moon set between two horns, worn over the figure's head.
void paintHornedCrown(QPainter &p, const Figure &f);
// A tall crown of three tiers with a cross on top, worn over the figure's head.
void paintTiara(QPainter &p, const Figure &f);
// A gold staff with three cross bars, from `bottom` up to `top`.
void paintTripleCross(QPainter &p, QPointF bottom, QPointF top, double unit);
// A pole over the shoulder from `grip` along `angle` degrees (0 points up,
// clockwise), `length` long, with a tied bundle hanging from its end.
void paintBundleOnPole(QPainter &p, QPointF grip, double length, double angle, double unit,
                       const Tone &cloth);
// A half-open scroll, `length` long, centred on `centre`, turned `angle` degrees.
void paintScroll(QPainter &p, QPointF centre, double length, double angle);
// A heart-shaped shield bearing the sign of Venus, `height` tall.
void paintHeartShield(QPainter &p, QPointF centre, double height);
// A key, its bow at `bow`, `length` long, pointing along `angle` degrees (0 up).
void paintKey(QPainter &p, QPointF bow, double length, double angle, const Tone &metal);

// ---- Buildings and furniture -------------------------------------------------

// A wooden table: its top surface (covered in `top`) from y = backY to y = topY,
// an apron below, legs down to `bottom`.
void paintTable(QPainter &p, double left, double right, double backY, double topY, double bottom,
                const Tone &top);
// A hanging cloth between two pillars, strewn with pomegranates and palm leaves.
void paintVeil(QPainter &p, const QRectF &area, const Tone &cloth, const Tone &fruit);
// A plain hanging cloth with folds falling from a gold rod.
void paintCurtain(QPainter &p, const QRectF &area, const Tone &cloth);
// A plain stone bench block for a seated figure, from its seat down to the ground.
void paintBench(QPainter &p, const Figure &seated, const Tone &stone);
// A ram's head seen from the front, carved in `tone`, `size` wide across the horns.
void paintRamHead(QPainter &p, QPointF centre, double size, const Tone &tone);
// A walled city along the horizon, its walls standing on y = baseY.
void paintCity(QPainter &p, double baseY, double left, double right, unsigned seed);
// A square chariot seen from the front: the box (`body`), wheels at its sides,
// a winged disc on its front.
void paintChariot(QPainter &p, const QRectF &body);
// Two posts at x = left and x = right from y = bottom up to a starry canopy
// whose valance hangs down to `valance`.
void paintCanopy(QPainter &p, double left, double right, double top, double valance, double bottom);

// ---- Landscape ---------------------------------------------------------------

// A field of ripe wheat from x0 to x1: stalks standing on `baseY`, ears up to
// `height` above it.
void paintWheat(QPainter &p, double x0, double x1, double baseY, double height, unsigned seed);
// A stream along the chain of points, widening from `w0` to `w1`.
void paintStream(QPainter &p, const std::vector<QPointF> &course, double w0, double w1);
// A tree whose leaves are tongues of flame.
void paintFlameTree(QPainter &p, QPointF base, double height);
// A fruit tree with red apples and a serpent coiled round its trunk.
void paintSerpentTree(QPainter &p, QPointF base, double height);
// A snake along the chain of points, its head at the last point.
void paintSerpent(QPainter &p, const std::vector<QPointF> &body, double half, const Tone &skin);
// A glow of light: three discs from `outer` at radius r to `inner` at the middle.
void paintGlow(QPainter &p, QPointF centre, double r, const QColor &outer, const QColor &inner);

// ---- The wheel ---------------------------------------------------------------

// The wheel: a broad rim, an inner ring with four signs, eight spokes and a hub.
void paintWheel(QPainter &p, QPointF centre, double r);
// Where the wheel's four rim letters go, clockwise from the upper right: the
// middle of the rim half way between the upright and level spokes.
std::vector<QPointF> wheelLetterPlaces(QPointF centre, double r);
// A sphinx sitting up on something, its body in profile towards the viewer's
// `facing` side, its face turned out of the picture, `size` tall to the shoulder.
void paintSphinx(QPainter &p, QPointF base, double size, int facing);

enum class Creature { Angel, Eagle, Lion, Bull };
// One of the four winged creatures: a head with small wings, on a cloud.
void paintCreature(QPainter &p, Creature creature, QPointF centre, double size, int facing);

} // namespace artwork::first
