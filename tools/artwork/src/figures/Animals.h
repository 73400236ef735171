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

} // namespace artwork::figures
