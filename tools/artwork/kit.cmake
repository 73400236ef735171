# The artwork kit: everything that paints a picture or writes one, as one
# library. The generator (CMakeLists.txt beside this file) and the checks in
# tests/artwork both link it, so this is the only list of its sources.
#
# Include it after find_package(Qt6 ... Gui) and after setting
# `artwork_card_table` to the target that provides quillmere::Card_Face_Table
# (the generator builds it alone; the program's tests take it from
# quillmere_core).

set(artwork_kit_dir ${CMAKE_CURRENT_LIST_DIR}/src)

add_library(quillmere_artwork_kit STATIC
    ${artwork_kit_dir}/BitmapFiles.cpp ${artwork_kit_dir}/BitmapFiles.h
    ${artwork_kit_dir}/Quantize.cpp ${artwork_kit_dir}/Quantize.h
    ${artwork_kit_dir}/Canvas.cpp ${artwork_kit_dir}/Canvas.h
    ${artwork_kit_dir}/Fonts.cpp ${artwork_kit_dir}/Fonts.h
    ${artwork_kit_dir}/PipLayout.cpp ${artwork_kit_dir}/PipLayout.h
    ${artwork_kit_dir}/CardText.cpp ${artwork_kit_dir}/CardText.h
    ${artwork_kit_dir}/Palette.h
    ${artwork_kit_dir}/Style.cpp ${artwork_kit_dir}/Style.h
    ${artwork_kit_dir}/Emblems.cpp ${artwork_kit_dir}/Emblems.h
    ${artwork_kit_dir}/CardFaces.cpp ${artwork_kit_dir}/CardFaces.h
    ${artwork_kit_dir}/CourtCards.h
    ${artwork_kit_dir}/KitSheet.cpp ${artwork_kit_dir}/KitSheet.h
    ${artwork_kit_dir}/figures/Shapes.cpp ${artwork_kit_dir}/figures/Shapes.h
    ${artwork_kit_dir}/figures/Figure.h ${artwork_kit_dir}/figures/Proportions.h ${artwork_kit_dir}/figures/Skeleton.cpp
    ${artwork_kit_dir}/figures/FigurePainter.h ${artwork_kit_dir}/figures/Clothed.cpp ${artwork_kit_dir}/figures/Head.cpp
    ${artwork_kit_dir}/figures/Held.cpp ${artwork_kit_dir}/figures/Held.h
    ${artwork_kit_dir}/figures/Hands.cpp ${artwork_kit_dir}/figures/Hands.h
    ${artwork_kit_dir}/figures/Throne.cpp ${artwork_kit_dir}/figures/Throne.h
    ${artwork_kit_dir}/figures/Wings.cpp ${artwork_kit_dir}/figures/Wings.h
    ${artwork_kit_dir}/figures/Horse.cpp ${artwork_kit_dir}/figures/Horse.h
    ${artwork_kit_dir}/figures/Animals.cpp ${artwork_kit_dir}/figures/Animals.h
    ${artwork_kit_dir}/figures/Creatures.cpp ${artwork_kit_dir}/figures/Creatures.h
    ${artwork_kit_dir}/figures/Bodies.cpp ${artwork_kit_dir}/figures/Bodies.h
    ${artwork_kit_dir}/figures/Arms.cpp ${artwork_kit_dir}/figures/Arms.h
    ${artwork_kit_dir}/figures/Worn.cpp ${artwork_kit_dir}/figures/Worn.h
    ${artwork_kit_dir}/figures/Landscape.cpp ${artwork_kit_dir}/figures/Landscape.h
    ${artwork_kit_dir}/figures/Sky.cpp ${artwork_kit_dir}/figures/Sky.h
    ${artwork_kit_dir}/figures/Water.cpp ${artwork_kit_dir}/figures/Water.h
    ${artwork_kit_dir}/figures/Plants.cpp ${artwork_kit_dir}/figures/Plants.h
    ${artwork_kit_dir}/figures/Architecture.cpp ${artwork_kit_dir}/figures/Architecture.h
    ${artwork_kit_dir}/figures/Sphinxes.cpp ${artwork_kit_dir}/figures/Sphinxes.h
    ${artwork_kit_dir}/figures/Sprawled.cpp ${artwork_kit_dir}/figures/Sprawled.h
    ${artwork_kit_dir}/figures/GrippingBareArms.cpp ${artwork_kit_dir}/figures/GrippingBareArms.h
    ${artwork_kit_dir}/courts/Courts.cpp ${artwork_kit_dir}/courts/Court.h
    ${artwork_kit_dir}/courts/KingOfSwords.cpp ${artwork_kit_dir}/courts/QueenOfSwords.cpp ${artwork_kit_dir}/courts/KnightOfSwords.cpp ${artwork_kit_dir}/courts/PageOfSwords.cpp
    ${artwork_kit_dir}/courts/KingOfWands.cpp ${artwork_kit_dir}/courts/QueenOfWands.cpp ${artwork_kit_dir}/courts/KnightOfWands.cpp ${artwork_kit_dir}/courts/PageOfWands.cpp
    ${artwork_kit_dir}/courts/KingOfCups.cpp ${artwork_kit_dir}/courts/QueenOfCups.cpp ${artwork_kit_dir}/courts/KnightOfCups.cpp ${artwork_kit_dir}/courts/PageOfCups.cpp
    ${artwork_kit_dir}/courts/KingOfPentacles.cpp ${artwork_kit_dir}/courts/QueenOfPentacles.cpp ${artwork_kit_dir}/courts/KnightOfPentacles.cpp ${artwork_kit_dir}/courts/PageOfPentacles.cpp
    ${artwork_kit_dir}/trumps/Trumps.cpp ${artwork_kit_dir}/trumps/Trumps.h ${artwork_kit_dir}/trumps/Trump.h
    ${artwork_kit_dir}/trumps/Fool.cpp ${artwork_kit_dir}/trumps/Magician.cpp ${artwork_kit_dir}/trumps/HighPriestess.cpp ${artwork_kit_dir}/trumps/Empress.cpp
    ${artwork_kit_dir}/trumps/Emperor.cpp ${artwork_kit_dir}/trumps/HighPriest.cpp ${artwork_kit_dir}/trumps/Lovers.cpp ${artwork_kit_dir}/trumps/Chariot.cpp
    ${artwork_kit_dir}/trumps/Justice.cpp ${artwork_kit_dir}/trumps/Hermit.cpp ${artwork_kit_dir}/trumps/WheelOfFortune.cpp ${artwork_kit_dir}/trumps/Strength.cpp
    ${artwork_kit_dir}/trumps/HangingMan.cpp ${artwork_kit_dir}/trumps/Death.cpp ${artwork_kit_dir}/trumps/Temperance.cpp ${artwork_kit_dir}/trumps/Satan.cpp
    ${artwork_kit_dir}/trumps/Tower.cpp ${artwork_kit_dir}/trumps/Star.cpp ${artwork_kit_dir}/trumps/Moon.cpp ${artwork_kit_dir}/trumps/Sun.cpp
    ${artwork_kit_dir}/trumps/Judgement.cpp ${artwork_kit_dir}/trumps/World.cpp
)
target_include_directories(quillmere_artwork_kit PUBLIC ${artwork_kit_dir} ${CMAKE_CURRENT_LIST_DIR}/../../src)
target_link_libraries(quillmere_artwork_kit PUBLIC Qt6::Gui ${artwork_card_table})
