#pragma once

// Things held in a hand. The `Held` list is what a `Hand` of a Figure can
// hold (paintFigure draws it at the fist); paintHeld draws one on its own.
// Below it, held things the list does not name, painted by hand: the triple
// cross, keys, a scroll, a shield, a bundle on a pole, a trumpet and a jug.
// In final pixel units, in the kit's style.

#include "Style.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace artwork::figures {

using style::Tone;

// What a hand holds. Sword, Wand, Cup and Pentacle are the suits' emblems as
// the numbered cards draw them; Staff is a long plain staff that reaches the
// ground; Rod a short magician's rod; Sceptre a gold rod with a knob; Banner
// a flag on a staff (see Figure::flag).
enum class Held { Nothing, Sword, Wand, Cup, Pentacle, Staff, Rod, Lamp, Scales, Flower, Sceptre, Orb, Banner };

// What a banner's flag shows, and its cloth.
enum class FlagSign { RedCross, WhiteRose, None };
struct Flag {
    Tone cloth = kParchment;
    FlagSign sign = FlagSign::RedCross;
};

// One held thing on its own, its grip at `grip`, upright when `angle` is 0
// (degrees clockwise). `unit` is a head's height and sets its size. `ground`
// is the ground's y, which a Staff reaches down to.
void paintHeld(QPainter &painter, Held held, QPointF grip, double unit, double angle, double ground, unsigned seed = 0,
               const Flag &flag = {});
QRectF heldBounds(Held held, QPointF grip, double unit, double angle, double ground);

// A gold staff with three cross bars, from `bottom` up to `top`.
void paintTripleCross(QPainter &p, QPointF bottom, QPointF top, double unit);
// A key, its bow at `bow`, `length` long, pointing along `angle` degrees (0 up).
void paintKey(QPainter &p, QPointF bow, double length, double angle, const Tone &metal);
// A half-open scroll, `length` long, centred on `centre`, turned `angle` degrees.
void paintScroll(QPainter &p, QPointF centre, double length, double angle);
// A heart-shaped shield bearing the sign of Venus, `height` tall.
void paintHeartShield(QPainter &p, QPointF centre, double height);
// A pole over the shoulder from `grip` along `angle` degrees (0 points up,
// clockwise), `length` long, with a tied bundle hanging from its end.
void paintBundleOnPole(QPainter &p, QPointF grip, double length, double angle, double unit, const Tone &cloth);

// A long straight trumpet from its mouthpiece to its flared bell, with a square
// banner bearing a red cross hanging from its middle.
void paintTrumpet(QPainter &p, QPointF mouthpiece, QPointF bell, double width);
// A clay jug held by its neck at `grip`, `size` tall, tipped by `degrees`
// (clockwise; 0 upright). Returns its lip, where poured water leaves it.
QPointF paintJug(QPainter &p, QPointF grip, double size, double degrees);

} // namespace artwork::figures
