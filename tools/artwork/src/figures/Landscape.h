#pragma once

// The landscape kit: sky, hills, water, mountains, trees, clouds, flowers, the
// sun, the moon, stars and pillars. Paint back to front: sky, mountains,
// water, hills, then trees and the figures.

#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <optional>

namespace artwork::figures {

using style::Tone;

inline const Tone kDaySky{{170, 206, 230}, {138, 180, 214}};
inline const Tone kGoldenSky{{242, 214, 140}, {228, 186, 104}};
inline const Tone kNearHills{{98, 158, 66}, {64, 118, 46}};
inline const Tone kFarHills{{142, 186, 104}, {104, 150, 78}};
inline const Tone kSea{{62, 118, 176}, {40, 82, 138}};
inline const Tone kRock{{150, 150, 170}, {104, 104, 128}};
inline const Tone kFoliage{{72, 140, 60}, {44, 96, 40}};
inline const Tone kCloud{{244, 244, 240}, {196, 200, 210}};
inline const Tone kStone{{214, 206, 186}, {160, 150, 128}};

// The sky over `area`, with a paler band along the horizon.
void paintSky(QPainter &painter, const QRectF &area, double horizon, const Tone &sky = kDaySky);

// Adds one tuft of grass (three short blades) standing on `foot` to a path of
// tufts, to be drawn as lines in the grass's shade.
void addGrassTuft(QPainterPath &tufts, QPointF foot);

// Rolling hills from the horizon down to the bottom of `area`: a far range in
// `far`, then a nearer one in `near` that ends in a meadow at the bottom.
void paintHills(QPainter &painter, const QRectF &area, double horizon, unsigned seed,
                const Tone &near = kNearHills, const Tone &far = kFarHills);

// A flat stretch of water between y = top and y = bottom across `area`'s
// width, with rows of little waves.
void paintWater(QPainter &painter, const QRectF &area, double top, double bottom, unsigned seed,
                const Tone &water = kSea);

// A range of peaks standing on y = baseY from x0 to x1, up to `height` tall,
// snow on the highest.
void paintMountains(QPainter &painter, double baseY, double x0, double x1, double height, unsigned seed,
                    const Tone &rock = kRock, bool snow = true);

enum class TreeKind { Round, Cypress };
// A tree standing on `base`, `height` tall.
void paintTree(QPainter &painter, QPointF base, double height, unsigned seed, TreeKind kind = TreeKind::Round,
               const Tone &leaves = kFoliage);

// A cloud `width` wide centred on `centre`.
void paintCloud(QPainter &painter, QPointF centre, double width, unsigned seed, const Tone &tone = kCloud);

// A small five-petalled flower of radius `r`.
void paintFlower(QPainter &painter, QPointF centre, double r, const Tone &petals);

// The sun: a disc of radius r with straight and wavy rays; with a face when `face`.
void paintSun(QPainter &painter, QPointF centre, double r, bool face = true);
// The crescent moon; `face` draws a profile face in the hollow of the crescent.
void paintMoon(QPainter &painter, QPointF centre, double r, bool face = true);
// A star of `points` points, r to the tips.
void paintStar(QPainter &painter, QPointF centre, double r, int points = 8,
               const Tone &tone = {{250, 236, 150}, {220, 180, 70}});

// A round tower standing on `base`, `width` wide and `height` tall to the top
// of its battlements, with a slit window; a pointed roof in `roof` when given.
void paintTower(QPainter &painter, QPointF base, double width, double height, const Tone &stone = kStone,
                const std::optional<Tone> &roof = std::nullopt);
// A castle on a hill far off: a wall between towers, `width` wide, standing on `base`.
void paintCastle(QPainter &painter, QPointF base, double width, unsigned seed, const Tone &stone = kStone);

// A pillar filling `shaft` with a capital above and a base below it.
void paintPillar(QPainter &painter, const QRectF &shaft, const Tone &stone = kStone);

} // namespace artwork::figures
