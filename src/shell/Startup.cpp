#include "Startup.h"

#include "windows/Artwork.h"

#include <QApplication>

namespace quillmere {

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quillmere Tarot"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillmere.tarot"));
    // The spread windows have no caption at all: without a display name of its
    // own, Qt would put the application name in an empty title.
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    // The program ends when its last window is unloaded, hidden or not; the shell decides.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Artwork::programIcon());
}

} // namespace quillmere
