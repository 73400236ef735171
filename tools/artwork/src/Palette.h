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
inline const QColor kRule{78, 66, 42};  // the faint rule inside the field
inline const QColor kOutline{22, 14, 8};
inline const QColor kEngraving{104, 62, 18};
inline const QColor kInk{70, 20, 14};
inline const QColor kTreePath{96, 74, 30};
inline const QColor kSamplerGround{48, 48, 52};
inline const QColor kSamplerNight{24, 30, 60};
inline const QColor kBoazLetter{236, 232, 220};
inline const QColor kJachinLetter{40, 36, 40};
inline const Tone kClear{{0, 0, 0, 0}, {0, 0, 0, 0}}; // no fill: a shape drawn for its outline alone

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
inline const Tone kBrownCloth{{120, 84, 50}, {80, 54, 30}};
inline const Tone kCapBrim{{60, 90, 160}, {34, 52, 100}};
inline const Tone kGownRed{{180, 40, 40}, {118, 22, 26}};
inline const Tone kHoseBlue{{70, 80, 120}, {44, 50, 80}};
inline const Tone kSaddleBlue{{60, 90, 170}, {34, 52, 110}};
inline const Tone kHeartRed{{204, 56, 70}, {148, 30, 46}};
inline const Tone kThroneCloth{{150, 40, 50}, {96, 22, 32}};
inline const Tone kStarryBlue{{40, 56, 118}, {26, 36, 84}};
inline const Tone kPlumeRed{{196, 40, 40}, {128, 22, 26}};
inline const Tone kBlackBanner{{40, 36, 44}, {20, 18, 24}};
inline const Tone kKingRed{{178, 40, 44}, {116, 22, 28}};
inline const Tone kSlateCloth{{92, 96, 120}, {62, 64, 84}};
inline const Tone kCrimson{{178, 42, 58}, {118, 24, 38}};
inline const Tone kMotley{{214, 84, 52}, {150, 50, 30}};
inline const Tone kHoseYellow{{236, 200, 84}, {180, 140, 44}};
inline const Tone kBundleCloth{{120, 96, 150}, {80, 62, 106}};
inline const Tone kTunicBlue{{62, 96, 170}, {38, 60, 118}};
inline const Tone kHoseRed{{196, 48, 44}, {128, 26, 26}};
inline const Tone kDarkGreyCloth{{112, 112, 126}, {76, 76, 90}};
inline const Tone kOchreCloth{{176, 146, 84}, {130, 102, 52}};
inline const Tone kMonkRed{{204, 74, 60}, {140, 44, 34}};
inline const Tone kVeilGold{{206, 164, 84}, {158, 120, 56}};
inline const Tone kShroud{{226, 226, 222}, {176, 178, 182}};
inline const Tone kBronzeCloth{{150, 120, 64}, {110, 84, 40}};
inline const Tone kTableCloth{{58, 112, 88}, {36, 78, 60}};
inline const Tone kSacking{{120, 74, 44}, {80, 48, 28}};
inline const Tone kSaddleRed{{206, 52, 44}, {140, 30, 28}};
inline const Tone kBannerRed{{214, 56, 46}, {150, 32, 28}};
inline const Tone kRoyalRed{{190, 44, 40}, {124, 24, 26}};
inline const Tone kTunicBlueDark{{56, 100, 170}, {34, 62, 118}};
inline const Tone kScarfPurple{{132, 62, 160}, {90, 36, 116}};

