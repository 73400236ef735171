#pragma once

// A horse in profile, drawn as one smooth silhouette (body, neck, head and the
// near legs; the far legs are a darker shape behind), and a rider in its
// saddle.

#include "figures/Figure.h"

namespace artwork::figures {

// Standing: all four hooves down. Walking: the near fore leg lifted.
// Prancing: the near fore leg raised high, the head up. Galloping: at full
// stretch, off the ground, the head reaching forward. Rearing: up on the hind
// legs, hocks bent under it, the fore legs folded.
enum class Gait { Standing, Walking, Prancing, Galloping, Rearing };

struct Horse {
    QPointF base{100, 280}; // the ground under the middle of the body
    double height = 100;    // at the withers, in pixels; nose to tail is about 1.7 times this
    int facing = 1;         // 1: head to the right, -1: to the left
    Gait gait = Gait::Walking;
    Tone coat = kWhiteHorse;
    QColor mane = kFlaxenMane;
    Tone cloth = kSaddleBlue; // the saddle cloth hanging over its flanks
};

// Where a rider's hips go.
QPointF saddleOf(const Horse &horse);
// The end of the bit, where the reins start.
QPointF bitOf(const Horse &horse);

void paintHorse(QPainter &painter, const Horse &horse);
QRectF horseBounds(const Horse &horse);

// The horse with `rider` in its saddle: the rider's pose becomes Riding, its
// base the saddle and its facing the horse's; a hand with Gesture::Forward
// holding nothing takes the reins. Returns the rider as placed, so callers can
// use bodyOf on it.
Figure paintRider(QPainter &painter, const Horse &horse, Figure rider);

} // namespace artwork::figures
