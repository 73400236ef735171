#include "shell/Shell.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quillmere::prepareApplication();
    quillmere::Shell shell;
    shell.start();
    const int status = QApplication::exec();
    // The windows are gone and the status is decided: what follows only tears
    // Qt down, which must not keep the process alive.
    quillmere::endProcessWithin(std::chrono::seconds(3), status);
    return status;
}
