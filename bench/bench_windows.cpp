// The main window's interactive paths, on whatever platform QT_QPA_PLATFORM
// names (the run-all script uses offscreen): relayout on a resize, and a
// double click on a slot until its new face is painted.
#include "shell/ProportionalLayout.h"
#include "shell/Shell.h"
#include "windows/Form1.h"

#include <QApplication>
#include <QDir>
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
    }
};

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
}
BENCHMARK(BM_DoubleClickToPaintedFace)->Unit(benchmark::kMicrosecond);

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
