#pragma once

#include <QLabel>

namespace quillmere {

// A picture control: shows one picture stretched to its size and reports the
// mouse as the windows' handlers want it.
//  - DblClick: a double click of the left button.
//  - MouseDown: any press, with the button code (1 left, 2 right, 4 middle),
//    the shift state (1 Shift, 2 Ctrl, 4 Alt) and the position in twips. The
//    second press of a right or middle double click is a press like the first.
//  - Click: the left button pressed and released over the control.
class ImageControl final : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);

    QPixmap picture() const { return pixmap(); }
    // The description tells assistive technology what the picture shows.
    void setPicture(const QPixmap &picture, const QString &description = {});

signals:
    void DblClick();
    void MouseDown(short Button, short Shift, float X, float Y);
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void reportPress(const QMouseEvent *event);

    bool m_leftPressed = false;
};

} // namespace quillmere
