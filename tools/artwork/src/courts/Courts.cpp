// The table of the sixteen courts and the frame they share (Court.h).

#include "courts/Court.h"

#include <array>

namespace artwork {

namespace courts {

void paintCourtLand(QPainter &p, double horizon, const Tone &sky, unsigned seed, const Tone &near, const Tone &far)
{
    const QRectF scene = courtScene();
    paintSky(p, scene, horizon, sky);
    paintHills(p, scene, horizon, seed, near, far);
}

void paintInWoodcut(QPainter &p, const std::function<void(QPainter &)> &draw)
{
    style::paintContoured(p, style::kContourLine, [&](QPainter &layer) {
        const style::WoodcutFinish finish;
        draw(layer);
    });
}

void paintSlimWand(QPainter &p, QPointF grip, double length, double width, double degrees, double gripFromTop,
                   unsigned seed)
{
    p.save();
    p.translate(grip);
    p.rotate(degrees);
    paintWand(p, QRectF(-width / 2, -gripFromTop * length, width, length), seed);
    p.restore();
}

void groundShadow(QPainter &p, QPointF foot, double halfWidth, double halfDepth)
{
    style::paintGroundShadow(p, foot, halfWidth, halfDepth);
}

namespace {

// Rank by rank within a suit: King, Queen, Knight, Page.
const std::array<Court, 16> &allCourts()
{
    static const std::array<Court, 16> table{
        kingOfSwords(),    queenOfSwords(),    knightOfSwords(),    pageOfSwords(),    kingOfWands(),  queenOfWands(),
        knightOfWands(),   pageOfWands(),      kingOfCups(),        queenOfCups(),     knightOfCups(), pageOfCups(),
        kingOfPentacles(), queenOfPentacles(), knightOfPentacles(), pageOfPentacles(),
    };
    return table;
}

const Court *courtOf(const quillmere::CardFace &face)
{
    int suit = 0;
    switch (face.suit) {
    case quillmere::Suit::Swords:
        suit = 0;
        break;
    case quillmere::Suit::Wands:
        suit = 1;
        break;
    case quillmere::Suit::Cups:
        suit = 2;
        break;
    case quillmere::Suit::Pentacles:
        suit = 3;
        break;
    default:
        return nullptr;
    }
    int rank = 0;
    switch (face.rank) {
    case quillmere::Rank::King:
        rank = 0;
        break;
    case quillmere::Rank::Queen:
        rank = 1;
        break;
    case quillmere::Rank::Knight:
        rank = 2;
        break;
    case quillmere::Rank::Page:
        rank = 3;
        break;
    default:
        return nullptr;
    }
    return &allCourts()[static_cast<std::size_t>(suit * 4 + rank)];
}

void paintSteps(QPainter &p, const Court &court, bool figuresOnly)
{
    for (const Step &step : court.steps) {
        if (!figuresOnly || step.layer == Layer::Figures)
            step.paint(p);
    }
}

} // namespace

} // namespace courts

QRectF courtScene()
{
    return {9, 9, 182, 285};
}

void courtFigures(QPainter &p, const quillmere::CardFace &face)
{
    if (const courts::Court *court = courts::courtOf(face))
        courts::paintSteps(p, *court, true);
}

void courtPicture(QPainter &p, const quillmere::CardFace &face)
{
    const courts::Court *court = courts::courtOf(face);
    if (!court)
        return;
    p.save();
    p.setClipRect(courtScene(), Qt::IntersectClip);
    courts::paintSteps(p, *court, false);
    p.restore();
}

} // namespace artwork
