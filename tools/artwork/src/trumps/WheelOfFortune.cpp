// 11 The Wheel of Fortune: the great wheel in the clouds, letters on its rim, a sphinx on top, the
// serpent falling on one side and the jackal rising on the other; the four winged creatures in the
// corners.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

using namespace shapes;

void paintWheel(QPainter &p, QPointF c, double r)
{
    const Tone &rim = kWheelRim;
    const Tone &disc = kWheelDisc;
    const double rimW = r * 0.24;
    QPainterPath outer;
    outer.addEllipse(c, r, r);
    QPainterPath hole;
    hole.addEllipse(c, r - rimW, r - rimW);
    drawShape(p, outer, rim, std::max(1.6, r * 0.05), 1.3);
    drawShape(p, hole, disc, std::max(1.4, r * 0.04));
    // Eight spokes from the hub to the rim.
    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        spokes.moveTo(polar(c, r * 0.2, a));
        spokes.lineTo(polar(c, r - rimW, a));
    }
    drawLine(p, spokes, kOutline, std::max(2.6, r * 0.07));
    drawLine(p, spokes, rim.shade, std::max(1.4, r * 0.035));
    // A plain hub.
    drawShape(p, ellipse(c, r * 0.22, r * 0.22), rim, 1.2);
    drawShape(p, ellipse(c, r * 0.1, r * 0.1), kGold, 0.6, 0.9);
}

std::vector<QPointF> wheelLetterPlaces(QPointF c, double r)
{
    const double mid = r - r * 0.12;
    std::vector<QPointF> places;
    for (int i = 0; i < 4; ++i)
        places.push_back(polar(c, mid, -45.0 + i * 90.0));
    return places;
}

const QPointF kWheelCentre(100, 142);
constexpr double kWheelRadius = 58;

void wheelSky(QPainter &p)
{
    const QRectF scene = trumpScene();
    paintSky(p, scene, scene.bottom(), kDaySky);
    paintCloud(p, {100, 232}, 170, 14);
}

void wheelFigures(QPainter &p)
{
    paintCreaturesInCorners(p, trumpScene(), 48);
    paintWheel(p, kWheelCentre, kWheelRadius);
    paintSphinx(p, kWheelCentre + QPointF(0, -kWheelRadius + 3), 50, -1);
    // The serpent slides down the left side, the jackal climbs the right.
    std::vector<QPointF> snake;
    for (int i = 0; i <= 8; ++i) {
        const double a = qDegreesToRadians(145.0 + i * 11.0);
        const double r = kWheelRadius + 9 + 4 * std::sin(i * 1.6);
        snake.push_back(kWheelCentre + QPointF(std::cos(a) * r, -std::sin(a) * r));
    }
    paintSerpent(p, snake, 5.5, kGoldSerpent);
    p.save();
    p.translate(kWheelCentre + QPointF(kWheelRadius + 4, 10));
    p.rotate(-70);
    paintWolf(p, {0, 0}, 30, 1, kJackal, false);
    p.restore();
}

void wheelLettering(QPainter &p, const CardFace &)
{
    const QFont font = libertine(12, true);
    const std::vector<QPointF> places = wheelLetterPlaces(kWheelCentre, kWheelRadius);
    const char *letters[] = {"T", "A", "R", "O"};
    for (std::size_t i = 0; i < places.size(); ++i)
        drawCentredText(p, letters[i], font, kInk, places[i]);
}

} // namespace

Trump theWheelOfFortune()
{
    return {{{Layer::Scene, wheelSky}, {Layer::Figures, wheelFigures}}, wheelLettering};
}

} // namespace artwork::trumps
