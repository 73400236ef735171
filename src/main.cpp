#include "shell/Shell.h"
#include "windows/Artwork.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere Tarot"));
    QApplication::setDesktopFileName(QStringLiteral("quillmere-tarot"));
    // The spread windows have no caption at all: without a display name of its
    // own, Qt would put the application name in an empty title.
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    // The program ends when its last window is unloaded, hidden or not; the shell decides.
    QApplication::setQuitOnLastWindowClosed(false);

    quillmere::Shell shell;
    shell.start();
    return QApplication::exec();
}