// ---- The court cards' suits (their rows in CourtCards.cpp) ---------------------------
inline const Tone kCupsSky{{166, 208, 234}, {138, 186, 220}};
inline const Tone kCupsGown{{34, 110, 150}, {20, 70, 102}};
inline const Tone kCupsMantle{{232, 226, 196}, {176, 166, 136}};
inline const Tone kCupsHose{{64, 80, 140}, {40, 50, 96}};
inline const Tone kCupsThroneCloth{{160, 52, 60}, {104, 28, 38}};
inline const Tone kPentaclesSky{{232, 200, 116}, {214, 172, 84}};
inline const Tone kPentaclesGown{{150, 44, 44}, {98, 24, 28}};
inline const Tone kPentaclesMantle{{56, 108, 64}, {34, 72, 42}};
inline const Tone kPentaclesThroneCloth{{52, 62, 124}, {32, 38, 84}};
inline const Tone kSwordsSky{{174, 196, 220}, {150, 176, 206}};
inline const Tone kSwordsGown{{78, 104, 170}, {48, 66, 118}};
inline const Tone kSwordsMantle{{150, 60, 140}, {98, 34, 92}};
inline const Tone kSwordsHose{{110, 112, 130}, {72, 74, 90}};
inline const Tone kSwordsThroneCloth{{92, 110, 128}, {62, 76, 92}};
inline const Tone kWandsSky{{246, 206, 160}, {236, 184, 130}};
inline const Tone kWandsGown{{206, 84, 38}, {140, 50, 22}};
inline const Tone kWandsMantle{{232, 190, 64}, {176, 134, 34}};
inline const Tone kWandsHose{{66, 120, 70}, {42, 80, 46}};
inline const Tone kWandsThroneCloth{{52, 98, 62}, {32, 66, 40}};

// ---- Skin, hair and faces ------------------------------------------------------
inline const Tone kSkin{{240, 196, 160}, {206, 150, 116}};
inline const Tone kDevilSkin{{186, 92, 64}, {132, 56, 40}};
inline const Tone kGoatLegs{{132, 92, 60}, {90, 60, 38}};
inline const QColor kHairBrown{110, 64, 30};
inline const QColor kHairGold{220, 170, 70};
inline const QColor kHairGrey{196, 190, 180};
inline const QColor kHairBlack{46, 34, 28};
inline const QColor kFeature{92, 48, 30}; // eyes, brows and nose
inline const QColor kLips{176, 78, 66};
inline const QColor kBlush{236, 160, 140};
inline const QColor kEyeWhite{244, 238, 226};
inline const QColor kAgeLine{170, 112, 84}; // creases of an older face
inline const QColor kHairHoney{206, 150, 70};
inline const QColor kHairAuburn{120, 70, 34};
inline const QColor kHairDarkBrown{96, 60, 34};
inline const QColor kHairSable{60, 40, 30};
inline const QColor kHairTawny{150, 90, 40};
inline const QColor kHairChestnut{112, 62, 30};
inline const QColor kHairRed{168, 66, 34};
inline const QColor kHairGinger{176, 96, 40};
inline const QColor kHairCopper{150, 84, 40};
inline const QColor kHairBrownRed{132, 78, 38};
inline const QColor kHairFlame{214, 132, 48};
inline const QColor kHairBronze{196, 120, 52};
inline const QColor kHairAmber{206, 132, 58};
inline const Tone kBone{{236, 230, 210}, {186, 176, 150}};
inline const Tone kHollow{{40, 30, 30}, {40, 30, 30}};

// ---- Metal and gems ------------------------------------------------------------
inline const Tone kGold{{236, 188, 64}, {172, 120, 34}};
inline const Tone kGoldInside{{120, 70, 24}, {84, 46, 16}};
inline const Tone kSilver{{226, 230, 236}, {160, 168, 184}};
inline const Tone kSteel{{208, 214, 224}, {128, 138, 158}};
inline const Tone kIron{{150, 158, 172}, {96, 104, 122}};
inline const Tone kCrossGuard{{204, 34, 30}, {124, 18, 18}};
inline const Tone kRuby{{214, 40, 60}, {130, 18, 36}};
inline const QColor kLampStar{210, 120, 30};
inline const QColor kChariotWingQuills{44, 70, 126};
inline const Tone kSapphire{{60, 110, 210}, {30, 60, 140}};
inline const Tone kLampGlass{{250, 226, 130}, {232, 180, 70}};
inline const Tone kChainIron{{206, 206, 214}, {140, 140, 154}};
inline const Tone kChariotWing{{70, 110, 180}, {44, 70, 126}};
inline const Tone kBlackArmour{{56, 52, 62}, {34, 32, 38}};
inline const Tone kDullSteel{{150, 146, 150}, {100, 96, 104}};
inline const Tone kIronRing{{170, 170, 180}, {110, 110, 124}};

