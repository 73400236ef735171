#include "trumps/Trumps.h"

#include "trumps/Trump.h"

#include <array>
#include <stdexcept>
#include <string>

namespace artwork {

namespace trumps {

namespace {

const std::array<Trump, 22> &allTrumps()
{
    static const std::array<Trump, 22> table{
        theFool(),       theMagician(), theHighPriestess(), theEmpress(), theEmperor(),        theHighPriest(),
        theLovers(),     theChariot(),  justice(),          theHermit(),  theWheelOfFortune(), strength(),
        theHangingMan(), death(),       temperance(),       satan(),      theTower(),          theStar(),
        theMoon(),       theSun(),      judgement(),        theWorld(),
    };
    return table;
}

const Trump *trumpOf(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > 22)
        return nullptr;
    return &allTrumps()[static_cast<std::size_t>(cardNumber - 1)];
}

void paintSteps(QPainter &p, const Trump &trump, bool figuresOnly)
{
    for (const Step &step : trump.steps) {
        if (!figuresOnly || step.layer == Layer::Figures)
            step.paint(p);
    }
}

void trumpPicture(QPainter &p, const CardFace &face)
{
    const Trump &trump = *trumpOf(face.cardNumber);
    p.save();
    p.setClipRect(trumpScene(), Qt::IntersectClip);
    paintSteps(p, trump, false);
    p.restore();
}

} // namespace

} // namespace trumps

QRectF trumpScene()
{
    return {9, 9, 182, 261};
}

const FacePainter &trumpPainter(int cardNumber)
{
    static const std::array<FacePainter, 22> painters = [] {
        std::array<FacePainter, 22> rows{};
        for (int card = 1; card <= 22; ++card)
            rows[static_cast<std::size_t>(card - 1)] = {trumps::trumpPicture, trumps::trumpOf(card)->lettering};
        return rows;
    }();
    if (cardNumber < 1 || cardNumber > 22)
        throw std::out_of_range("no trump numbered " + std::to_string(cardNumber));
    return painters[static_cast<std::size_t>(cardNumber - 1)];
}

bool paintTrumpFigures(QPainter &p, int cardNumber)
{
    const trumps::Trump *trump = trumps::trumpOf(cardNumber);
    if (!trump)
        return false;
    trumps::paintSteps(p, *trump, true);
    return true;
}

} // namespace artwork
