#pragma once

// The sky and what shines or falls from it: the sky itself, clouds, the sun,
// the moon, stars, a glow of light, lightning, yods (drops of light or dew)
// and flames.

#include "Style.h"

#include <QPainter>
#include <QRectF>

#include <vector>

namespace artwork::figures {

using style::Tone;

// The sky over `area`, with a paler band along the horizon.
void paintSky(QPainter &painter, const QRectF &area, double horizon, const Tone &sky = kDaySky);
// A cloud `width` wide centred on `centre`.
void paintCloud(QPainter &painter, QPointF centre, double width, unsigned seed, const Tone &tone = kCloud);

// The sun: a disc of radius r with straight and wavy rays; with a face when `face`.
void paintSun(QPainter &painter, QPointF centre, double r, bool face = true);
// The crescent moon; `face` draws a profile face in the hollow of the crescent.
void paintMoon(QPainter &painter, QPointF centre, double r, bool face = true);
// A full moon with a sleeping face and a crescent along its side, in a ring of
// rays, radius r.
void paintMoonFace(QPainter &p, QPointF centre, double r);
// A star of `points` points, r to the tips.
void paintStar(QPainter &painter, QPointF centre, double r, int points = 8, const Tone &tone = kStarGold);

// A glow of light: three discs from `outer` at radius r to `inner` at the middle.
void paintGlow(QPainter &p, QPointF centre, double r, const QColor &outer, const QColor &inner);
// A bolt of lightning: the zigzag outline given point by point.
void paintLightning(QPainter &p, const std::vector<QPointF> &outline);
// A yod: a small drop of flame or dew, `size` tall, its tail towards `degrees`
// (0: tail up, the drop falling).
void paintYod(QPainter &p, QPointF centre, double size, double degrees, const Tone &tone);
// A flame rising from `base`, `height` tall.
void paintFlame(QPainter &p, QPointF base, double height, double lean = 0);

} // namespace artwork::figures
