#pragma once

// Bodies drawn without the kit's robes, simply and unclothed, for the trumps
// that show them (the captives and the devil, the risen dead), and what goes
// with them: flowing hair, horns, a skull in a helm. Paint the head with
// paintHead (Figure.h) and the arms with paintBareArmFrom (Arms.h) after the
// body.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

#include <array>
#include <optional>

namespace artwork::figures {

// A man or a woman standing, seen from the front, the legs a little apart.
// `hips` is the middle of the hips, `u` a head's height; the soles are 3.65
// heads below the hips. `legs` gives it a goat's legs in that tone instead,
// the hocks bent back and cloven hooves below.
struct StandingBody {
    QPointF headCentre, neck;
    std::array<QPointF, 2> shoulder; // [0] the viewer's left
};
StandingBody paintStandingNude(QPainter &p, QPointF hips, double u, Build build, const Tone &skin,
                               const std::optional<Tone> &legs = std::nullopt);

// Long hair flowing out from behind a head (`centre` the middle of the face,
// `u` a head's height) to the viewer's `side` (-1 left, 1 right), one lock
// falling to the other shoulder. Paint it before the head, which gives the
// hair over the brow.
void paintFlowingHair(QPainter &p, QPointF centre, double u, const QColor &colour, int side);

// A skull where a figure's face would be, `centre` the middle of the face,
// `w` and `h` the head's width and height: bone with dark sockets, a nose
// hole and a row of teeth.
void paintSkull(QPainter &p, QPointF centre, double w, double h);

// Horns on a head (centre of the face, unit a head's height): curving up and
// out like a goat's, `size` 1 for a grown devil's.
void paintHorns(QPainter &p, QPointF headCentre, double unit, double size);

} // namespace artwork::figures
