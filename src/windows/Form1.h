#pragma once

#include "SpreadWindow.h"
#include "shell/DesignUnits.h"

namespace quillmere {

// The main window: the three-card spread of Past, Present and Future. The slot
// names do not run from left to right: Image2 is Past, Image1 Present, Image3 Future.
class Form1 final : public SpreadWindow {
    Q_OBJECT
public:
    static constexpr QSize ReferenceSize = DesignSize;

    explicit Form1(Shell &shell);

    ImageControl *Image1, *Image2, *Image3; // card slots
    ImageControl *Image4;                   // star emblem
    ImageControl *Image5;                   // title artwork
    ImageControl *Image6;                   // preview pane
    ImageControl *Image7, *Image8;          // right and left flourish
    QLabel *Label2;                         // notice
    QLabel *Label3, *Label4, *Label5;       // Present, Past, Future

    void Image1_DblClick() { Reveal(Image1); }
    void Image2_DblClick() { Reveal(Image2); }
    void Image3_DblClick() { Reveal(Image3); }
    void Image1_MouseDown(short Button, short, float, float) { CopyToPreview(Image1, Button); }
    void Image2_MouseDown(short Button, short, float, float) { CopyToPreview(Image2, Button); }
    void Image3_MouseDown(short Button, short, float, float) { CopyToPreview(Image3, Button); }
    void Image6_Click() { ClearPreview(); }
    void ccs_Click() { navigateTo(WindowKind::Celtic); }
    void qts_Click() { navigateTo(WindowKind::Qabalistic); }
};

} // namespace quillmere
