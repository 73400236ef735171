#include "ImageControl.h"

#include <QMouseEvent>

namespace quillmere {

namespace {

constexpr float kTwipsPerPixel = 15.0f;

short buttonCode(Qt::MouseButton button)
{
    // Left, right and middle carry the codes 1, 2 and 4 in Qt too; buttons past
    // the sixteen bits of a code report 0.
    const auto value = static_cast<unsigned>(button);
    return value <= 0x7fff ? static_cast<short>(value) : short(0);
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace

ImageControl::ImageControl(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true);
}

void ImageControl::setPicture(const QPixmap &picture, const QString &description)
{
    setPixmap(picture);
    setAccessibleDescription(description);
}

void ImageControl::reportPress(const QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                   float(at.x()) * kTwipsPerPixel, float(at.y()) * kTwipsPerPixel);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    reportPress(event);
    event->accept();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) {
        reportPress(event);
        return;
    }
    // The release that ends the double click completes a click, as it would
    // after an ordinary press.
    m_leftPressed = true;
    emit DblClick();
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = std::exchange(m_leftPressed, false);
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace quillmere
