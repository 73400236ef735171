#pragma once

#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "windows/SpreadWindow.h"

#include <QImage>
#include <QPixmap>
#include <QString>

// What a spread window's slots should show, in a form two pictures can be
// compared in: every picture as 32-bit RGB.
namespace DealtCards {

inline QImage rgb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// A bitmap of the program, by its number.
inline QImage bitmap(int id)
{
    return quillmere::CardBitmaps::loadImage(id).convertToFormat(QImage::Format_RGB32);
}

// The card at a row of the window's Card_Order, and its face.
inline int cardAt(const quillmere::SpreadWindow &window, int row)
{
    return static_cast<int>(*window.deck().cardOrder()[static_cast<std::size_t>(row)][1]);
}
inline QImage faceAtRow(const quillmere::SpreadWindow &window, int row)
{
    return bitmap(quillmere::cardFace(cardAt(window, row))->bitmapId);
}

// The card's name, as assistive technology hears it.
inline QString nameOf(int card)
{
    const std::string_view name = quillmere::cardFace(card)->name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace DealtCards
