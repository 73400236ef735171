#pragma once

// Every colour the pictures are painted in, in one place. A Tone is a flat
// colour and its shade (the band along a shape's side away from the light);
// every flat colour survives the palette reduction exactly, so a tone given
// here is the tone written. Painters take their colours from this list; a new
// colour comes here first, under a name that says what it is.

#include <QColor>

namespace artwork {

namespace style {
struct Tone {
    QColor base;
    QColor shade;
};
} // namespace style
using style::Tone;

// ---- The frame and the lines ---------------------------------------------------
inline const QColor kWhite{255, 255, 255};
inline const QColor kField{12, 12, 12}; // the near-black ground of every face
inline const QColor kBand{0, 0, 0};     // the major arcana's title band
inline const QColor kOutline{22, 14, 8};
inline const QColor kEngraving{104, 62, 18};
inline const QColor kInk{70, 20, 14};

// ---- Cloth -----------------------------------------------------------------------
inline const Tone kRed{{192, 44, 40}, {124, 24, 26}};
inline const Tone kBlue{{60, 96, 176}, {36, 60, 120}};
inline const Tone kGreen{{62, 128, 68}, {38, 86, 44}};
inline const Tone kPurple{{120, 70, 150}, {78, 42, 100}};
inline const Tone kYellow{{232, 196, 80}, {176, 136, 40}};
inline const Tone kGreyCloth{{150, 150, 162}, {104, 104, 118}};
inline const Tone kWhiteCloth{{240, 236, 224}, {190, 182, 166}};
inline const Tone kLinen{{242, 240, 230}, {192, 186, 170}}; // the whitest robes
inline const Tone kRibbon{{206, 44, 48}, {138, 24, 30}};
inline const Tone kParchment{{238, 228, 200}, {186, 168, 128}};
inline const Tone kLeather{{122, 78, 44}, {76, 46, 24}};
inline const Tone kShoe{{92, 58, 36}, {60, 36, 22}};

// ---- Skin, hair and faces ------------------------------------------------------
inline const Tone kSkin{{240, 196, 160}, {206, 150, 116}};
inline const Tone kDevilSkin{{186, 92, 64}, {132, 56, 40}};
inline const Tone kGoatLegs{{104, 70, 48}, {70, 44, 30}};
inline const QColor kHairBrown{110, 64, 30};
inline const QColor kHairGold{220, 170, 70};
inline const QColor kHairGrey{196, 190, 180};
inline const QColor kHairBlack{46, 34, 28};
inline const QColor kFeature{92, 48, 30}; // eyes, brows and nose
inline const QColor kLips{176, 78, 66};
inline const QColor kBlush{236, 160, 140};

// ---- Metal and gems ------------------------------------------------------------
inline const Tone kGold{{236, 188, 64}, {172, 120, 34}};
inline const Tone kGoldInside{{120, 70, 24}, {84, 46, 16}};
inline const Tone kSilver{{226, 230, 236}, {160, 168, 184}};
inline const Tone kSteel{{208, 214, 224}, {128, 138, 158}};
inline const Tone kIron{{150, 158, 172}, {96, 104, 122}};
inline const Tone kCrossGuard{{204, 34, 30}, {124, 18, 18}};
inline const Tone kRuby{{214, 40, 60}, {130, 18, 36}};

// ---- Stone and wood ------------------------------------------------------------
inline const Tone kStone{{214, 206, 186}, {160, 150, 128}};
inline const Tone kGreyStone{{184, 180, 172}, {132, 128, 120}};
inline const Tone kRock{{150, 150, 170}, {104, 104, 128}};
inline const Tone kWood{{176, 116, 60}, {112, 68, 32}};

// ---- Sky and water -------------------------------------------------------------
inline const Tone kDaySky{{170, 206, 230}, {138, 180, 214}};
inline const Tone kGoldenSky{{242, 214, 140}, {228, 186, 104}};
inline const Tone kNightSky{{36, 44, 92}, {26, 32, 70}};
inline const Tone kCloud{{244, 244, 240}, {196, 200, 210}};
inline const Tone kSea{{62, 118, 176}, {40, 82, 138}};

// ---- Land and plants -----------------------------------------------------------
inline const Tone kNearHills{{98, 158, 66}, {64, 118, 46}};
inline const Tone kFarHills{{142, 186, 104}, {104, 150, 78}};
inline const Tone kFoliage{{72, 140, 60}, {44, 96, 40}};
inline const Tone kLeaf{{104, 172, 64}, {56, 112, 40}};
inline const Tone kPomegranate{{196, 42, 52}, {128, 22, 34}};

// ---- Beasts --------------------------------------------------------------------
inline const Tone kDogCoat{{222, 206, 176}, {166, 146, 112}};
inline const Tone kWolfCoat{{148, 150, 156}, {96, 98, 108}};
inline const Tone kLionCoat{{226, 170, 84}, {168, 112, 46}};
inline const Tone kLionMane{{176, 102, 40}, {118, 62, 24}};
inline const Tone kWhiteHorse{{236, 232, 222}, {182, 174, 160}};
inline const Tone kBayHorse{{150, 88, 48}, {100, 56, 30}};
inline const Tone kBlackHorse{{62, 56, 58}, {36, 32, 34}};
inline const Tone kGreyHorse{{176, 176, 180}, {124, 124, 132}};

} // namespace artwork
