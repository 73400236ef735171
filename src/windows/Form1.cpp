#include "Form1.h"

#include "Artwork.h"

#include <QLabel>

namespace quillmere {

namespace {

const QColor kCaption(192, 192, 192);
const QColor kNotice(128, 128, 128);

} // namespace

Form1::Form1(Shell &shell) : SpreadWindow(shell, ReferenceSize)
{
    setWindowIcon(Artwork::programIcon());

    // Design rectangles in twips: left, top, width, height.
    Image5 = addPicture("Image5", {2520, 240, 6780, 1560}, QStringLiteral("title.bmp"), true);
    addHiddenLabel({960, 1200, 495, 375});
    Image8 = addPicture("Image8", {5280, 2280, 1905, 540}, QStringLiteral("flourish-left.bmp"), false);
    Image4 = addPicture("Image4", {7440, 2160, 720, 720}, QStringLiteral("star.bmp"), true);
    Image7 = addPicture("Image7", {8520, 2280, 1905, 540}, QStringLiteral("flourish-right.bmp"), false);
    Image6 = addPreviewPane("Image6", {1200, 2520, 3060, 4605});
    Image1 = addCardSlot("Image1", {7320, 3480, 1170, 1755}, QStringLiteral("Present"));
    Image2 = addCardSlot("Image2", {5760, 3480, 1170, 1755}, QStringLiteral("Past"));
    Image3 = addCardSlot("Image3", {8880, 3480, 1170, 1755}, QStringLiteral("Future"));
    Label4 = addLabel("Label4", {6120, 5280, 615, 255}, QStringLiteral("Past"), kCaption);
    Label3 = addLabel("Label3", {7680, 5280, 735, 255}, QStringLiteral("Present"), kCaption);
    Label5 = addLabel("Label5", {9240, 5280, 735, 255}, QStringLiteral("Future"), kCaption);
    addTextPane({5640, 5760, 4695, 1815});
    Label2 = addLabel("Label2", {3840, 8160, 4095, 255},
                      QStringLiteral("Double-click to deal \u00b7 right-click to enlarge"), kNotice);

    wire(Image1, &Form1::Image1_DblClick, &Form1::Image1_MouseDown);
    wire(Image2, &Form1::Image2_DblClick, &Form1::Image2_MouseDown);
    wire(Image3, &Form1::Image3_DblClick, &Form1::Image3_MouseDown);
    connect(Image6, &ImageControl::Click, this, &Form1::Image6_Click);

    command("exit", QStringLiteral("&Exit"), &Form1::exit_Click);
    command("info", QStringLiteral("&Information"), &Form1::info_Click);
    command("shuffle", QStringLiteral("&Shuffle"), &Form1::shuffle_Click);
    command("ccs", QStringLiteral("&Celtic"), &Form1::ccs_Click);
    command("qts", QStringLiteral("&Qabalistic"), &Form1::qts_Click);
    sizeToDesign();
}

} // namespace quillmere
