// 21 Judgement: an angel leans out of the clouds blowing a trumpet hung with a banner; below,
// between icy mountains, a man, a woman and a child rise from their coffins on the water with
// their arms raised.

#include "trumps/Trump.h"

namespace artwork::trumps {

namespace {

constexpr double kHorizon = 180;
constexpr double kCloudLine = 124; // the angel shows above it

void judgementSky(QPainter &p)
{
    paintSky(p, trumpScene(), kHorizon, kJudgementSky);
}

Figure angel()
{
    Figure angel;
    angel.base = {104, 214};
    angel.height = 168;
    angel.build = Build::Man;
    angel.robe = {kLinen, std::nullopt, Cut::Gown, {}, kGold};
    angel.hair = Hair::Short;
    angel.hairColour = kHairGold;
    angel.turn = -0.5;
    angel.left = {Gesture::Behind};
    angel.right = {Gesture::Behind};
    return angel;
}

// The angel above the clouds, seen from the waist up.
void judgementAngel(QPainter &p)
{
    const QRectF s = trumpScene();
    const Figure figure = angel();
    WingsLook wings;
    wings.feathers = kCoralFeathers;
    wings.tips = kRedFlightFeathers;
    wings.span = 2.5;
    wings.lift = 0.8;
    p.save();
    p.setClipRect(QRectF(s.left(), s.top(), s.width(), kCloudLine - s.top()), Qt::IntersectClip);
    paintWings(p, figure, wings);
    paintFigure(p, figure);
    p.restore();
}

// The kit's folds and hem ignore the clip: the sky is laid again below it;
// icy mountains rise into the clouds on either side, over the water.
void judgementLand(QPainter &p)
{
    const QRectF s = trumpScene();
    p.save();
    p.setClipRect(QRectF(s.left(), kCloudLine, s.width(), kHorizon - kCloudLine + 2), Qt::IntersectClip);
    paintSky(p, s, kHorizon, kJudgementSky);
    p.restore();
    const Tone &ice = kIce;
    paintMountains(p, kHorizon + 4, s.left() - 40, 70, 110, 23, ice, false);
    paintMountains(p, kHorizon + 4, 130, s.right() + 40, 100, 24, ice, false);
    paintWater(p, s, kHorizon, s.bottom() + 4, 21, kGreySea);
}

// The risen in pale shrouds, each in an open coffin: the man flings his left
// arm wide and lifts the other, the woman joins her hands, the child between them, seen from behind,
// lifts both arms to the angel.
void judgementRisen(QPainter &p)
{
    struct Risen {
        QPointF foot;
        double height;
        Build build;
        Hair hair;
        QColor hairColour;
        double coffin;
        Gesture left, right;
        double turn;
        bool fromBehind;
    };
    const std::vector<Risen> risen{{.foot = {54, 254},
                                    .height = 92,
                                    .build = Build::Man,
                                    .hair = Hair::Short,
                                    .hairColour = kHairBrown,
                                    .coffin = 50,
                                    .left = Gesture::Out,
                                    .right = Gesture::Aloft,
                                    .turn = 0.45,
                                    .fromBehind = false},
                                   {.foot = {158, 254},
                                    .height = 88,
                                    .build = Build::Woman,
                                    .hair = Hair::Long,
                                    .hairColour = kHairBrownRed,
                                    .coffin = 48,
                                    .left = Gesture::Forward,
                                    .right = Gesture::Forward,
                                    .turn = -0.45,
                                    .fromBehind = false},
                                   {.foot = {100, 264},
                                    .height = 66,
                                    .build = Build::Child,
                                    .hair = Hair::Short,
                                    .hairColour = kHairGold,
                                    .coffin = 38,
                                    .left = Gesture::Aloft,
                                    .right = Gesture::Aloft,
                                    .turn = 0,
                                    .fromBehind = true}};
    for (const Risen &r : risen) {
        const double boxHeight = r.height * 0.16;
        paintCoffinBack(p, r.foot, r.coffin, boxHeight);
        Figure f;
        f.base = r.foot + QPointF(0, -boxHeight * 0.4);
        f.height = r.height;
        f.build = r.build;
        f.robe = {kShroud, std::nullopt, Cut::Gown, {}, kShroud};
        f.hair = r.hair;
        f.hairColour = r.hairColour;
        f.turn = r.turn;
        f.fromBehind = r.fromBehind;
        f.left = {r.left};
        f.right = {r.right};
        paintFigure(p, f);
        paintCoffinFront(p, r.foot, r.coffin, boxHeight);
    }
}

void judgementClouds(QPainter &p)
{
    paintCloud(p, {40, 120}, 76, 7);
    paintCloud(p, {160, 122}, 80, 8);
    paintCloud(p, {102, 118}, 96, 9);
}

// The trumpet at the angel's mouth, held in both hands.
void judgementTrumpet(QPainter &p)
{
    const Figure figure = angel();
    const Body body = bodyOf(figure);
    const double u = body.unit;
    const QPointF mouth = body.headCentre + QPointF(-0.1 * u, 0.34 * u);
    const QPointF bell = mouth + QPointF(-3.3 * u, 2.3 * u);
    paintTrumpet(p, mouth, bell, 0.3 * u);
    paintArm(p, figure, -1, shapes::lerp(mouth, bell, 0.52), body.shoulder[0] + QPointF(-4, 30), kLinen, true);
    paintArm(p, figure, 1, shapes::lerp(mouth, bell, 0.28), body.waist, kLinen, true);
}

} // namespace

Trump judgement()
{
    return {{{Layer::Scene, judgementSky},
             {Layer::Figures, judgementAngel},
             {Layer::Scene, judgementLand},
             {Layer::Figures, judgementRisen},
             {Layer::Scene, judgementClouds},
             {Layer::Figures, judgementTrumpet}}};
}

} // namespace artwork::trumps
