// Starts like the program (or, built as the bare probe, like the smallest Qt
// main window) and prints the monotonic clock once the first paint of the
// window's client area is done, then leaves at once.
//
// The program's probe takes an optional command naming what to time:
//   main          the main window (the default)
//   celtic, qabalistic, information
//                 that window, opened by its command once the main window has
//                 painted
//   celtic-dealt  the Celtic Cross opened so, then all ten slots dealt and the
//                 last one enlarged into the preview pane, and all painted
// It prints one line:
//   <paint ns> <command ns> <what painted> <peak kB> <renditions decoded>
// where the command time is 0 for the main window, what painted is "window",
// or "box" when an error box came instead of the window, the peak is the
// process's largest resident memory so far and the last figure counts the
// renditions decoded by then. The probe reads its peak itself: the rusage of a
// spawned child also counts its parent's memory before exec. An unknown command
// prints nothing and ends the probe with status 2.
//
// The bare probe takes no command and prints the same line, with no command
// time and no renditions. The program's probe also builds against older trees,
// without renditions (it then reports none decoded), so that today's figures
// can be taken side by side with a change's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

#ifndef BARE_WINDOW
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "windows/SpreadWindow.h"
#if __has_include("deck/Renditions.h")
#include "deck/Renditions.h"
#define HAS_RENDITIONS 1
#endif
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

int renditionsDecoded()
{
#ifdef HAS_RENDITIONS
    return quillmere::Renditions::decodedCount();
#else
    return 0;
#endif
}

[[noreturn]] void report(long long commandNs, const char *painted)
{
    const long long now = monotonicNs();
    std::printf("%lld %lld %s %ld %d\n", now, commandNs, painted, peakKb(), renditionsDecoded());
    std::fflush(stdout);
    std::_Exit(0);
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
    // Runs on the target window once its first paint is over, before the report.
    void thenOnTarget(std::function<void(QWidget *)> action) { m_onTarget = std::move(action); }

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
                m_commandNs = monotonicNs();
                action();
            });
        } else if (!m_before && (window->inherits(m_className) || window->inherits("QMessageBox"))) {
            m_seen = true;
            const bool box = window->inherits("QMessageBox");
            // Queued: runs once this paint and its flush to the screen are over.
            QTimer::singleShot(0, [this, box, target = QPointer<QWidget>(window)] {
                if (!box && target && m_onTarget)
                    m_onTarget(target);
                report(m_commandNs, box ? "box" : "window");
            });
        }
        return false;
    }

private:
    const char *m_className;
    const char *m_beforeClass = nullptr;
    std::function<void()> m_before;
    std::function<void(QWidget *)> m_onTarget;
    long long m_commandNs = 0;
    bool m_seen = false;
};

#ifndef BARE_WINDOW
// In a spread window: every slot dealt, the last one enlarged, all painted.
void dealAllAndEnlarge(QWidget *window)
{
    using quillmere::ImageControl;
    auto *spread = qobject_cast<quillmere::SpreadWindow *>(window);
    if (!spread || spread->cardSlots().isEmpty()) {
        // Reporting now would pass off the bare window's figures as the dealt ones.
        std::fprintf(stderr, "the window has no card slots to deal\n");
        std::_Exit(1);
    }
    const QList<ImageControl *> cards = spread->cardSlots();
    for (ImageControl *card : cards)
        emit card->DblClick();
    emit cards.last()->MouseDown(2, 0, 0, 0);
    window->repaint();
}
#endif

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
    const char *command = argc > 1 ? argv[1] : "main";
    const auto is = [command](const char *name) { return std::strcmp(command, name) == 0; };
    if (!is("main") && !is("celtic") && !is("qabalistic") && !is("information") && !is("celtic-dealt")) {
        std::fprintf(stderr, "%s: unknown command \"%s\" (main, celtic, qabalistic, information, celtic-dealt)\n",
                     argv[0], command);
        return 2;
    }
    quillmere::prepareApplication();
    quillmere::Shell shell;
    const auto from = [&shell](WindowKind to) {
        return [&shell, to] { shell.navigate(shell.loaded(WindowKind::Main), to); };
    };
    FirstPaint watcher(is("information")                    ? "quillmere::Form2"
                       : is("celtic") || is("celtic-dealt") ? "quillmere::Form3"
                       : is("qabalistic")                   ? "quillmere::Form4"
                                                            : "quillmere::SpreadWindow");
    if (is("information"))
        watcher.onFirstPaintOf("quillmere::Form1", [&shell] { shell.information(); });
    else if (is("celtic") || is("celtic-dealt"))
        watcher.onFirstPaintOf("quillmere::Form1", from(WindowKind::Celtic));
    else if (is("qabalistic"))
        watcher.onFirstPaintOf("quillmere::Form1", from(WindowKind::Qabalistic));
    if (is("celtic-dealt"))
        watcher.thenOnTarget(dealAllAndEnlarge);
    app.installEventFilter(&watcher);
    shell.start();
    return QApplication::exec();
#endif
}
