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
    ${artwork_kit_dir}/Style.cpp ${artwork_kit_dir}/Style.h
    ${artwork_kit_dir}/Emblems.cpp ${artwork_kit_dir}/Emblems.h
    ${artwork_kit_dir}/CardFaces.cpp ${artwork_kit_dir}/CardFaces.h
    ${artwork_kit_dir}/CourtCards.cpp ${artwork_kit_dir}/CourtCards.h
    ${artwork_kit_dir}/KitSheet.cpp ${artwork_kit_dir}/KitSheet.h
    ${artwork_kit_dir}/figures/Shapes.cpp ${artwork_kit_dir}/figures/Shapes.h
    ${artwork_kit_dir}/figures/Figure.cpp ${artwork_kit_dir}/figures/Figure.h
    ${artwork_kit_dir}/figures/Throne.cpp ${artwork_kit_dir}/figures/Throne.h
    ${artwork_kit_dir}/figures/Horse.cpp ${artwork_kit_dir}/figures/Horse.h
    ${artwork_kit_dir}/figures/Animals.cpp ${artwork_kit_dir}/figures/Animals.h
    ${artwork_kit_dir}/figures/Landscape.cpp ${artwork_kit_dir}/figures/Landscape.h
    ${artwork_kit_dir}/trumps/Trumps.cpp ${artwork_kit_dir}/trumps/Trumps.h
    ${artwork_kit_dir}/trumps/TrumpsFirst.cpp
    ${artwork_kit_dir}/trumps/FirstParts.cpp ${artwork_kit_dir}/trumps/FirstParts.h
    ${artwork_kit_dir}/trumps/FirstTrumps.h
    ${artwork_kit_dir}/trumps/TrumpsLast.cpp
    ${artwork_kit_dir}/trumps/LastParts.cpp ${artwork_kit_dir}/trumps/LastParts.h
    ${artwork_kit_dir}/trumps/LastWorld.cpp
)
target_include_directories(quillmere_artwork_kit PUBLIC ${artwork_kit_dir} ${CMAKE_CURRENT_LIST_DIR}/../../src)
target_link_libraries(quillmere_artwork_kit PUBLIC Qt6::Gui ${artwork_card_table})
