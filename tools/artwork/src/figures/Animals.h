#pragma once

// Animals in profile, each one smooth silhouette with its far legs behind in
// a darker tone. `base` is the ground under the animal's middle, `height` its
// height at the shoulder in pixels, `facing` 1 for right and -1 for left.

#include "Style.h"

#include <QPainter>

namespace artwork::figures {

using style::Tone;

// A small dog; `barking` lifts its head with the mouth open.
void paintDog(QPainter &painter, QPointF base, double height, int facing, const Tone &coat = kDogCoat,
              bool barking = false);
// The dog's wild cousin: grey, pointed ears, a longer muzzle, a bushy tail held
// low; `howling` raises the muzzle to the sky.
void paintWolf(QPainter &painter, QPointF base, double height, int facing, const Tone &coat = kWolfCoat,
               bool howling = false);
// A lion walking, with a full mane and a tufted tail.
void paintLion(QPainter &painter, QPointF base, double height, int facing, const Tone &coat = kLionCoat,
               const Tone &mane = kLionMane);
// A bird in flight seen from the side, wings raised (`wingsUp` true) or lowered;
// `span` is from wing tip to wing tip.
void paintBird(QPainter &painter, QPointF centre, double span, int facing, const Tone &tone, bool wingsUp = true);
// A fish, leaping or swimming along `degrees` (0 is level, head to the right).
void paintFish(QPainter &painter, QPointF centre, double length, double degrees, const Tone &tone);

// A butterfly seen from above, wings spread, `span` across; carved on a
// throne or on the wing.
void paintButterfly(QPainter &painter, QPointF centre, double span, const Tone &wings = kButterfly);
// A salamander seen from above, its body waving along `degrees` (0: head to
// the right), `length` nose to tail tip.
void paintSalamander(QPainter &painter, QPointF centre, double length, double degrees, const Tone &skin = kSalamander);
// A cat sitting up, facing the viewer, `height` to the ears' tips.
void paintSittingCat(QPainter &painter, QPointF base, double height, const Tone &coat = kBlackCat);
// A rabbit crouching in profile, `height` to the ears' tips.
void paintRabbit(QPainter &painter, QPointF base, double height, int facing, const Tone &coat = kRabbitCoat);

} // namespace artwork::figures
