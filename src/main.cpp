#include "shell/Shell.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quillmere::prepareApplication();
    quillmere::Shell shell;
    shell.start();
    return QApplication::exec();
}
