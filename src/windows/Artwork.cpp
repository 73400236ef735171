#include "Artwork.h"

#include "shell/FatalError.h"

namespace quillmere::Artwork {

QPixmap picture(const QString &name)
{
    QPixmap pixmap;
    if (!pixmap.load(QStringLiteral(":/artwork/") + name))
        throw FatalError(QStringLiteral("The picture \u201c%1\u201d of the program is missing or damaged.").arg(name));
    return pixmap;
}

QCursor Hand_Cursor()
{
    return QCursor(picture(QStringLiteral("hand-cursor.png")), 0, 0);
}

QIcon programIcon()
{
    // The window's icon; the larger renditions are for the desktop's icon
    // theme, and decoding them here would only slow the start.
    QIcon icon;
    for (int size : {32, 64})
        icon.addFile(QStringLiteral(":/icons/quillmere-tarot-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quillmere::Artwork