// ---- Stone and wood ------------------------------------------------------------
inline const Tone kStone{{214, 206, 186}, {160, 150, 128}};
inline const Tone kGreyStone{{184, 180, 172}, {132, 128, 120}};
inline const Tone kRock{{150, 150, 170}, {104, 104, 128}};
inline const Tone kWood{{176, 116, 60}, {112, 68, 32}};
inline const QColor kRope{214, 190, 130};
inline const QColor kCragShade{86, 74, 64};
inline const Tone kDesertRock{{214, 160, 96}, {168, 116, 62}};
inline const Tone kBlueMountains{{120, 140, 186}, {88, 104, 150}};
inline const Tone kThroneStone{{196, 184, 160}, {138, 126, 104}};
inline const Tone kPaleThroneStone{{210, 196, 170}, {150, 136, 110}};
inline const Tone kBlueRoof{{60, 90, 170}, {36, 56, 120}};
inline const Tone kBlackStone{{40, 40, 44}, {20, 20, 22}};
inline const Tone kCityStone{{206, 196, 176}, {156, 144, 122}};
inline const Tone kRoofTile{{168, 70, 52}, {116, 44, 32}};
inline const Tone kCoffinInside{{58, 36, 24}, {40, 24, 16}};
inline const Tone kCastleRoof{{170, 60, 50}, {116, 36, 30}};
inline const Tone kBark{{150, 100, 58}, {98, 62, 34}};
inline const Tone kCutWood{{222, 190, 140}, {176, 140, 96}};
inline const Tone kClay{{212, 124, 72}, {156, 80, 44}};
inline const Tone kJugMouth{{90, 46, 26}, {90, 46, 26}};
inline const Tone kChariotStone{{206, 200, 186}, {150, 142, 124}};
inline const Tone kChariotWheel{{170, 112, 56}, {116, 72, 34}};
inline const Tone kRedRock{{178, 96, 62}, {126, 62, 40}};
inline const Tone kDarkRedRock{{150, 80, 54}, {104, 52, 34}};
inline const Tone kCarvedStone{{190, 186, 178}, {136, 132, 124}};
inline const Tone kIvoryStone{{222, 206, 176}, {166, 150, 120}};
inline const Tone kDistantPeaks{{150, 160, 196}, {110, 120, 160}};
inline const Tone kCliffRock{{182, 156, 118}, {132, 108, 76}};
inline const Tone kRopeKnot{{214, 190, 130}, {168, 140, 88}};
inline const Tone kNightMountains{{80, 90, 130}, {56, 62, 100}};
inline const Tone kTempleFloor{{170, 164, 150}, {126, 120, 106}};
inline const Tone kBlueFloor{{150, 160, 186}, {110, 120, 150}};
inline const Tone kBlackPillar{{58, 58, 70}, {32, 32, 42}};
inline const Tone kWhitePillar{{238, 234, 222}, {190, 184, 168}};
inline const Tone kPaleBench{{200, 204, 214}, {150, 156, 172}};
inline const Tone kIce{{120, 134, 168}, {90, 102, 136}};
inline const Tone kDarkThroneStone{{112, 112, 128}, {78, 78, 94}};
inline const Tone kMoonlitMountains{{74, 86, 128}, {56, 66, 104}};
inline const Tone kInfernalFloor{{44, 22, 26}, {30, 14, 18}};
inline const Tone kPedestalTop{{78, 70, 78}, {56, 50, 58}};
inline const Tone kPedestal{{38, 34, 40}, {24, 22, 26}};
inline const Tone kBrick{{214, 168, 120}, {170, 124, 84}};
inline const Tone kCoping{{226, 200, 160}, {178, 152, 110}};
inline const Tone kCrag{{122, 108, 96}, {86, 74, 64}};
inline const Tone kTowerStone{{196, 190, 178}, {146, 138, 124}};
inline const Tone kWindowDark{{46, 26, 20}, {46, 26, 20}};
inline const Tone kWheelRim{{232, 148, 58}, {178, 100, 34}};
inline const Tone kWheelDisc{{246, 214, 150}, {214, 174, 104}};

