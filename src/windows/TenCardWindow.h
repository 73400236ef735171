#pragma once

#include "SpreadWindow.h"

namespace quillmere {

// What the two ten-card windows share: ten card slots, the preview pane
// Image11, the heading banner Image12 and their handlers. Each window places
// the controls by its own layout table and then wires them.
class TenCardWindow : public SpreadWindow {
    Q_OBJECT
public:
    ImageControl *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr;
    ImageControl *Image6 = nullptr, *Image7 = nullptr, *Image8 = nullptr, *Image9 = nullptr, *Image10 = nullptr;
    ImageControl *Image11 = nullptr; // preview pane
    ImageControl *Image12 = nullptr; // heading banner

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

protected:
    using SpreadWindow::SpreadWindow;

    // A slot's position in the spread, as assistive technology names it.
    static QString position(int slot) { return QStringLiteral("Position %1").arg(slot); }

    // Connects the slots and the pane to the handlers above, once they are placed.
    void wireControls();
};

} // namespace quillmere
