#pragma once

// Things worn over or about a figure: the lemniscate, crowns and a halo, and a
// chain. In final pixel units, in the kit's style. Things held are in Held.h.

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

// A chain of oval links from `from` to `to`, sagging by `sag` pixels.
void paintChain(QPainter &p, QPointF from, QPointF to, double sag, double link);

} // namespace artwork::figures
