#include "../support/WaitUntil.h"
#include "shell/ProportionalLayout.h"

#include <QLabel>
#include <QTest>

using namespace quillmere;

class TestProportionalLayout : public QObject {
    Q_OBJECT
private slots:
    void scalesEachAxisAgainstTheReference_data();
    void scalesEachAxisAgainstTheReference();
    void restoringGivesTheDesignLayoutBack();
    void touchingControlsStayTouching();
};

void TestProportionalLayout::scalesEachAxisAgainstTheReference_data()
{
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QSize>("reference");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("pixels");
    const QRect pane(1920, 1440, 8055, 5655);
    QTest::newRow("design size") << pane << QSize(792, 573) << QSize(792, 573) << QRect(128, 96, 537, 377);
    QTest::newRow("doubled") << pane << QSize(792, 573) << QSize(1584, 1146) << QRect(256, 192, 1074, 754);
    QTest::newRow("halved") << pane << QSize(792, 573) << QSize(396, 286) << QRect(64, 48, 269, 188); // 332.5 rounds up
    // 128 * 1280/792 = 206.87, 665 * 1280/792 = 1074.75; 96 * 770/573 = 129.01, 473 * 770/573 = 635.62
    QTest::newRow("uneven") << pane << QSize(792, 573) << QSize(1280, 770) << QRect(207, 129, 868, 507);
    // The lower reference: a slot at top 2880 twips (192 px) lands at 192 * 800/554.
    QTest::newRow("against 554") << QRect(6240, 2880, 1170, 1755) << QSize(792, 554) << QSize(792, 800)
                                 << QRect(416, 277, 78, 169);
}

void TestProportionalLayout::scalesEachAxisAgainstTheReference()
{
    QFETCH(QRect, twips);
    QFETCH(QSize, reference);
    QFETCH(QSize, client);
    QFETCH(QRect, pixels);
    QCOMPARE(ProportionalLayout::scaled(twips, reference, client), pixels);

    QWidget window;
    auto *layout = new ProportionalLayout(reference, &window);
    auto *label = new QLabel;
    auto *hidden = new QLabel;
    hidden->hide();
    layout->addWidget(label, twips);
    layout->addWidget(hidden, twips);
    window.resize(client);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), client);
    QCOMPARE(label->geometry(), pixels);
    QCOMPARE(hidden->geometry(), pixels);
}

void TestProportionalLayout::restoringGivesTheDesignLayoutBack()
{
    QWidget window;
    auto *layout = new ProportionalLayout({792, 573}, &window);
    auto *label = new QLabel;
    layout->addWidget(label, {5640, 5760, 4695, 1815});
    window.resize(792, 573);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QSize size : {QSize(1001, 677), QSize(333, 250), QSize(1900, 1000), QSize(792, 573)}) {
        window.resize(size);
        waitUntil([&] { return window.size() == size; });
        QCOMPARE(window.size(), size);
    }
    QCOMPARE(label->geometry(), QRect(376, 384, 313, 121));
    QCOMPARE(layout->sizeHint(), QSize(792, 573));
}

void TestProportionalLayout::touchingControlsStayTouching()
{
    // Two controls that meet in the design (Left + Width of one is Left of the next).
    const QRect left(1000, 1000, 1170, 1755), right(2170, 1000, 1170, 1755);
    for (int width = 300; width <= 2000; width += 7) {
        const QSize client(width, width * 573 / 792);
        const QRect a = ProportionalLayout::scaled(left, {792, 573}, client);
        const QRect b = ProportionalLayout::scaled(right, {792, 573}, client);
        QCOMPARE(a.x() + a.width(), b.x());
    }
}

QTEST_MAIN(TestProportionalLayout)
#include "tst_proportionallayout.moc"
