#pragma once

#include "SpreadWindow.h"

namespace quillmere {

// The Qabalistic window: ten cards in three columns as the tree of ten.
class Form4 final : public SpreadWindow {
    Q_OBJECT
public:
    static constexpr QSize ReferenceSize{792, 573};

    explicit Form4(Shell &shell);

    ImageControl *Image1, *Image2, *Image3, *Image4, *Image5; // card slots
    ImageControl *Image6, *Image7, *Image8, *Image9, *Image10;
    ImageControl *Image11; // preview pane
    ImageControl *Image12; // heading banner

    void Image1_DblClick() { Reveal(Image1); }
    void Image2_DblClick() { Reveal(Image2); }
    void Image3_DblClick() { Reveal(Image3); }
    void Image4_DblClick() { Reveal(Image4); }
    void Image5_DblClick() { Reveal(Image5); }
    void Image6_DblClick() { Reveal(Image6); }
    void Image7_DblClick() { Reveal(Image7); }
    void Image8_DblClick() { Reveal(Image8); }
    void Image9_DblClick() { Reveal(Image9); }
    void Image10_DblClick() { Reveal(Image10); }
    void Image1_MouseDown(short Button, short, float, float) { CopyToPreview(Image1, Button); }
    void Image2_MouseDown(short Button, short, float, float) { CopyToPreview(Image2, Button); }
    void Image3_MouseDown(short Button, short, float, float) { CopyToPreview(Image3, Button); }
    void Image4_MouseDown(short Button, short, float, float) { CopyToPreview(Image4, Button); }
    void Image5_MouseDown(short Button, short, float, float) { CopyToPreview(Image5, Button); }
    void Image6_MouseDown(short Button, short, float, float) { CopyToPreview(Image6, Button); }
    void Image7_MouseDown(short Button, short, float, float) { CopyToPreview(Image7, Button); }
    void Image8_MouseDown(short Button, short, float, float) { CopyToPreview(Image8, Button); }
    void Image9_MouseDown(short Button, short, float, float) { CopyToPreview(Image9, Button); }
    void Image10_MouseDown(short Button, short, float, float) { CopyToPreview(Image10, Button); }
    void Image11_Click() { ClearPreview(); }
    void main_Click() { navigateTo(WindowKind::Main); }
    void ccs_Click() { navigateTo(WindowKind::Celtic); }
};

} // namespace quillmere
