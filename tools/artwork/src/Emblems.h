#pragma once

// One emblem painter per suit. Each draws its emblem upright, filling the box
// (whose width over height should be layout::pipAspect of the suit), in final
// pixel units on a supersampled canvas.

#include "deck/CardFaceTable.h"

#include <QPainter>
#include <QRectF>

namespace artwork {

// `seed` varies the rough details (the knots of a staff) from pip to pip.
void paintEmblem(QPainter &painter, quillmere::Suit suit, const QRectF &box, unsigned seed = 0);

void paintSword(QPainter &painter, const QRectF &box);
void paintWand(QPainter &painter, const QRectF &box, unsigned seed);
void paintCup(QPainter &painter, const QRectF &box);
void paintPentacle(QPainter &painter, const QRectF &box);

// The sign of a court rank, filling the box (about 7:4 wide): the King's
// crown, the Queen's coronet, the Knight's helm, the Page's feathered cap.
void paintRankSign(QPainter &painter, quillmere::Rank rank, const QRectF &box);

} // namespace artwork
