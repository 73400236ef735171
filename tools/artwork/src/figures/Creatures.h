#pragma once

// Creatures the trumps need beyond the kit's animals (Animals.h): the
// serpent, the four living creatures, a perched bird and a crayfish.

#include "Style.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace artwork::figures {

using style::Tone;

// A snake along the chain of points, its head at the last point.
void paintSerpent(QPainter &p, const std::vector<QPointF> &body, double half, const Tone &skin);

// The four living creatures that watch from the corners of The Wheel of
// Fortune and The World.
enum class Creature { Angel, Eagle, Lion, Bull };
// One of them: its head with a small pair of wings, on a cloud, about `size`
// across round `centre`; the angel and the eagle look towards `facing`.
void paintCreature(QPainter &p, Creature creature, QPointF centre, double size, int facing);
// All four in the corners of `area`, each `size` across, wings and clouds
// inside it: the angel top left, the eagle top right, the bull bottom left,
// the lion bottom right, each looking in.
void paintCreaturesInCorners(QPainter &p, const QRectF &area, double size);

// A long-billed bird perched on `feet`, `size` tall, facing `facing`.
void paintPerchedBird(QPainter &p, QPointF feet, double size, int facing, const Tone &tone);
// A crayfish seen from above, crawling towards `degrees` (0: up the picture),
// `length` from claws to tail.
void paintCrayfish(QPainter &p, QPointF centre, double length, double degrees);

} // namespace artwork::figures
