// Pictures shown larger than their bitmaps come from their renditions: the
// preview pane at three times its design size, the title as the main window
// first opens; and a slot no larger than its bitmap still shows the bitmap.
#include "../support/PictureDifference.h"
#include "../support/ShellFixture.h"
#include "../support/WaitUntil.h"
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "deck/Renditions.h"
#include "shell/ProportionalLayout.h"
#include "windows/Form1.h"

#include <QTest>
#include <QTimer>

using namespace quillmere;

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage scaledTo(const QImage &picture, QSize size)
{
    return rgb(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Mean absolute difference per channel, 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    return PictureDifference::between(a, b).mean;
}

QImage shown(ImageControl *control)
{
    return control->grab(control->contentsRect()).toImage();
}

Form1 *openMain(ShellFixture &f)
{
    auto *window = qobject_cast<Form1 *>(f.shell.load(WindowKind::Main));
    f.shell.show(window);
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    window->showNormal();
    if (!QTest::qWaitFor([&] { return window->centralWidget()->size() == Form1::ReferenceSize; }))
        return nullptr;
    return window;
}

// Deals onto the slot until a trump lies there: a scene with a band of lettering.
const CardFace &dealATrump(Form1 *window, ImageControl *slot)
{
    for (;;) {
        QTest::mouseDClick(slot, Qt::LeftButton);
        const CardFace &card = SpreadWindow::dealtCard(*window->Label1);
        if (card.suit == Suit::MajorArcana)
            return card;
    }
}

} // namespace

class TestCrispPictures : public QObject {
    Q_OBJECT
private slots:
    void init() { Renditions::clearCache(); }
    void enlargedPaneShowsTheRendition();
    void slotNoLargerThanItsBitmapShowsTheBitmap();
    void firstPaintWaitsForNoRendition();
};

void TestCrispPictures::enlargedPaneShowsTheRendition()
{
    ShellFixture f;
    Form1 *window = openMain(f);
    QVERIFY(window);
    window->proportionalLayout()->setGeometry(QRect(QPoint(), Form1::ReferenceSize * 3));
    ImageControl *pane = window->Image6;
    QCOMPARE(pane->size(), QSize(612, 921));

    const CardFace &card = dealATrump(window, window->Image1);
    QTest::mousePress(window->Image1, Qt::RightButton);
    const QImage inPane = shown(pane);

    const QImage sharp = scaledTo(QImage(Renditions::forBitmap(card.bitmapId)), inPane.size());
    const QImage stretched = scaledTo(CardBitmaps::loadImage(card.bitmapId), inPane.size());
    const double fromRendition = difference(inPane, sharp), fromBitmap = difference(inPane, stretched);
    QVERIFY2(fromRendition < 1.0 && fromRendition * 4 < fromBitmap,
             qPrintable(QStringLiteral("%1: %2 from the rendition, %3 from the bitmap")
                            .arg(QLatin1String(card.name.data(), qsizetype(card.name.size())))
                            .arg(fromRendition)
                            .arg(fromBitmap)));

    // Cleared, the pane is the plain grey blank again.
    QTest::mouseClick(pane, Qt::LeftButton);
    QCOMPARE(shown(pane).pixel(300, 450), qRgb(192, 192, 192));
}

void TestCrispPictures::slotNoLargerThanItsBitmapShowsTheBitmap()
{
    ShellFixture f;
    Form1 *window = openMain(f);
    QVERIFY(window);
    ImageControl *slot = window->Image2;
    QCOMPARE(slot->size(), QSize(78, 117));

    const int decoded = Renditions::decodedCount();
    const CardFace &card = dealATrump(window, slot);
    const QImage inSlot = shown(slot);
    QCOMPARE(Renditions::decodedCount(), decoded);
    QVERIFY(difference(inSlot, scaledTo(CardBitmaps::loadImage(card.bitmapId), inSlot.size())) < 0.5);
}

void TestCrispPictures::firstPaintWaitsForNoRendition()
{
    // The main window's title is larger than its bitmap on the 800 by 800
    // offscreen screen, and so are the star and the card backs.
    const int before = Renditions::decodedCount();
    int atFirstPaint = -1;
    struct FirstPaint final : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && seen && watched->isWidgetType() &&
                static_cast<QWidget *>(watched)->window()->inherits("quillmere::Form1")) {
                // Queued: runs once the whole first frame is painted.
                QTimer::singleShot(0, std::exchange(seen, nullptr));
            }
            return false;
        }
    } watcher;
    watcher.seen = [&] { atFirstPaint = Renditions::decodedCount(); };
    qApp->installEventFilter(&watcher);

    ShellFixture f;
    auto *window = qobject_cast<Form1 *>(f.shell.load(WindowKind::Main));
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    waitUntil([&] { return atFirstPaint >= 0; });
    QVERIFY(atFirstPaint >= 0);
    qApp->removeEventFilter(&watcher);
    QCOMPARE(atFirstPaint, before);

    // Right after, the title shows its rendition.
    ImageControl *title = window->Image5;
    QVERIFY(title->width() > 452);
    const QImage sharp = scaledTo(QImage(Renditions::forArtwork(QStringLiteral("title.bmp"))), title->size());
    waitUntil([&] { return difference(shown(title), sharp) < 1.0; });
    QVERIFY(difference(shown(title), sharp) < 1.0);
    QVERIFY(Renditions::decodedCount() > before);
}

QTEST_MAIN(TestCrispPictures)
#include "tst_crisppictures.moc"
