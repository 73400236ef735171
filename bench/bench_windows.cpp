// The main window's interactive paths, on whatever screen the platform gives
// (run-all.sh runs them under Xvfb with openbox at 1280x800 and 3840x2160):
// relayout on a resize, a double click on a slot until its new face is
// painted, and a right press until the enlarged face is painted in the preview
// pane. Each benchmark's label names the screen it ran on.
#include "shell/ProportionalLayout.h"
#include "shell/Shell.h"
#include "windows/Form1.h"
// Builds against trees from before the renditions too, for side-by-side figures.
#if __has_include("deck/Renditions.h")
#include "deck/Renditions.h"
#define HAS_RENDITIONS 1
#endif

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace quillmere;

namespace {

struct OpenMainWindow {
    Shell shell{[](const QString &message) { qFatal("%s", qPrintable(message)); }, [](int) {}};
    Form1 *form = qobject_cast<Form1 *>(shell.load(WindowKind::Main));
    OpenMainWindow()
    {
        shell.show(form);
        if (!QTest::qWaitForWindowExposed(form))
            qFatal("the main window never showed");
        // Maximized by the window manager, then painted as it shows.
        QTest::qWait(300);
    }
};

std::string screenLabel()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return std::to_string(size.width()) + "x" + std::to_string(size.height()) + " screen";
}

} // namespace

static void BM_RelayoutForm1(benchmark::State &state)
{
    OpenMainWindow open;
    ProportionalLayout *layout = open.form->proportionalLayout();
    const QRect sizes[] = {QRect(0, 0, 1280, 781), QRect(0, 0, 1920, 1050)};
    int i = 0;
    for (auto _ : state) {
        layout->setGeometry(sizes[i]);
        i ^= 1;
    }
}
BENCHMARK(BM_RelayoutForm1)->Unit(benchmark::kMicrosecond);

static void BM_DoubleClickToPaintedFace(benchmark::State &state)
{
    OpenMainWindow open;
    ImageControl *slot = open.form->Image1;
    for (auto _ : state) {
        QTest::mouseDClick(slot, Qt::LeftButton);
        slot->repaint(); // paint now, as the event loop would next
    }
    state.SetLabel(screenLabel());
}
BENCHMARK(BM_DoubleClickToPaintedFace)->Unit(benchmark::kMicrosecond);

// Two faces dealt and painted on their slots; each press copies the other one
// into the pane, as a user comparing two cards would. The slots painted their
// faces, so where they are larger than their bitmaps the renditions are
// decoded already; with `cold` the cache is emptied before each press.
static void rightPressToPaintedPane(benchmark::State &state, [[maybe_unused]] bool cold)
{
    OpenMainWindow open;
    ImageControl *cards[] = {open.form->Image2, open.form->Image3};
    for (ImageControl *card : cards) {
        QTest::mouseDClick(card, Qt::LeftButton);
        card->repaint();
    }
    int i = 0;
    for (auto _ : state) {
#if HAS_RENDITIONS
        if (cold) {
            state.PauseTiming();
            Renditions::clearCache();
            state.ResumeTiming();
        }
#endif
        QTest::mousePress(cards[i], Qt::RightButton);
        open.form->Image6->repaint();
        QTest::mouseRelease(cards[i], Qt::RightButton);
        i ^= 1;
    }
    state.SetLabel(screenLabel());
}

static void BM_RightPressToPaintedPane(benchmark::State &state)
{
    rightPressToPaintedPane(state, false);
}
BENCHMARK(BM_RightPressToPaintedPane)->Unit(benchmark::kMicrosecond);

#if HAS_RENDITIONS
static void BM_RightPressToPaintedPaneCold(benchmark::State &state)
{
    rightPressToPaintedPane(state, true);
}
BENCHMARK(BM_RightPressToPaintedPaneCold)->Unit(benchmark::kMicrosecond);
#endif

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && QDir(QString::fromLocal8Bit(argv[argc - 1])).exists(QStringLiteral("meanings.txt")))
        QDir::setCurrent(QString::fromLocal8Bit(argv[--argc]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
