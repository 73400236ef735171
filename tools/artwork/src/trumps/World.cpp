// 22 The World: a dancer in a floating scarf, a wand in each hand, inside an oval wreath of laurel
// bound with red ribbons; the four living creatures in the corners.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

const QRectF kOval(100 - 58, 40, 116, 196); // inside the wreath

// The sky, a shade paler inside the wreath.
void worldSky(QPainter &p)
{
    p.fillRect(trumpScene(), kWorldSky);
    drawShape(p, shapes::ellipse(kOval.center(), kOval.width() / 2, kOval.height() / 2), kWreathSky, 0, 0);
}

void worldDancer(QPainter &p)
{
    paintDancer(p, {100, 139}, 23.5, kScarfPurple);
}

void worldWreath(QPainter &p)
{
    paintLaurelWreath(p, kOval, 13);
}

void worldCreatures(QPainter &p)
{
    paintCreaturesInCorners(p, trumpScene(), 48);
}

} // namespace

Trump theWorld()
{
    return {{{Layer::Scene, worldSky},
             {Layer::Figures, worldDancer},
             {Layer::Figures, worldWreath},
             {Layer::Figures, worldCreatures}}};
}

} // namespace artwork::trumps
