#include "Startup.h"

#include "windows/Artwork.h"

#include <QApplication>

#include <cstdlib>
#include <thread>

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

void endProcessWithin(std::chrono::milliseconds bound, int status)
{
    // A detached thread: when the teardown returns first, the process ends
    // through main as usual and takes the sleeping thread with it.
    std::thread([bound, status] {
        std::this_thread::sleep_for(bound);
        std::_Exit(status);
    }).detach();
}

} // namespace quillmere
