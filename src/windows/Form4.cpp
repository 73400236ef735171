#include "Form4.h"

namespace quillmere {

Form4::Form4(Shell &shell) : TenCardWindow(shell, ReferenceSize)
{
    // Design rectangles in twips. The middle column holds slots 1, 4, 7 and 10;
    // the side columns 2, 5, 8 and 3, 6, 9, level with the gaps between them.
    addHiddenLabel({0, 120, 495, 495});
    Image12 = addPicture("Image12", {1080, 480, 3330, 495}, QStringLiteral("banner-qabalistic.bmp"), true);
    Image11 = addPreviewPane("Image11", {1200, 1200, 3000, 4545});
    addTextPane({960, 6120, 3495, 1695});
    Image1 = addCardSlot("Image1", {7680, 480, 1170, 1755}, position(1));
    Image2 = addCardSlot("Image2", {5880, 1440, 1170, 1755}, position(2));
    Image3 = addCardSlot("Image3", {9480, 1440, 1170, 1755}, position(3));
    Image4 = addCardSlot("Image4", {7680, 2400, 1170, 1755}, position(4));
    Image5 = addCardSlot("Image5", {5880, 3360, 1170, 1755}, position(5));
    Image6 = addCardSlot("Image6", {9480, 3360, 1170, 1755}, position(6));
    Image7 = addCardSlot("Image7", {7680, 4320, 1170, 1755}, position(7));
    Image8 = addCardSlot("Image8", {5880, 5280, 1170, 1755}, position(8));
    Image9 = addCardSlot("Image9", {9480, 5280, 1170, 1755}, position(9));
    Image10 = addCardSlot("Image10", {7680, 6240, 1170, 1755}, position(10));

    wireControls();

    command("exit", QStringLiteral("&Exit"), &Form4::exit_Click);
    command("info", QStringLiteral("&Information"), &Form4::info_Click);
    command("shuffle", QStringLiteral("&Shuffle"), &Form4::shuffle_Click);
    command("main", QStringLiteral("&Main"), &Form4::main_Click);
    command("ccs", QStringLiteral("&Celtic"), &Form4::ccs_Click);
    sizeToDesign();
}

} // namespace quillmere
