// Starts like the program (or, built as the bare probe, like the smallest Qt
// main window) and prints the monotonic clock once the first paint of the
// window's client area is done, then leaves at once.
//
// The program's probe takes an optional argument naming the window to time:
// "main" (the default), or "celtic", "qabalistic" or "information", which it
// opens by that command once the main window has painted. It prints
//   <paint ns> <command ns> <what painted> <peak kB>
// where the command time is 0 for the main window, what painted is "window",
// or "box" when an error box came instead of the window, and the peak is the
// process's largest resident memory so far. The probe reads its peak itself:
// the rusage of a spawned child also counts its parent's memory before exec.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

#ifndef BARE_WINDOW
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "windows/SpreadWindow.h"
#endif

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long peakKb()
{
    long kb = -1;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
                break;
        }
        std::fclose(status);
    }
    return kb;
}

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const char *className) : m_className(className) {}

    // Runs once, at the first paint of a window of this class, before the target is watched.
    void onFirstPaintOf(const char *className, std::function<void()> action)
    {
        m_beforeClass = className;
        m_before = std::move(action);
    }
    long long commandNs = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_seen || !watched->isWidgetType())
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        if (!window->isVisible())
            return false;
        if (m_before && window->inherits(m_beforeClass)) {
            // Queued, so that this window's paint is over before the command runs.
            QTimer::singleShot(0, [action = std::exchange(m_before, {}), this] {
                commandNs = monotonicNs();
                action();
            });
        } else if (!m_before && (window->inherits(m_className) || window->inherits("QMessageBox"))) {
            m_seen = true;
            const char *what = window->inherits("QMessageBox") ? "box" : "window";
            // Queued: runs once this paint and its flush to the screen are over.
            QTimer::singleShot(0, [this, what] {
                const long long now = monotonicNs();
                std::printf("%lld %lld %s %ld\n", now, commandNs, what, peakKb());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    const char *m_className;
    const char *m_beforeClass = nullptr;
    std::function<void()> m_before;
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
    using quillmere::WindowKind;
    const char *target = argc > 1 ? argv[1] : "main";
    quillmere::prepareApplication();
    quillmere::Shell shell;
    const auto from = [&shell](WindowKind to) {
        return [&shell, to] { shell.navigate(shell.loaded(WindowKind::Main), to); };
    };
    FirstPaint watcher(std::strcmp(target, "information") == 0 ? "quillmere::Form2"
                       : std::strcmp(target, "celtic") == 0    ? "quillmere::Form3"
                       : std::strcmp(target, "qabalistic") == 0 ? "quillmere::Form4"
                                                                : "quillmere::SpreadWindow");
    if (std::strcmp(target, "information") == 0)
        watcher.onFirstPaintOf("quillmere::Form1", [&shell] { shell.information(); });
    else if (std::strcmp(target, "celtic") == 0)
        watcher.onFirstPaintOf("quillmere::Form1", from(WindowKind::Celtic));
    else if (std::strcmp(target, "qabalistic") == 0)
        watcher.onFirstPaintOf("quillmere::Form1", from(WindowKind::Qabalistic));
    app.installEventFilter(&watcher);
    shell.start();
    return QApplication::exec();
#endif
}