// ---- Sky and water -------------------------------------------------------------
inline const Tone kDaySky{{170, 206, 230}, {138, 180, 214}};
inline const Tone kGoldenSky{{242, 214, 140}, {228, 186, 104}};
inline const Tone kNightSky{{36, 44, 92}, {26, 32, 70}};
inline const Tone kCloud{{244, 244, 240}, {196, 200, 210}};
inline const Tone kSea{{62, 118, 176}, {40, 82, 138}};
inline const QColor kMoonFeatures{70, 74, 100};
inline const QColor kPouredWater{150, 204, 236};
inline const QColor kPouredWaterLight{236, 248, 255};
inline const QColor kLanternGlowOuter{52, 62, 110};
inline const QColor kLanternGlowInner{104, 108, 128};
inline const QColor kInfernalGlow{66, 26, 32};
inline const QColor kStormNight{30, 32, 56};
inline const QColor kWorldSky{128, 168, 214};
inline const Tone kFullMoon{{248, 246, 232}, {206, 200, 176}};
inline const Tone kMoonRays{{226, 214, 150}, {186, 170, 100}};
inline const Tone kMoonShadow{{170, 182, 196}, {140, 152, 170}};
inline const Tone kCrescent{{240, 230, 180}, {200, 184, 120}};
inline const Tone kMoonLight{{240, 232, 184}, {206, 192, 130}};
inline const Tone kStarGold{{250, 236, 150}, {220, 180, 70}};
inline const Tone kPaleSky{{178, 188, 204}, {150, 162, 184}};
inline const Tone kSunsetSky{{238, 150, 84}, {222, 120, 60}};
inline const Tone kMorningSky{{188, 200, 214}, {160, 176, 196}};
inline const Tone kStarPale{{236, 232, 210}, {190, 184, 150}};
inline const Tone kTempleGloom{{104, 100, 110}, {80, 76, 86}};
inline const Tone kJudgementSky{{150, 186, 220}, {124, 164, 204}};
inline const Tone kGreySea{{70, 116, 160}, {50, 90, 132}};
inline const Tone kHallGold{{214, 190, 110}, {190, 164, 86}};
inline const Tone kMoonlitSky{{40, 52, 104}, {32, 42, 88}};
inline const Tone kDew{{250, 226, 120}, {214, 170, 60}};
inline const Tone kMoonlitPool{{44, 84, 140}, {30, 60, 110}};
inline const Tone kStarlitSky{{52, 74, 140}, {40, 58, 116}};
inline const Tone kStarWhite{{250, 250, 240}, {200, 204, 214}};
inline const Tone kGreatStar{{255, 226, 96}, {230, 170, 50}};
inline const Tone kSummerSky{{120, 184, 232}, {96, 160, 214}};
inline const Tone kClearSky{{176, 208, 232}, {150, 188, 220}};
inline const Tone kStormCloud{{78, 80, 104}, {56, 58, 80}};
inline const Tone kWreathSky{{170, 200, 232}, {170, 200, 232}};

// ---- Fire and light ------------------------------------------------------------------
inline const Tone kFlameTongue{{240, 132, 40}, {196, 66, 30}};
inline const Tone kFlameTongueCore{{252, 214, 92}, {236, 170, 60}};
inline const Tone kHaloGold{{250, 222, 120}, {232, 190, 80}};
inline const Tone kLightning{{255, 240, 130}, {240, 196, 60}};
inline const Tone kFlame{{238, 120, 40}, {196, 70, 30}};
inline const Tone kFlameCore{{252, 220, 100}, {240, 180, 70}};
inline const Tone kSpark{{255, 214, 90}, {226, 150, 40}};

