#pragma once

// A clothed figure drawn from joints the painter places one by one, where the
// kit's poses do not reach: a body laid out on the ground, a body falling
// headlong with its limbs flung about. The robe, hair, headwear and face come
// from a Figure record as usual; only the joints are the painter's.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

#include <array>
#include <optional>

namespace artwork::figures {

struct Sprawl {
    // The robe, headwear, hair, beard, skin, build and Features of the body.
    Figure look;
    double unit = 12; // one head's height in pixels
    // The middle of the face, and the head's turn about it (degrees
    // clockwise: 90 laid on its side, 180 upside down).
    QPointF head;
    double headDegrees = 0;
    QPointF neck, hips;
    // Where the chest lies, when the body bends (off the line from neck to
    // hips); on that line, two fifths down, when not given.
    std::optional<QPointF> chest;
    // How much of the breadth of shoulders and hips shows: 1 seen from the
    // front or the back, about 0.4 from the side. The near shoulder lies on
    // the side `nearSide` (1: the right of the line from neck to hips as it
    // runs, -1 its left).
    double breadth = 1.0;
    int nearSide = 1;
    // Index 0 is the far side (drawn behind the body), 1 the near side.
    std::array<QPointF, 2> elbow, hand, knee, foot;
    // Which way each foot's toes point, across the shin: 1 or -1.
    std::array<int, 2> toes{1, 1};
    // Where a cloak (the robe's mantle) flies out to from the shoulders.
    std::optional<QPointF> cloakTo;
    // How far, in heads, a tunic's skirt or a gown's hem is blown along this
    // direction (a falling body's skirt flies up behind it).
    QPointF skirtFlow{0, 0};
    // The hands' grips (Palm, Rest, Fist...), far then near.
    std::array<Grip, 2> grips{Grip::Palm, Grip::Palm};
};

// Paints the body: cloak, far arm and leg, robe, near leg and arm, head.
void paintSprawled(QPainter &p, const Sprawl &s);

// The shoulders and hip joints of a sprawled body, far then near, for placing
// what it wears or holds.
std::array<QPointF, 2> sprawlShoulders(const Sprawl &s);
std::array<QPointF, 2> sprawlHipJoints(const Sprawl &s);

} // namespace artwork::figures
