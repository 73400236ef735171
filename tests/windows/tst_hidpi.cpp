#include "../support/ShellFixture.h"
#include "../support/WaitUntil.h"
#include "shell/ProportionalLayout.h"
#include "windows/Form1.h"
#include "windows/SpreadWindow.h"

#include <QScreen>
#include <QTest>
#include <set>

using namespace quillmere;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

// Distinct colours in a picture: a picture scaled smoothly has many where a
// nearest-neighbour stretch keeps only its source's few.
std::size_t colours(const QImage &image)
{
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

} // namespace

// Run with a device pixel ratio of 2 (ctest sets QT_SCALE_FACTOR).
class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void layoutKeepsItsProportions_data();
    void layoutKeepsItsProportions();
    void picturesStaySmooth();
    void flourishesShowTheirRenditions();
};

void TestHiDpi::layoutKeepsItsProportions_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("main") << WindowKind::Main;
    QTest::newRow("celtic") << WindowKind::Celtic;
    QTest::newRow("qabalistic") << WindowKind::Qabalistic;
}

void TestHiDpi::layoutKeepsItsProportions()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->devicePixelRatio(), 2.0);

    window->showNormal();
    const QSize reference = window->proportionalLayout()->reference();
    waitUntil([&] { return window->centralWidget()->size() == reference; });
    QCOMPARE(window->centralWidget()->size(), reference);
    for (ImageControl *slot : window->cardSlots())
        QCOMPARE(slot->size(), QSize(78, 117)); // in device-independent pixels: 156 by 234 on the screen

    // Any client size: every control where the proportion puts it.
    const QSize client(1003, 611);
    window->proportionalLayout()->setGeometry(QRect(QPoint(), client));
    for (ImageControl *slot : window->cardSlots()) {
        QVERIFY(std::abs(slot->width() - 78.0 * client.width() / reference.width()) <= 1.0);
        QVERIFY(std::abs(slot->height() - 117.0 * client.height() / reference.height()) <= 1.0);
    }
}

void TestHiDpi::picturesStaySmooth()
{
    ShellFixture f;
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(WindowKind::Main));
    f.shell.show(window);
    window->showNormal();
    waitUntil([&] { return window->centralWidget()->size() == QSize(792, 573); });
    QCOMPARE(window->centralWidget()->size(), QSize(792, 573));
    ImageControl *slot = window->cardSlots().first();

    const QImage shown = slot->grab().toImage();
    QCOMPARE(shown.size(), QSize(156, 234)); // drawn at the screen's own resolution
    // The back holds two colours, blue and black; stretched smoothly it shows their blends.
    QVERIFY2(colours(shown) > 8, qPrintable(QString::number(colours(shown))));

    QTest::mouseDClick(slot, Qt::LeftButton);
    QTest::mousePress(slot, Qt::RightButton);
    const QImage preview = window->previewPane()->grab().toImage();
    QCOMPARE(preview.size(), QSize(408, 614));
    QVERIFY(colours(preview) > colours(slot->picture().toImage()) / 2);
}

// Shown at their own size, the flourishes take 254 by 72 screen pixels: their
// renditions at twice the bitmap's size, pixel for pixel.
void TestHiDpi::flourishesShowTheirRenditions()
{
    ShellFixture f;
    auto *window = qobject_cast<Form1 *>(f.shell.load(WindowKind::Main));
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (ImageControl *flourish : {window->Image8, window->Image7}) {
        const QString name = flourish == window->Image8 ? "flourish-left" : "flourish-right";
        QImage rendition = QImage(":/renditions/" + name + ".png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(rendition.size(), QSize(254, 72));
        rendition.setDevicePixelRatio(2);
        const auto shown = [&] {
            return flourish->grab(QRect(0, 0, 127, 36)).toImage().convertToFormat(QImage::Format_RGB32);
        };
        waitUntil([&] { return shown() == rendition; });
        QCOMPARE(shown(), rendition);
    }
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
