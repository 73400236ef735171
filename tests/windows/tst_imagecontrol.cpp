// The picture control alone: what it reports of the mouse, and how it shows a
// picture. Which picture it paints at which size (bitmap or rendition) is in
// tst_crisppictures.
#include "../support/DoubleClick.h"
#include "windows/ImageControl.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace quillmere;

namespace {

// A control of a card slot's design size, on the screen.
struct Control {
    ImageControl control;
    Control()
    {
        control.resize(78, 117);
        control.show();
    }
};

} // namespace

class TestImageControl : public QObject {
    Q_OBJECT
private slots:
    void pressesReportTheirButtonCode_data();
    void pressesReportTheirButtonCode();
    void clickNeedsPressAndReleaseInside();
    void doubleClickIsTheLeftButtonsOnly_data();
    void doubleClickIsTheLeftButtonsOnly();
    void pictureFillsTheControl_data();
    void pictureFillsTheControl();
};

void TestImageControl::pressesReportTheirButtonCode_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QVariantList>("reported"); // button code, shift state, X and Y in twips
    QTest::newRow("left, shift and ctrl") << Qt::LeftButton << (Qt::ShiftModifier | Qt::ControlModifier) << QPoint(2, 3)
                                          << QVariantList{short(1), short(3), 30.0f, 45.0f};
    QTest::newRow("right, alt") << Qt::RightButton << Qt::KeyboardModifiers(Qt::AltModifier) << QPoint(10, 20)
                                << QVariantList{short(2), short(4), 150.0f, 300.0f};
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers() << QPoint(77, 116)
                            << QVariantList{short(4), short(0), 1155.0f, 1740.0f};
    QTest::newRow("a button past sixteen bits") << Qt::ExtraButton24 << Qt::KeyboardModifiers() << QPoint(1, 1)
                                                << QVariantList{short(0), short(0), 15.0f, 15.0f};
}

void TestImageControl::pressesReportTheirButtonCode()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, at);
    QFETCH(QVariantList, reported);
    Control c;
    QSignalSpy presses(&c.control, &ImageControl::MouseDown);
    QTest::mousePress(&c.control, button, modifiers, at);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(presses.first(), reported);
    QTest::mouseRelease(&c.control, button, modifiers, at);
    QCOMPARE(presses.count(), 1); // the release is no press
}

void TestImageControl::clickNeedsPressAndReleaseInside()
{
    Control c;
    ImageControl *control = &c.control;
    QSignalSpy clicks(control, &ImageControl::Click);
    QSignalSpy doubles(control, &ImageControl::DblClick);

    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(control, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(200, 200)); // dragged off the control
    QCOMPARE(clicks.count(), 1);

    // A lone double-click event and its release: one double click, and the
    // release completes a click, as after an ordinary press.
    QTest::mouseDClick(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(clicks.count(), 2);
}

void TestImageControl::doubleClickIsTheLeftButtonsOnly_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("doubleClicks");
    QTest::addColumn<int>("presses"); // the second press of a double click is a press for other buttons
    QTest::newRow("left") << Qt::LeftButton << 1 << 1;
    QTest::newRow("right") << Qt::RightButton << 0 << 2;
    QTest::newRow("middle") << Qt::MiddleButton << 0 << 2;
}

void TestImageControl::doubleClickIsTheLeftButtonsOnly()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, doubleClicks);
    QFETCH(int, presses);
    Control c;
    QSignalSpy doubles(&c.control, &ImageControl::DblClick);
    QSignalSpy pressed(&c.control, &ImageControl::MouseDown);
    doubleClick(&c.control, button);
    QCOMPARE(doubles.count(), doubleClicks);
    QCOMPARE(pressed.count(), presses);
    for (const auto &press : pressed)
        QCOMPARE(press.at(0).value<short>(), short(button));
}

void TestImageControl::pictureFillsTheControl_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("framed");
    QTest::newRow("larger than the picture") << QSize(78, 117) << false;
    QTest::newRow("smaller") << QSize(7, 9) << false;
    QTest::newRow("another shape, framed as the preview pane") << QSize(204, 100) << true;
}

void TestImageControl::pictureFillsTheControl()
{
    QFETCH(QSize, size);
    QFETCH(bool, framed);
    // Red on the left, blue on the right: no green anywhere, where the
    // control's own ground has some.
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(10, 0, 10, 30, Qt::blue);
    ImageControl control;
    if (framed) {
        control.setFrameShape(QFrame::Box);
        control.setLineWidth(1);
    }
    control.setPicture(QPixmap::fromImage(picture));
    control.resize(size);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QVERIFY(control.palette().color(QPalette::Window).green() > 0);

    const QRect inside = control.contentsRect();
    const QImage shown = control.grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), inside.size());
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            QVERIFY2(qGreen(shown.pixel(x, y)) == 0, qPrintable(QStringLiteral("ground at %1,%2").arg(x).arg(y)));
    }
    // Stretched, not cropped or turned: red stays left, blue right.
    const QRgb left = shown.pixel(0, shown.height() / 2), right = shown.pixel(shown.width() - 1, shown.height() / 2);
    QVERIFY(qRed(left) > qBlue(left));
    QVERIFY(qBlue(right) > qRed(right));
}

QTEST_MAIN(TestImageControl)
#include "tst_imagecontrol.moc"
