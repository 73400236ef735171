#pragma once

// How a trump is painted. Each of the 22 trumps has a file of its own, named
// after the card, that paints its picture in steps, back to front; each step
// is marked as a part of the scene (sky, land, buildings, water) or as
// figures (people, animals, thrones, what they hold and wear, the wheel and
// its creatures). The steps run in order for the card, clipped to the picture
// (trumpScene); the figure steps can also run alone, unclipped, so a test can
// see that nothing of them reaches past the picture.
//
// A trump's file includes this header and has the whole kit in reach.

#include "CardFaces.h"
#include "Emblems.h"
#include "Fonts.h"
#include "Palette.h"
#include "Style.h"
#include "figures/Animals.h"
#include "figures/Architecture.h"
#include "figures/Arms.h"
#include "figures/Bodies.h"
#include "figures/Creatures.h"
#include "figures/Figure.h"
#include "figures/Held.h"
#include "figures/Horse.h"
#include "figures/Landscape.h"
#include "figures/Plants.h"
#include "figures/Shapes.h"
#include "figures/Sky.h"
#include "figures/Sphinxes.h"
#include "figures/Throne.h"
#include "figures/Water.h"
#include "figures/Wings.h"
#include "figures/Worn.h"
#include "trumps/Trumps.h"

#include <QPainter>
#include <QRectF>

#include <vector>

namespace artwork::trumps {

using namespace figures;
using quillmere::CardFace;
using style::drawLine;
using style::drawShape;

enum class Layer { Scene, Figures };
struct Step {
    Layer layer;
    void (*paint)(QPainter &);
};

struct Trump {
    std::vector<Step> steps;
    // Letters painted over the picture in final pixel units with
    // drawCentredText: hinted on the bitmap, sharp on the rendition.
    void (*lettering)(QPainter &, const CardFace &) = noLettering;
};

// The trumps, each in the file of its name, card 1 to card 22.
Trump theFool();
Trump theMagician();
Trump theHighPriestess();
Trump theEmpress();
Trump theEmperor();
Trump theHighPriest();
Trump theLovers();
Trump theChariot();
Trump justice();
Trump theHermit();
Trump theWheelOfFortune();
Trump strength();
Trump theHangingMan();
Trump death();
Trump temperance();
Trump satan();
Trump theTower();
Trump theStar();
Trump theMoon();
Trump theSun();
Trump judgement();
Trump theWorld();

} // namespace artwork::trumps