// ---- Land and plants -----------------------------------------------------------
inline const Tone kNearHills{{98, 158, 66}, {64, 118, 46}};
inline const QColor kGroundShadow{52, 92, 40}; // under a figure standing on the grass
inline const Tone kFarHills{{142, 186, 104}, {104, 150, 78}};
inline const Tone kFoliage{{72, 140, 60}, {44, 96, 40}};
inline const Tone kLeaf{{104, 172, 64}, {56, 112, 40}};
inline const Tone kPomegranate{{196, 42, 52}, {128, 22, 34}};
inline const Tone kDryHills{{170, 176, 96}, {132, 138, 70}};
inline const Tone kRedFlower{{214, 52, 60}, {140, 26, 36}};
inline const Tone kRose{{220, 60, 70}, {150, 30, 40}};
inline const Tone kPalmFrond{{92, 140, 70}, {60, 100, 48}};
inline const Tone kRoseRed{{214, 48, 58}, {140, 24, 36}};
inline const Tone kAppleLeaves{{60, 128, 56}, {38, 88, 38}};
inline const Tone kIrisLeaves{{86, 150, 70}, {52, 104, 46}};
inline const Tone kIrisPetal{{104, 96, 206}, {68, 58, 150}};
inline const Tone kSunflowerPetal{{252, 204, 40}, {220, 150, 20}};
inline const Tone kSunflowerHeart{{118, 70, 34}, {84, 46, 22}};
inline const Tone kSunflowerSeed{{70, 40, 20}, {70, 40, 20}};
inline const Tone kLaurelStem{{70, 120, 50}, {46, 86, 34}};
inline const Tone kLaurelLight{{112, 176, 74}, {66, 124, 46}};
inline const Tone kLaurelDark{{78, 142, 60}, {48, 98, 40}};
inline const Tone kStraw{{214, 170, 72}, {164, 120, 40}};
inline const Tone kGrain{{240, 202, 96}, {190, 144, 52}};
inline const Tone kFarWheat{{200, 154, 60}, {156, 112, 36}};
inline const Tone kWhiteRose{{250, 248, 240}, {206, 200, 186}};
inline const Tone kDullGrass{{112, 128, 84}, {78, 92, 58}};
inline const Tone kFarDullGrass{{140, 152, 110}, {106, 118, 82}};
inline const Tone kBareEarth{{164, 112, 70}, {120, 80, 48}};
inline const Tone kValleyNear{{118, 164, 126}, {86, 128, 98}};
inline const Tone kValleyFar{{150, 186, 160}, {118, 156, 134}};
inline const Tone kSpringHills{{96, 140, 72}, {66, 104, 50}};
inline const Tone kSpringHillsFar{{140, 170, 112}, {104, 136, 84}};
inline const Tone kSnow{{226, 232, 244}, {170, 180, 206}};
inline const Tone kMoonlitMeadow{{74, 112, 76}, {52, 84, 56}};
inline const Tone kMoonlitPath{{196, 180, 136}, {156, 138, 96}};
inline const Tone kGrapes{{120, 52, 120}, {80, 30, 84}};
inline const Tone kStarlitHills{{88, 142, 74}, {60, 104, 52}};
inline const Tone kStarlitHillsFar{{110, 150, 120}, {80, 116, 92}};
inline const Tone kSandPath{{222, 206, 160}, {186, 166, 118}};

