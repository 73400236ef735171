#pragma once

// A bare arm that bends at the elbow and ends in one of the kit's closing
// hands (Hands.h): a fist round a wand or a banner's staff, an open palm, a
// hand cradling a jug. For the unclothed bodies of Bodies.h, whose older arm
// ends in a round hand laid over what it holds.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

struct BareArm {
    QPointF shoulder;
    QPointF hand;     // the middle of the hand
    QPointF bend;     // a point the elbow leans towards
    double unit = 20; // a head's height
    Build build = Build::Woman;
    Tone skin = kSkin;
    Grip grip = Grip::Fist;
    double shaftDegrees = 0; // a fist's shaft, degrees clockwise from upright
    int thumbSide = 1;       // the side of the hand the thumb shows on
    double plump = 1.0;      // the limb's thickness as a multiple of its build's (a child's: 1.3)
    bool withHand = true;    // false: the arm alone, the hand painted later over what it holds
};

// Paints the arm from its shoulder through the elbow to the wrist, then the
// hand; returns the elbow.
QPointF paintGrippingBareArm(QPainter &p, const BareArm &arm);

// The hand of `arm` alone, for laying over a shaft painted after the arm.
void paintGrippingBareHand(QPainter &p, const BareArm &arm);

} // namespace artwork::figures
