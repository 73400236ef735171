#pragma once

#include <QLabel>

namespace quillmere {

// A picture control: shows one picture stretched to its size and reports the
// mouse as the windows' handlers want it.
//  - The picture is a bitmap, and may name its rendition (Renditions): the
//    control paints the bitmap while it is no larger than the bitmap in device
//    pixels, and the rendition, smoothly scaled to its size, where it is larger.
//  - DblClick: a double click of the left button.
//  - MouseDown: any press, with the button code (1 left, 2 right, 4 middle),
//    the shift state (1 Shift, 2 Ctrl, 4 Alt) and the position in twips. The
//    second press of a right or middle double click is a press like the first.
//  - Click: the left button pressed and released over the control.
class ImageControl final : public QLabel {
    Q_OBJECT
public:
    // The button code MouseDown reports for the right button.
    static constexpr short RightButton = 2;

    explicit ImageControl(QWidget *parent = nullptr);

    QPixmap picture() const { return pixmap(); }
    QString rendition() const { return m_rendition; }
    // The description tells assistive technology what the picture shows; the
    // rendition is the resource name of the same picture drawn larger.
    void setPicture(const QPixmap &picture, const QString &description = {}, const QString &rendition = {});

signals:
    void DblClick();
    void MouseDown(short Button, short Shift, float X, float Y);
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void reportPress(const QMouseEvent *event);
    QRect pictureRect() const;
    QPixmap renditionFor(QSize devicePixels);

    bool m_leftPressed = false;
    QString m_rendition;
    QPixmap m_scaled; // m_rendition at the size last painted; emptied when the rendition changes
    bool m_painted = false;
};

} // namespace quillmere
