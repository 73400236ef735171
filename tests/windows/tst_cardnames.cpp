#include "../support/DealtCards.h"
#include "../support/DoubleClick.h"
#include "../support/ShellFixture.h"
#include "windows/SpreadWindow.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using namespace quillmere;
using namespace DealtCards;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

// Rests the pointer on the middle of a control as the user would and returns
// the tooltip that comes up, or nothing when the control turns the request down.
QString hover(QWidget *control)
{
    const QPoint middle = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, middle, control->mapToGlobal(middle));
    QCoreApplication::sendEvent(control, &event);
    return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

QStringList tooltips(const SpreadWindow &window)
{
    QStringList shown;
    for (ImageControl *slot : window.cardSlots())
        shown << slot->toolTip();
    return shown;
}

} // namespace

// A sighted reader learns a dealt card's name by resting the pointer on it,
// on its slot or enlarged in the preview pane.
class TestCardNames : public QObject {
    Q_OBJECT
private slots:
    void shownCardsAreNamedOnHover_data();
    void shownCardsAreNamedOnHover();
};

void TestCardNames::shownCardsAreNamedOnHover_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<int>("dealt"); // index in slot order of the slot dealt onto
    QTest::addColumn<int>("other"); // a slot left face down
    QTest::newRow("main, Past") << WindowKind::Main << 1 << 2;
    // Slot 2 of the cross lies over slot 1.
    QTest::newRow("celtic, position 2") << WindowKind::Celtic << 1 << 0;
    QTest::newRow("qabalistic, position 10") << WindowKind::Qabalistic << 9 << 3;
}

void TestCardNames::shownCardsAreNamedOnHover()
{
    QFETCH(WindowKind, kind);
    QFETCH(int, dealt);
    QFETCH(int, other);
    ShellFixture f;
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    ImageControl *slot = window->cardSlots().at(dealt);
    ImageControl *faceDown = window->cardSlots().at(other);
    ImageControl *pane = window->previewPane();
    const QStringList none(window->cardSlots().size(), QString());

    QCOMPARE(tooltips(*window), none);
    QCOMPARE(hover(slot), QString());
    QCOMPARE(hover(pane), QString());

    doubleClick(slot);
    const QString first = nameOf(cardAt(*window, 1));
    QCOMPARE(slot->toolTip(), first);
    QCOMPARE(hover(slot), first);
    QCOMPARE(hover(faceDown), QString());
    QCOMPARE(pane->toolTip(), QString()); // the reveal leaves the pane alone

    QTest::mousePress(slot, Qt::RightButton);
    QCOMPARE(hover(pane), first);
    // The pane keeps the copy's name when the slot takes the next card.
    doubleClick(slot);
    QCOMPARE(slot->toolTip(), nameOf(cardAt(*window, 2)));
    QCOMPARE(pane->toolTip(), first);

    // A face-down card copied into the pane is no card to name.
    QTest::mousePress(faceDown, Qt::RightButton);
    QCOMPARE(hover(pane), QString());
    QTest::mousePress(slot, Qt::RightButton);
    QTest::mouseClick(pane, Qt::LeftButton);
    QCOMPARE(hover(pane), QString());

    QTest::mousePress(slot, Qt::RightButton);
    QVERIFY(!pane->toolTip().isEmpty());
    window->shuffle_Click();
    QCOMPARE(tooltips(*window), none);
    QCOMPARE(hover(slot), QString());
    QCOMPARE(hover(pane), QString());
}

QTEST_MAIN(TestCardNames)
#include "tst_cardnames.moc"
