// Starts like the program (or, built as the bare probe, like the smallest Qt
// main window) and prints the monotonic clock once the first paint of the
// window's client area is done, then leaves at once.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

#ifndef BARE_WINDOW
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "windows/SpreadWindow.h"
#endif

namespace {

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const char *className) : m_className(className) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (window->inherits(m_className) && window->isVisible()) {
                m_seen = true;
                // Queued: runs once this paint and its flush to the screen are over.
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    const char *m_className;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef BARE_WINDOW
    FirstPaint watcher("QMainWindow");
    app.installEventFilter(&watcher);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Quillmere Tarot")));
    window.showMaximized();
    return QApplication::exec();
#else
    FirstPaint watcher("quillmere::SpreadWindow");
    app.installEventFilter(&watcher);
    quillmere::prepareApplication();
    quillmere::Shell shell;
    shell.start();
    return QApplication::exec();
#endif
}
