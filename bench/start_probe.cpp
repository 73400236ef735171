// Starts like the program (or, built as the bare probe, like the smallest Qt
// main window) and prints the monotonic clock once the first paint of the
// window's client area is done, then leaves at once. The program's probe also
// prints how many renditions were decoded by then.
//   quillmere-start-probe           exec to first paint
//   quillmere-start-probe --celtic  then opens the Celtic Cross, deals all ten
//                                   slots, enlarges one into the preview pane,
//                                   and leaves once that is painted (the bare
//                                   probe only shows its window)
// The program's probe also builds against older trees, without renditions, so
// that today's figures can be taken side by side with a change's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>

#ifndef BARE_WINDOW
#include "shell/Shell.h"
#include "shell/Startup.h"
#include "windows/Form3.h"
#if __has_include("deck/Renditions.h")
#include "deck/Renditions.h"
#define HAS_RENDITIONS 1
#endif
#endif

namespace {

int renditionsDecoded()
{
#ifdef HAS_RENDITIONS
    return quillmere::Renditions::decodedCount();
#else
    return 0;
#endif
}

[[noreturn]] void report()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld %d\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, renditionsDecoded());
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstPaint final : public QObject {
public:
    FirstPaint(const char *className, std::function<void()> then) : m_className(className), m_then(std::move(then)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_then && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (window->inherits(m_className) && window->isVisible()) {
                // Queued: runs once this paint and its flush to the screen are over.
                QTimer::singleShot(0, std::exchange(m_then, nullptr));
            }
        }
        return false;
    }

private:
    const char *m_className;
    std::function<void()> m_then;
};

#ifndef BARE_WINDOW
// In the Celtic Cross window: every slot dealt, the last one enlarged, all painted.
void dealTenAndEnlarge(quillmere::Form3 *window)
{
    using quillmere::ImageControl;
    const QList<ImageControl *> cards = window->cardSlots();
    for (ImageControl *card : cards)
        emit card->DblClick();
    emit cards.last()->MouseDown(2, 0, 0, 0);
    window->repaint();
    report();
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool celtic = argc > 1 && std::strcmp(argv[1], "--celtic") == 0;
#ifdef BARE_WINDOW
    (void)celtic;
    FirstPaint watcher("QMainWindow", report);
    app.installEventFilter(&watcher);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Quillmere Tarot")));
    window.showMaximized();
    return QApplication::exec();
#else
    quillmere::prepareApplication();
    quillmere::Shell shell;
    FirstPaint mainWatcher("quillmere::SpreadWindow", report);
    FirstPaint celticWatcher("quillmere::Form3", [&shell] {
        dealTenAndEnlarge(qobject_cast<quillmere::Form3 *>(shell.loaded(quillmere::WindowKind::Celtic)));
    });
    if (celtic) {
        app.installEventFilter(&celticWatcher);
        QTimer::singleShot(0, [&shell] {
            shell.navigate(shell.loaded(quillmere::WindowKind::Main), quillmere::WindowKind::Celtic);
        });
    } else {
        app.installEventFilter(&mainWatcher);
    }
    shell.start();
    return QApplication::exec();
#endif
}
