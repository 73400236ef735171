#pragma once

// How a court card is painted. Each of the sixteen courts has a file of its
// own, named after the card (KingOfSwords.cpp ... PageOfPentacles.cpp), that
// composes the figure kit to its row in the art brief: its own pose, its own
// throne or mount, its own scene. They share only the frame below: the
// picture's box, the ground line, a landscape of sky and green land, and the
// woodcut finish every figure is painted in (a heavy outer contour, hatched
// shade, a shadow on the ground).
//
// Like a trump (trumps/Trump.h), a court is a list of steps painted back to
// front, each a part of the scene or of the figures; the figure steps also
// run alone, unclipped, for tst_figuresinside.

#include "CourtCards.h"
#include "Emblems.h"
#include "Palette.h"
#include "Style.h"
#include "figures/Animals.h"
#include "figures/Architecture.h"
#include "figures/Creatures.h"
#include "figures/Figure.h"
#include "figures/Hands.h"
#include "figures/Held.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Plants.h"
#include "figures/Shapes.h"
#include "figures/Sky.h"
#include "figures/Throne.h"
#include "figures/Water.h"
#include "figures/Worn.h"

#include <QPainter>
#include <QRectF>

#include <functional>
#include <vector>

namespace artwork::courts {

using namespace figures;
using namespace figures::shapes;
using style::drawLine;
using style::drawShape;
using style::smoothClosed;
using style::smoothOpen;

enum class Layer { Scene, Figures };
struct Step {
    Layer layer;
    void (*paint)(QPainter &);
};
struct Court {
    std::vector<Step> steps;
};

// ---- The frame the courts share --------------------------------------------------

// The ground line where a standing figure's feet and a throne's plinth stand,
// and the usual horizon (a painter may choose its own).
inline constexpr double kGround = 270;
inline constexpr double kHorizon = 168;

// Sky down to `horizon`, then the green land: far hills at the horizon, near
// ground below, rolling a little (`seed`).
void paintCourtLand(QPainter &p, double horizon, const Tone &sky, unsigned seed, const Tone &near = kNearHills,
                    const Tone &far = kFarHills);

// The figures of a court in the woodcut manner: `draw` runs under a
// WoodcutFinish and the whole group gets the heavy outer contour.
void paintInWoodcut(QPainter &p, const std::function<void(QPainter &)> &draw);

// A wand drawn slimmer than the suit's pip: `length` long and `width` wide,
// turned `degrees` clockwise from upright, gripped at `grip`, which lies
// `gripFromTop` of its length below its top. Paint it before the figure
// whose fist (Grip::Fist, holding nothing) closes over it.
void paintSlimWand(QPainter &p, QPointF grip, double length, double width, double degrees, double gripFromTop,
                   unsigned seed);

// A shadow on the grass under whatever stands at `foot`.
void groundShadow(QPainter &p, QPointF foot, double halfWidth, double halfDepth = 5);

// The courts, each in the file of its name.
Court kingOfSwords();
Court queenOfSwords();
Court knightOfSwords();
Court pageOfSwords();
Court kingOfWands();
Court queenOfWands();
Court knightOfWands();
Court pageOfWands();
Court kingOfCups();
Court queenOfCups();
Court knightOfCups();
Court pageOfCups();
Court kingOfPentacles();
Court queenOfPentacles();
Court knightOfPentacles();
Court pageOfPentacles();

} // namespace artwork::courts
