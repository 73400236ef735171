#include "Artwork.h"

#include "errors/FatalError.h"

#include <QApplication>

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
    // Decoded once: the application carries it from start-up on.
    if (const QIcon shared = QApplication::windowIcon(); !shared.isNull())
        return shared;
    // The larger renditions are for the desktop's icon theme; decoding them
    // here would only slow the start.
    QIcon icon;
    for (int size : {32, 64})
        icon.addFile(QStringLiteral(":/icons/quillmere-tarot-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quillmere::Artwork
