#include "ImageControl.h"

#include "deck/Renditions.h"
#include "shell/DesignUnits.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>

namespace quillmere {

namespace {

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

void ImageControl::setPicture(const QPixmap &picture, const QString &description, const QString &rendition)
{
    setPixmap(picture);
    setAccessibleDescription(description);
    if (rendition != m_rendition)
        m_scaled = QPixmap();
    m_rendition = rendition;
}

QRect ImageControl::pictureRect() const
{
    if (hasScaledContents())
        return contentsRect();
    return QStyle::alignedRect(layoutDirection(), alignment(), pixmap().deviceIndependentSize().toSize(),
                               contentsRect());
}

QPixmap ImageControl::renditionFor(QSize devicePixels)
{
    if (!m_scaled.isNull() && m_scaled.size() == devicePixels)
        return m_scaled;
    // A control's first paint takes the rendition only if it is at hand, and
    // asks for another paint once this one is over: no window waits for a
    // rendition to be decoded before it first shows.
    const QSize bitmapSize = pixmap().size();
    const QImage source = m_painted ? Renditions::load(m_rendition, bitmapSize)
                                    : Renditions::cached(m_rendition, bitmapSize);
    if (source.isNull()) {
        if (!m_painted)
            QTimer::singleShot(0, this, qOverload<>(&QWidget::update));
        return {};
    }
    // Scaled in true colour: a palette picture scaled as it is comes back with
    // the palette's format, dithered to a fixed cube of colours.
    const QImage rgb = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                       : QImage::Format_RGB32);
    m_scaled = QPixmap::fromImage(
        rgb.size() == devicePixels ? rgb : rgb.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.setDevicePixelRatio(devicePixelRatioF());
    return m_scaled;
}

void ImageControl::paintEvent(QPaintEvent *event)
{
    const QRect target = pictureRect();
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels(qRound(target.width() * ratio), qRound(target.height() * ratio));
    const QSize bitmapSize = pixmap().size();
    const bool larger = devicePixels.width() > bitmapSize.width() || devicePixels.height() > bitmapSize.height();
    QPixmap sharp;
    if (!m_rendition.isEmpty() && !pixmap().isNull() && larger)
        sharp = renditionFor(devicePixels);
    m_painted = true;
    if (!sharp.isNull()) {
        QPainter painter(this);
        drawFrame(&painter);
        painter.drawPixmap(target, sharp);
        return;
    }
    m_scaled = QPixmap();
    const bool enlarged = devicePixels.width() >= bitmapSize.width() && devicePixels.height() >= bitmapSize.height();
    if (pixmap().isNull() || !larger || !enlarged) {
        // Made smaller, the bitmap is averaged down once and kept at this size.
        QLabel::paintEvent(event);
        return;
    }
    // Made larger, with no rendition (or its rendition still to come), the
    // bitmap is filtered as it is drawn: the same stretch as scaling it first,
    // without making and keeping a copy at this size.
    QPainter painter(this);
    drawFrame(&painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pixmap());
}

void ImageControl::reportPress(const QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()) * TwipsPerPixel,
                   float(at.y()) * TwipsPerPixel);
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