// ---- Beasts --------------------------------------------------------------------
inline const Tone kDogCoat{{222, 206, 176}, {166, 146, 112}};
inline const Tone kWolfCoat{{148, 150, 156}, {96, 98, 108}};
inline const Tone kLionCoat{{226, 170, 84}, {168, 112, 46}};
inline const Tone kLionMane{{176, 102, 40}, {118, 62, 24}};
inline const Tone kWhiteHorse{{236, 232, 222}, {182, 174, 160}};
inline const Tone kBayHorse{{150, 88, 48}, {100, 56, 30}};
inline const Tone kBlackHorse{{62, 56, 58}, {36, 32, 34}};
inline const Tone kGreyHorse{{176, 176, 180}, {124, 124, 132}};
inline const QColor kGreyMane{96, 96, 106};
inline const QColor kBlackMane{30, 26, 26};
inline const QColor kPaleMane{226, 214, 186};
inline const QColor kDarkMane{58, 40, 30};
inline const QColor kBill{60, 48, 44};
inline const QColor kAshMane{210, 204, 190};
inline const QColor kSphinxStripe{52, 80, 150};
inline const Tone kDarkBird{{60, 64, 80}, {36, 38, 50}};
inline const Tone kButterfly{{176, 196, 226}, {120, 140, 180}};
inline const Tone kSalamander{{222, 96, 40}, {150, 54, 22}};
inline const Tone kBlackCat{{40, 38, 44}, {20, 18, 24}};
inline const Tone kRabbitCoat{{170, 140, 110}, {120, 94, 70}};
inline const Tone kVineLeaf{{84, 140, 56}, {52, 96, 36}};
inline const Tone kPyramid{{226, 196, 132}, {178, 146, 88}};
inline const Tone kHull{{140, 90, 50}, {94, 58, 30}};
inline const Tone kSail{{240, 234, 214}, {196, 186, 160}};
inline const Tone kFurrow{{140, 100, 60}, {100, 68, 38}};
inline const Tone kPebble{{176, 168, 156}, {130, 122, 112}};
inline const Tone kSand{{222, 204, 156}, {188, 166, 116}};
inline const Tone kHeavyHorse{{70, 52, 40}, {44, 32, 24}};
inline const Tone kChestnutHorse{{170, 84, 40}, {118, 54, 24}};
inline const Tone kBullStone{{176, 160, 130}, {126, 112, 88}};
inline const Tone kLotus{{238, 170, 190}, {196, 120, 146}};
inline const Tone kPaleBlueGown{{204, 216, 236}, {150, 166, 198}};
inline const Tone kFlameOrange{{240, 130, 40}, {186, 80, 24}};
inline const Tone kStormSky{{150, 164, 186}, {126, 140, 166}};
inline const Tone kGrapeRobe{{120, 52, 70}, {80, 30, 46}};
inline const Tone kFishSilver{{196, 210, 220}, {130, 150, 170}};
inline const Tone kRiverBlue{{90, 150, 200}, {60, 110, 160}};
inline const Tone kBrownDogCoat{{120, 80, 50}, {80, 50, 30}};
inline const Tone kCrowFeathers{{70, 70, 80}, {40, 40, 50}};
inline const Tone kBrownFeathers{{150, 100, 60}, {100, 64, 36}};
inline const Tone kGoldfish{{230, 140, 60}, {170, 90, 30}};
inline const Tone kHorn{{228, 214, 176}, {170, 150, 108}};
inline const Tone kCloven{{52, 40, 36}, {34, 26, 24}};
inline const Tone kSphinxCoat{{96, 136, 196}, {62, 94, 150}};
inline const Tone kSphinxHeadcloth{{236, 196, 80}, {180, 140, 40}};
inline const Tone kFeathers{{236, 230, 214}, {176, 164, 140}};
inline const Tone kEaglePlumage{{152, 104, 56}, {104, 68, 34}};
inline const Tone kEagleEye{{250, 220, 110}, {250, 220, 110}};
inline const Tone kBullHide{{146, 92, 58}, {100, 60, 36}};
inline const Tone kBullHorn{{236, 226, 196}, {186, 170, 130}};
inline const Tone kBullMuzzle{{222, 186, 160}, {180, 140, 116}};
inline const Tone kCrayfishShell{{200, 72, 50}, {140, 44, 32}};
inline const Tone kHoof{{70, 56, 46}, {44, 34, 28}};
inline const Tone kGreenSerpent{{92, 150, 60}, {54, 98, 36}};
inline const Tone kClaw{{226, 214, 180}, {170, 156, 120}};
inline const Tone kFlightFeathers{{178, 192, 218}, {124, 138, 170}};
inline const Tone kCoralFeathers{{236, 120, 84}, {182, 72, 50}};
inline const Tone kRedFlightFeathers{{206, 64, 56}, {142, 36, 34}};
inline const Tone kAngelFeathers{{244, 236, 220}, {190, 176, 150}};
inline const Tone kRoseFlightFeathers{{214, 108, 92}, {160, 66, 58}};
inline const Tone kBatWing{{92, 80, 104}, {62, 52, 74}};
inline const Tone kIbis{{214, 86, 62}, {150, 52, 38}};
inline const Tone kFlameFeathers{{236, 116, 84}, {182, 70, 50}};
inline const Tone kGoldSerpent{{226, 186, 60}, {170, 130, 30}};
inline const Tone kJackal{{196, 96, 52}, {136, 60, 32}};
inline const QColor kFlaxenMane{226, 210, 170};

