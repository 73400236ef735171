#include "Form3.h"

namespace quillmere {

Form3::Form3(Shell &shell) : TenCardWindow(shell, ReferenceSize)
{
    // Design rectangles in twips, from the back of the stack to the front:
    // slot 2 comes after slot 1 so that it lies in front where they overlap.
    Image1 = addCardSlot("Image1", {6240, 2880, 1170, 1755}, position(1));
    Image2 = addCardSlot("Image2", {6720, 3360, 1170, 1755}, position(2));
    Image3 = addCardSlot("Image3", {6240, 960, 1170, 1755}, position(3));
    Image4 = addCardSlot("Image4", {6360, 5280, 1170, 1755}, position(4));
    Image5 = addCardSlot("Image5", {4800, 2880, 1170, 1755}, position(5));
    Image6 = addCardSlot("Image6", {8040, 2880, 1170, 1755}, position(6));
    Image7 = addCardSlot("Image7", {9600, 6240, 1170, 1755}, position(7));
    Image8 = addCardSlot("Image8", {9600, 4320, 1170, 1755}, position(8));
    Image9 = addCardSlot("Image9", {9600, 2400, 1170, 1755}, position(9));
    Image10 = addCardSlot("Image10", {9600, 480, 1170, 1755}, position(10));
    Image11 = addPreviewPane("Image11", {1320, 1320, 3000, 4545});
    addHiddenLabel({120, 600, 495, 495});
    Image12 = addPicture("Image12", {1320, 600, 2880, 495}, QStringLiteral("banner-celtic.bmp"), true);
    addTextPane({1080, 6240, 3495, 1695});

    wireControls();

    command("exit", QStringLiteral("&Exit"), &Form3::exit_Click);
    command("shuffle", QStringLiteral("&Shuffle"), &Form3::shuffle_Click);
    command("info", QStringLiteral("&Information"), &Form3::info_Click);
    command("main", QStringLiteral("&Main"), &Form3::main_Click);
    command("qts", QStringLiteral("&Qabalistic"), &Form3::qts_Click);
    sizeToDesign();
}

} // namespace quillmere
