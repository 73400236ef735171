#pragma once

// Trees and plants: round trees and cypresses, small flowers, irises and
// sunflowers, the tree of flames and the tree with the serpent, living wood,
// a garland of roses and a laurel wreath.

#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace artwork::figures {

using style::Tone;

enum class TreeKind { Round, Cypress };
// A tree standing on `base`, `height` tall.
void paintTree(QPainter &painter, QPointF base, double height, unsigned seed, TreeKind kind = TreeKind::Round,
               const Tone &leaves = kFoliage);
// A small five-petalled flower of radius `r`.
void paintFlower(QPainter &painter, QPointF centre, double r, const Tone &petals);
// A white rose of five petals with a gold heart, radius r.
void paintWhiteRose(QPainter &p, QPointF centre, double r);

// An iris standing on `base`, `height` tall: sword-shaped leaves and two
// flowers of blue falls and standards with a gold beard.
void paintIris(QPainter &p, QPointF base, double height, unsigned seed);
// A sunflower: its head of radius r at `head`, turned by `degrees`, on a
// stem with two leaves down to `root`.
void paintSunflower(QPainter &p, QPointF head, double r, QPointF root, double degrees);

// A tree whose leaves are tongues of flame: `flames` of them, 10 or 12 (the
// last two hang low on either side of the trunk).
void paintFlameTree(QPainter &p, QPointF base, double height, int flames = 10);
// A length of living wood from `from` to `to`, `half` its half thickness: a
// rough trunk with lines of bark, cut stubs and small sprigs of leaves.
void paintLivingWood(QPainter &p, QPointF from, QPointF to, double half, unsigned seed);

// A string of small roses with leaves between along `path`.
void paintGarland(QPainter &p, const QPainterPath &path, double rose);
// An oval wreath of laurel round `oval`, bound at its top and foot with red
// ribbons tied in bows.
void paintLaurelWreath(QPainter &p, const QRectF &oval, double thickness);

// A vine along `course`, leaves along it and a bunch of grapes hanging every
// `every` points of the course.
void paintVine(QPainter &p, const std::vector<QPointF> &course, double leaf, int every = 2);
// A bunch of grapes hanging from `top`, `size` long.
void paintGrapes(QPainter &p, QPointF top, double size);

} // namespace artwork::figures