// ---- The trumps: colours a single card needs ------------------------------------
// The Fool: his little white dog.
inline const Tone kFoolDogCoat{{248, 246, 238}, {196, 190, 178}};
// The Empress: the seeds showing where a pomegranate on her gown is split.
inline const Tone kPomegranateFlesh{{244, 178, 160}, {214, 136, 120}};
// The Emperor: his white hair and beard, and the slate panel sunk in his throne's back.
inline const QColor kEmperorWhite{236, 232, 222};
inline const Tone kThroneSlate{{150, 146, 140}, {112, 108, 102}};
// The High Priest: the robe of the minister on his right, worked with roses.
inline const Tone kMinisterBlue{{92, 112, 160}, {60, 76, 118}};
// The Lovers: his sunned skin and her fair skin, his linen wrap, her rose drape,
// the angel's robe.
inline const Tone kSunnedSkin{{226, 170, 128}, {182, 124, 88}};
inline const Tone kFairSkin{{246, 210, 182}, {214, 168, 136}};
inline const Tone kLoinLinen{{236, 230, 212}, {184, 174, 150}};
inline const Tone kRoseDrape{{222, 150, 150}, {170, 96, 100}};
inline const Tone kAngelRobe{{132, 84, 168}, {90, 52, 120}};
// The Chariot: the black and the white sphinx, their faces and headcloths, the
// canopy's stars, the charioteer's surcoat and the stone of the car.
inline const Tone kBlackSphinx{{54, 50, 58}, {30, 28, 34}};
inline const Tone kBlackSphinxFace{{74, 70, 80}, {50, 46, 56}};
inline const Tone kWhiteSphinx{{238, 234, 224}, {184, 176, 162}};
inline const Tone kWhiteSphinxFace{{244, 230, 210}, {200, 182, 158}};
inline const Tone kWhiteHeadcloth{{236, 232, 222}, {186, 178, 160}};
inline const QColor kHeadclothBlack{44, 40, 48};
inline const Tone kCanopyStars{{250, 232, 130}, {214, 176, 60}};
inline const Tone kCharioteerSurcoat{{52, 110, 94}, {32, 74, 62}};
inline const Tone kChariotCarStone{{214, 206, 190}, {158, 148, 128}};
// Satan: the chained man's sun-browned skin (the woman keeps kSkin), the iron of
// the captives' collars, and the pale star on the devil's brow.
inline const Tone kCaptiveManSkin{{222, 170, 132}, {178, 124, 92}};
inline const Tone kCollarIron{{120, 120, 132}, {78, 78, 90}};
inline const Tone kBrowStar{{236, 226, 190}, {190, 176, 130}};
// The Tower: the black night sky and the grey storm clouds.
inline const QColor kTowerNight{22, 22, 30};
inline const Tone kTowerCloud{{112, 112, 120}, {80, 80, 90}};
// Judgement: the risen, and the coffins they rise from.
inline const Tone kRisenFlesh{{230, 214, 200}, {178, 158, 150}};
inline const Tone kCoffinWood{{150, 100, 58}, {102, 64, 34}};
inline const Tone kCoffinLid{{184, 136, 86}, {134, 94, 54}};
// The High Priestess: the lit lap of her blue robe.
inline const Tone kPriestessLap{{84, 122, 198}, {48, 78, 146}};

} // namespace artwork
