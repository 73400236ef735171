#pragma once

// Things held, worn or carried beyond the kit's `Held` list: the lemniscate,
// crowns and a halo, the triple cross, keys, a scroll, a shield, a bundle on
// a pole, a trumpet, a jug, and a chain. In final pixel
// units, in the kit's style.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

// The lying figure eight of the infinite, `width` across, a gold cord.
void paintLemniscate(QPainter &p, QPointF centre, double width);
// A full moon set between two horns, worn over the figure's head.
void paintHornedCrown(QPainter &p, const Figure &f);
// A tall crown of three tiers with a cross on top, worn over the figure's head.
void paintTiara(QPainter &p, const Figure &f);
// A halo of gold rays round a head.
void paintHalo(QPainter &p, QPointF centre, double r);

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
// A chain of oval links from `from` to `to`, sagging by `sag` pixels.
void paintChain(QPainter &p, QPointF from, QPointF to, double sag, double link);

} // namespace artwork::figures
