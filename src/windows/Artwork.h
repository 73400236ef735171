#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace quillmere::Artwork {

// A window picture from the program's resources, e.g. "title.bmp". Throws
// FatalError when the picture is missing or cannot be decoded.
QPixmap picture(const QString &name);

// The pointing hand shown over every card slot; its hot spot is the fingertip
// at the top left pixel.
QCursor Hand_Cursor();

// The program icon: the main and Information windows show it as their own,
// and the others through the application.
QIcon programIcon();

} // namespace quillmere::Artwork
