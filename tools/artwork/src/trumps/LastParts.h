#pragma once

// Scene parts the figure kit lacks, drawn for the last eleven trumps (Strength
// to The World) in the deck's flat woodcut style: arms reaching where the kit's
// gestures do not, heads and creatures of their own, fire, water poured from
// vessels, walls, towers and wreaths. Everything is in final pixel units on the
// supersampled canvas.

#include "Style.h"
#include "figures/Figure.h"

#include <QPainter>
#include <QRectF>

#include <array>
#include <optional>

namespace artwork::last {

using figures::Figure;
using style::Tone;

// The picture of a trump: inside the faint rule, above the band.
QRectF lastScene();

// An arm of `figure` (side -1: the viewer's left, 1: the right) from its
// shoulder to `hand`, bent at the elbow towards `bend` (a point the elbow
// leans to), in `sleeve`, with a cuff in the robe's trim and the hand in the
// figure's skin: open, or closed round something when `holding`. For hands
// that must reach where the kit's gestures do not (a lion's jaws, a trumpet).
void paintArm(QPainter &p, const Figure &figure, int side, QPointF hand, QPointF bend, const Tone &sleeve,
              bool holding, bool cuff = true);

// A bare arm from an explicit shoulder, for bodies drawn without the kit.
void paintBareArmFrom(QPainter &p, QPointF shoulder, QPointF hand, QPointF bend, double unit,
                      figures::Build build, const Tone &skin, bool holding);

// A woman kneeling, seen from the side, unclothed and simply drawn: the near
// knee raised with its foot flat on the ground, the far knee down. `hips` is
// the middle of the hips, `u` a head's height; the ground is 1.9 heads below
// the hips. Paint her head (figures::paintHead) and arms after it.
struct KneelingBody {
    QPointF headCentre, neck, nearShoulder, farShoulder;
};
KneelingBody paintKneelingNude(QPainter &p, QPointF hips, double u, int facing, const Tone &skin);

// A man or a woman standing, seen from the front, unclothed and simply drawn:
// the legs a little apart, the arms left to paintBareArmFrom. `hips` is the
// middle of the hips, `u` a head's height; the soles are 3.65 heads below the
// hips. Paint the head (figures::paintHead) and the arms after it.
struct StandingBody {
    QPointF headCentre, neck;
    std::array<QPointF, 2> shoulder; // [0] the viewer's left
};
// `legs` gives the legs a tone of their own (a goat's shaggy legs).
StandingBody paintStandingNude(QPainter &p, QPointF hips, double u, figures::Build build, const Tone &skin,
                               const std::optional<Tone> &legs = std::nullopt);

// The lying figure eight of the infinite, `width` across, in gold.
void paintLemniscate(QPainter &p, QPointF centre, double width);

// A new head for a lion drawn by figures::paintLion with the same base, height
// and facing: a great mane over the kit's head, the face lifted, the jaws
// open with fangs and a tongue. Returns where the upper and the lower jaw are,
// for the hands that hold them.
struct Jaws {
    QPointF upper, lower;
};
Jaws paintRaisedLionHead(QPainter &p, QPointF base, double height, int facing);

// A string of small roses with leaves between along `path`.
void paintGarland(QPainter &p, const QPainterPath &path, double rose);

// A length of living wood from `from` to `to`, `half` its half thickness: a
// rough trunk with lines of bark, cut stubs and small sprigs of leaves.
void paintLivingWood(QPainter &p, QPointF from, QPointF to, double half, unsigned seed);

// A halo of gold rays round a head.
void paintHalo(QPainter &p, QPointF centre, double r);

// Flat ground from y = top down to the bottom of `area`: a gently rolling
// edge, grass tufts.
void paintMeadow(QPainter &p, const QRectF &area, double top, unsigned seed, const Tone &grass);

// An iris standing on `base`, `height` tall: sword-shaped leaves and two
// flowers of blue falls and standards with a gold beard.
void paintIris(QPainter &p, QPointF base, double height, unsigned seed);

// Water poured in an arc from `from` to `to`, `width` thick.
void paintStream(QPainter &p, QPointF from, QPointF control, QPointF to, double width);

// A bat's wings spread from `root` (between the shoulder blades), `span`
// heads of `unit` pixels from the spine to the tip, membranes scalloped
// between long finger bones.
void paintBatWings(QPainter &p, QPointF root, double unit, double span, const Tone &skin);

// Horns on a head (centre of the face, unit a head's height): curving up and
// out like a goat's, `size` 1 for a grown devil's.
void paintHorns(QPainter &p, QPointF headCentre, double unit, double size);

// A chain of oval links from `from` to `to`, sagging by `sag` pixels.
void paintChain(QPainter &p, QPointF from, QPointF to, double sag, double link);

// A flame rising from `base`, `height` tall.
void paintFlame(QPainter &p, QPointF base, double height, double lean = 0);

// A yod: a small drop of flame or dew, `size` tall, its tail towards `degrees`
// (0: tail up, the drop falling).
void paintYod(QPainter &p, QPointF centre, double size, double degrees, const Tone &tone);

// Courses of stone laid over `wall` (already painted): joints every `course`
// pixels, staggered.
void paintMasonry(QPainter &p, const QPainterPath &wall, double course, const QColor &joint);

// A bolt of lightning: the zigzag outline given point by point.
void paintLightning(QPainter &p, const std::vector<QPointF> &outline);

// A clay jug held by its neck at `grip`, `size` tall, tipped by `degrees`
// (clockwise; 0 upright). Returns its lip, where poured water leaves it.
QPointF paintJug(QPainter &p, QPointF grip, double size, double degrees);

// A long-billed bird perched on `feet`, `size` tall, facing `facing`.
void paintPerchedBird(QPainter &p, QPointF feet, double size, int facing, const Tone &tone);

// A crayfish seen from above, crawling towards `degrees` (0: up the picture),
// `length` from claws to tail.
void paintCrayfish(QPainter &p, QPointF centre, double length, double degrees);

// A full moon with a sleeping face and a crescent along its side, in a ring of
// rays, radius r.
void paintMoonFace(QPainter &p, QPointF centre, double r);

// A sunflower: its head of radius r at `head`, turned by `degrees`, on a
// stem with two leaves down to `root`.
void paintSunflower(QPainter &p, QPointF head, double r, QPointF root, double degrees);

// A long straight trumpet from its mouthpiece to its flared bell, with a square
// banner bearing a red cross hanging from its middle.
void paintTrumpet(QPainter &p, QPointF mouthpiece, QPointF bell, double width);

// An open coffin seen a little from above, `width` wide, its front's foot
// at `foot`: the inside first (before whoever rises from it), then the front.
void paintCoffinBack(QPainter &p, QPointF foot, double width, double height);
void paintCoffinFront(QPainter &p, QPointF foot, double width, double height);

// ---- The World's parts (LastWorld.cpp) ----

// An oval wreath of laurel round `oval`, bound at its top and foot with red
// ribbons tied in bows.
void paintLaurelWreath(QPainter &p, const QRectF &oval, double thickness);

// A dancer seen from the front, unclothed but for a long scarf wound across
// her and floating out, one leg crossed behind the other; a wand in each hand.
// `hips` is the middle of her hips and `u` a head's height (7 heads tall).
void paintDancer(QPainter &p, QPointF hips, double u, const Tone &scarf);

// The four living creatures for the corners, heads in small clouds: an angel,
// an eagle, a bull and a lion, each about `size` across round `centre`.
void paintAngelHead(QPainter &p, QPointF centre, double size);
void paintEagleHead(QPainter &p, QPointF centre, double size, int facing);
void paintBullHead(QPainter &p, QPointF centre, double size);
void paintLionFace(QPainter &p, QPointF centre, double size);

// A skull where a figure's face would be, `centre` the middle of the face,
// `w` and `h` the head's width and height: bone with dark sockets, a nose
// hole and a row of teeth.
void paintSkull(QPainter &p, QPointF centre, double w, double h);

// What is drawn on a banner's flag.
enum class FlagSign { None, WhiteRose };
// Paints over the flag of a Held::Banner in `figure`'s hand on `side` (as
// placed, e.g. returned by paintRider) a flag in `cloth` bearing `sign`.
void paintFlagOf(QPainter &p, const Figure &figure, int side, const Tone &cloth, FlagSign sign);
// A white rose of five petals with a gold heart, radius r.
void paintWhiteRose(QPainter &p, QPointF centre, double r);

// Paints `figure` laid down: turned by `degrees` (clockwise) about its base,
// which is moved to `at`.
void paintTurned(QPainter &p, const Figure &figure, QPointF at, double degrees);

} // namespace artwork::last
