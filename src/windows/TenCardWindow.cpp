#include "TenCardWindow.h"

namespace quillmere {

void TenCardWindow::wireControls()
{
    wire(Image1, &TenCardWindow::Image1_DblClick, &TenCardWindow::Image1_MouseDown);
    wire(Image2, &TenCardWindow::Image2_DblClick, &TenCardWindow::Image2_MouseDown);
    wire(Image3, &TenCardWindow::Image3_DblClick, &TenCardWindow::Image3_MouseDown);
    wire(Image4, &TenCardWindow::Image4_DblClick, &TenCardWindow::Image4_MouseDown);
    wire(Image5, &TenCardWindow::Image5_DblClick, &TenCardWindow::Image5_MouseDown);
    wire(Image6, &TenCardWindow::Image6_DblClick, &TenCardWindow::Image6_MouseDown);
    wire(Image7, &TenCardWindow::Image7_DblClick, &TenCardWindow::Image7_MouseDown);
    wire(Image8, &TenCardWindow::Image8_DblClick, &TenCardWindow::Image8_MouseDown);
    wire(Image9, &TenCardWindow::Image9_DblClick, &TenCardWindow::Image9_MouseDown);
    wire(Image10, &TenCardWindow::Image10_DblClick, &TenCardWindow::Image10_MouseDown);
    connect(Image11, &ImageControl::Click, this, &TenCardWindow::Image11_Click);
}

} // namespace quillmere
