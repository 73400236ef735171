#include "../support/DealtCards.h"
#include "../support/DoubleClick.h"
#include "../support/ShellFixture.h"
#include "../support/WaitUntil.h"
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "documents/Form2.h"
#include "shell/ProportionalLayout.h"
#include "windows/Artwork.h"
#include "windows/Form1.h"
#include "windows/Form3.h"
#include "windows/Form4.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <set>

using namespace quillmere;
using namespace DealtCards;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

void addSpreadRows()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("main") << WindowKind::Main;
    QTest::newRow("celtic") << WindowKind::Celtic;
    QTest::newRow("qabalistic") << WindowKind::Qabalistic;
}

SpreadWindow *open(ShellFixture &f, WindowKind kind)
{
    return qobject_cast<SpreadWindow *>(f.shell.load(kind));
}

// Shows the window at its design size, not maximized; null if it never got there.
SpreadWindow *openAtDesignSize(ShellFixture &f, WindowKind kind)
{
    SpreadWindow *window = open(f, kind);
    f.shell.show(window);
    window->showNormal();
    const QSize design = window->proportionalLayout()->reference();
    return QTest::qWaitFor([&] { return window->centralWidget()->size() == design; }) ? window : nullptr;
}

} // namespace

class TestSpreadWindows : public QObject {
    Q_OBJECT
private slots:
    void controlsStandAtTheirDesignRectangles_data();
    void controlsStandAtTheirDesignRectangles();
    void maximizedWindowScalesAndRestores_data() { addSpreadRows(); }
    void maximizedWindowScalesAndRestores();
    void opensFreshAndFaceDown_data() { addSpreadRows(); }
    void opensFreshAndFaceDown();
    void menuBarsHoldTheirCommandsInOrder_data();
    void menuBarsHoldTheirCommandsInOrder();
    void firstRevealIsRowOneOnAnySlot_data() { addSpreadRows(); }
    void firstRevealIsRowOneOnAnySlot();
    void revealsRunThroughTheDeckAndWrap();
    void rightPressCopiesIntoThePane_data() { addSpreadRows(); }
    void rightPressCopiesIntoThePane();
    void otherPressesChangeNothing();
    void clickingThePaneClearsIt();
    void shuffleStartsOver_data() { addSpreadRows(); }
    void shuffleStartsOver();
    void decksAreIndependent();
    void overlappingSlotTakesTheMouse_data();
    void overlappingSlotTakesTheMouse();
    void accessKeysRunCommands();
    void positionLabelsStandUnderTheirSlots_data();
    void positionLabelsStandUnderTheirSlots();
    void windowsCarryTheirIcons_data();
    void windowsCarryTheirIcons();
    void textPanesWrapAndOpenAtTheTop_data();
    void textPanesWrapAndOpenAtTheTop();
};

void TestSpreadWindows::controlsStandAtTheirDesignRectangles_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    const auto row = [](WindowKind kind, const char *window, const char *control, QRect twips) {
        QTest::addRow("%s %s", window, control) << kind << QString::fromLatin1(control) << twips;
    };
    const auto main = WindowKind::Main;
    row(main, "Form1", "Image5", {2520, 240, 6780, 1560});
    row(main, "Form1", "Label1", {960, 1200, 495, 375});
    row(main, "Form1", "Image8", {5280, 2280, 1905, 540});
    row(main, "Form1", "Image4", {7440, 2160, 720, 720});
    row(main, "Form1", "Image7", {8520, 2280, 1905, 540});
    row(main, "Form1", "Image6", {1200, 2520, 3060, 4605});
    row(main, "Form1", "Image2", {5760, 3480, 1170, 1755});
    row(main, "Form1", "Image1", {7320, 3480, 1170, 1755});
    row(main, "Form1", "Image3", {8880, 3480, 1170, 1755});
    row(main, "Form1", "Label4", {6120, 5280, 615, 255});
    row(main, "Form1", "Label3", {7680, 5280, 735, 255});
    row(main, "Form1", "Label5", {9240, 5280, 735, 255});
    row(main, "Form1", "Text1", {5640, 5760, 4695, 1815});
    row(main, "Form1", "Label2", {3840, 8160, 4095, 255});

    const auto celtic = WindowKind::Celtic;
    row(celtic, "Form3", "Label1", {120, 600, 495, 495});
    row(celtic, "Form3", "Image12", {1320, 600, 2880, 495});
    row(celtic, "Form3", "Image11", {1320, 1320, 3000, 4545});
    row(celtic, "Form3", "Text1", {1080, 6240, 3495, 1695});
    row(celtic, "Form3", "Image1", {6240, 2880, 1170, 1755});
    row(celtic, "Form3", "Image2", {6720, 3360, 1170, 1755});
    row(celtic, "Form3", "Image3", {6240, 960, 1170, 1755});
    row(celtic, "Form3", "Image4", {6360, 5280, 1170, 1755});
    row(celtic, "Form3", "Image5", {4800, 2880, 1170, 1755});
    row(celtic, "Form3", "Image6", {8040, 2880, 1170, 1755});
    row(celtic, "Form3", "Image7", {9600, 6240, 1170, 1755});
    row(celtic, "Form3", "Image8", {9600, 4320, 1170, 1755});
    row(celtic, "Form3", "Image9", {9600, 2400, 1170, 1755});
    row(celtic, "Form3", "Image10", {9600, 480, 1170, 1755});

    const auto tree = WindowKind::Qabalistic;
    row(tree, "Form4", "Label1", {0, 120, 495, 495});
    row(tree, "Form4", "Image12", {1080, 480, 3330, 495});
    row(tree, "Form4", "Image11", {1200, 1200, 3000, 4545});
    row(tree, "Form4", "Text1", {960, 6120, 3495, 1695});
    row(tree, "Form4", "Image1", {7680, 480, 1170, 1755});
    row(tree, "Form4", "Image2", {5880, 1440, 1170, 1755});
    row(tree, "Form4", "Image3", {9480, 1440, 1170, 1755});
    row(tree, "Form4", "Image4", {7680, 2400, 1170, 1755});
    row(tree, "Form4", "Image5", {5880, 3360, 1170, 1755});
    row(tree, "Form4", "Image6", {9480, 3360, 1170, 1755});
    row(tree, "Form4", "Image7", {7680, 4320, 1170, 1755});
    row(tree, "Form4", "Image8", {5880, 5280, 1170, 1755});
    row(tree, "Form4", "Image9", {9480, 5280, 1170, 1755});
    row(tree, "Form4", "Image10", {7680, 6240, 1170, 1755});

    QTest::addRow("Form2 Text1") << WindowKind::Information << "Text1" << QRect(1920, 1440, 8055, 5655);
}

void TestSpreadWindows::controlsStandAtTheirDesignRectangles()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    ShellFixture f;
    QWidget *window = f.shell.load(kind);
    auto *layout = window->findChild<ProportionalLayout *>();
    QVERIFY(layout);
    const QSize reference = kind == WindowKind::Celtic ? QSize(792, 554) : QSize(792, 573);
    QCOMPARE(layout->reference(), reference);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);

    layout->setGeometry(QRect(QPoint(), reference));
    QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    layout->setGeometry(QRect(QPoint(), reference * 2));
    QCOMPARE(widget->geometry(),
             QRect(twips.x() * 2 / 15, twips.y() * 2 / 15, twips.width() * 2 / 15, twips.height() * 2 / 15));
    const QSize uneven(1277, 709);
    layout->setGeometry(QRect(QPoint(), uneven));
    QCOMPARE(widget->geometry(), ProportionalLayout::scaled(twips, reference, uneven));
    const QRectF exact(twips.x() / 15.0 * 1277 / reference.width(), twips.y() / 15.0 * 709 / reference.height(),
                       twips.width() / 15.0 * 1277 / reference.width(),
                       twips.height() / 15.0 * 709 / reference.height());
    QVERIFY(std::abs(widget->x() - exact.x()) <= 0.5 && std::abs(widget->y() - exact.y()) <= 0.5);
    QVERIFY(std::abs(widget->width() - exact.width()) <= 1.0 && std::abs(widget->height() - exact.height()) <= 1.0);
}

void TestSpreadWindows::maximizedWindowScalesAndRestores()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = open(f, kind);
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->isMaximized());
    QWidget *client = window->centralWidget();
    const QSize reference = window->proportionalLayout()->reference();
    waitUntil([&] { return window->frameGeometry() == window->screen()->availableGeometry(); });
    QCOMPARE(window->frameGeometry(), window->screen()->availableGeometry());
    QCOMPARE(client->width(), window->width());
    const double sx = double(client->width()) / reference.width(), sy = double(client->height()) / reference.height();
    for (ImageControl *slot : window->cardSlots()) {
        QVERIFY(std::abs(slot->width() - 78 * sx) <= 1.0);
        QVERIFY(std::abs(slot->height() - 117 * sy) <= 1.0);
    }

    window->showNormal();
    waitUntil([&] { return client->size() == reference; });
    QCOMPARE(client->size(), reference);
    for (ImageControl *slot : window->cardSlots())
        QCOMPARE(slot->size(), QSize(78, 117));
}

void TestSpreadWindows::opensFreshAndFaceDown()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = open(f, kind);
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QVERIFY(!window->isVisible()); // loaded, not shown
    QCOMPARE(window->windowTitle(), QString());
    QCOMPARE(window->cardSlots().size(), kind == WindowKind::Main ? 3 : 10);
    for (ImageControl *slot : window->cardSlots()) {
        QCOMPARE(rgb(slot->picture()), bitmap(Card_Back));
        QCOMPARE(slot->frameShape(), QFrame::NoFrame);
        QVERIFY(slot->hasScaledContents());
        QCOMPARE(slot->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(slot->cursor().hotSpot(), QPoint(0, 0));
    }
    ImageControl *pane = window->previewPane();
    QCOMPARE(rgb(pane->picture()), bitmap(Preview_Blank));
    QCOMPARE(pane->frameShape(), QFrame::Box);
    QCOMPARE(pane->lineWidth(), 1);
    QVERIFY(!pane->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(window->Text1->toPlainText(), QStringLiteral("THE FOOL\nA first step.\n"));
    QVERIFY(window->Text1->isReadOnly());
    QCOMPARE(window->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window->Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(window->Text1->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(window->Text1->palette().color(QPalette::Text), QColor(128, 128, 128));
    QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(window->Label1->text(), QStringLiteral("Label1"));
    QCOMPARE(window->deck().dealPosition(), qint16(1));

    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!window->Label1->isVisible());
    QCOMPARE(QApplication::focusWidget(), window->Text1);
    // The pointer is the hand over the slots only.
    const auto withOwnCursor = window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const auto count = std::count_if(withOwnCursor.begin(), withOwnCursor.end(),
                                     [](QWidget *w) { return w->testAttribute(Qt::WA_SetCursor); });
    QCOMPARE(count, window->cardSlots().size());
}

void TestSpreadWindows::menuBarsHoldTheirCommandsInOrder_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("main") << WindowKind::Main
                          << QStringList{"&Exit", "&Information", "&Shuffle", "&Celtic", "&Qabalistic"};
    QTest::newRow("celtic") << WindowKind::Celtic
                            << QStringList{"&Exit", "&Shuffle", "&Information", "&Main", "&Qabalistic"};
    QTest::newRow("qabalistic") << WindowKind::Qabalistic
                                << QStringList{"&Exit", "&Information", "&Shuffle", "&Main", "&Celtic"};
}

void TestSpreadWindows::menuBarsHoldTheirCommandsInOrder()
{
    QFETCH(WindowKind, kind);
    QFETCH(QStringList, captions);
    ShellFixture f;
    auto *window = open(f, kind);
    QStringList shown;
    for (QAction *action : window->menuBar()->actions()) {
        QVERIFY(!action->menu()); // commands on the bar itself, no drop-downs
        QVERIFY(action->shortcut().isEmpty());
        shown << action->text();
    }
    QCOMPARE(shown, captions);
}

void TestSpreadWindows::firstRevealIsRowOneOnAnySlot()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = open(f, kind);
    f.shell.show(window);
    for (ImageControl *slot : window->cardSlots()) {
        window->shuffle_Click();
        doubleClick(slot);
        QCOMPARE(rgb(slot->picture()), faceAtRow(*window, 1));
        QCOMPARE(window->deck().dealPosition(), qint16(2));
        QCOMPARE(rgb(window->previewPane()->picture()), bitmap(Preview_Blank));
    }
}

void TestSpreadWindows::revealsRunThroughTheDeckAndWrap()
{
    ShellFixture f;
    auto *window = open(f, WindowKind::Celtic);
    f.shell.show(window);
    ImageControl *slot = window->cardSlots().at(4);
    std::set<QString> captions;
    for (int deal = 1; deal <= 78; ++deal) {
        QTest::mouseDClick(slot, Qt::LeftButton);
        QCOMPARE(rgb(slot->picture()), faceAtRow(*window, deal));
        captions.insert(window->Label1->text());
    }
    QCOMPARE(captions.size(), std::size_t(78));
    QTest::mouseDClick(slot, Qt::LeftButton);
    QCOMPARE(rgb(slot->picture()), faceAtRow(*window, 1));
}

void TestSpreadWindows::rightPressCopiesIntoThePane()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = open(f, kind);
    f.shell.show(window);
    ImageControl *slot = window->cardSlots().last();
    ImageControl *pane = window->previewPane();

    QTest::mousePress(slot, Qt::RightButton); // a face-down slot copies the back
    QCOMPARE(rgb(pane->picture()), bitmap(Card_Back));
    QTest::mouseRelease(slot, Qt::RightButton);

    QTest::mouseDClick(slot, Qt::LeftButton);
    const QImage first = rgb(slot->picture());
    QTest::mousePress(slot, Qt::RightButton);
    QCOMPARE(rgb(pane->picture()), first);
    QTest::mouseRelease(slot, Qt::RightButton);

    // Dealing again onto the slot leaves the copy as it was.
    QTest::mouseDClick(slot, Qt::LeftButton);
    QCOMPARE(rgb(slot->picture()), faceAtRow(*window, 2));
    QCOMPARE(rgb(pane->picture()), first);
}

void TestSpreadWindows::otherPressesChangeNothing()
{
    ShellFixture f;
    auto *window = open(f, WindowKind::Main);
    f.shell.show(window);
    auto *form = qobject_cast<Form1 *>(window);
    QTest::mouseDClick(form->Image1, Qt::LeftButton);
    const QImage dealt = rgb(form->Image1->picture());

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseClick(form->Image1, button);
        QCOMPARE(rgb(form->Image6->picture()), bitmap(Preview_Blank));
    }
    QTest::mousePress(form->Image6, Qt::RightButton); // a right press on the pane
    QTest::mouseRelease(form->Image6, Qt::RightButton);
    QCOMPARE(rgb(form->Image6->picture()), bitmap(Preview_Blank));
    QCOMPARE(rgb(form->Image1->picture()), dealt);
    QCOMPARE(window->deck().dealPosition(), qint16(2));
    QVERIFY(!form->Label1->isVisible());
}

void TestSpreadWindows::clickingThePaneClearsIt()
{
    ShellFixture f;
    auto *form = qobject_cast<Form1 *>(open(f, WindowKind::Main));
    f.shell.show(form);
    QTest::mouseDClick(form->Image2, Qt::LeftButton);
    QTest::mousePress(form->Image2, Qt::RightButton);
    QVERIFY(rgb(form->Image6->picture()) != bitmap(Preview_Blank));

    QTest::mouseClick(form->Image6, Qt::LeftButton);
    QCOMPARE(rgb(form->Image6->picture()), bitmap(Preview_Blank));
    QTest::mouseClick(form->Image6, Qt::LeftButton); // already blank: stays so
    QCOMPARE(rgb(form->Image6->picture()), bitmap(Preview_Blank));

    // A double click on the pane clears it and deals nothing.
    QTest::mousePress(form->Image2, Qt::RightButton);
    doubleClick(form->Image6);
    QCOMPARE(rgb(form->Image6->picture()), bitmap(Preview_Blank));
    QCOMPARE(form->deck().dealPosition(), qint16(2));
}

void TestSpreadWindows::shuffleStartsOver()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    auto *window = open(f, kind);
    f.shell.show(window);
    for (ImageControl *slot : window->cardSlots())
        QTest::mouseDClick(slot, Qt::LeftButton);
    QTest::mousePress(window->cardSlots().first(), Qt::RightButton);
    const QString text = window->Text1->toPlainText();
    const QString caption = window->Label1->text();

    window->shuffle_Click();
    for (ImageControl *slot : window->cardSlots())
        QCOMPARE(rgb(slot->picture()), bitmap(Card_Back));
    QCOMPARE(rgb(window->previewPane()->picture()), bitmap(Preview_Blank));
    QCOMPARE(window->Text1->toPlainText(), text);
    QCOMPARE(window->Label1->text(), caption);
    QVERIFY(window->isMaximized());
    QTest::mouseDClick(window->cardSlots().last(), Qt::LeftButton);
    QCOMPARE(rgb(window->cardSlots().last()->picture()), faceAtRow(*window, 1));
}

void TestSpreadWindows::decksAreIndependent()
{
    ShellFixture f;
    auto *main = open(f, WindowKind::Main);
    auto *tree = open(f, WindowKind::Qabalistic);
    QTest::mouseDClick(main->cardSlots().first(), Qt::LeftButton);
    QTest::mouseDClick(main->cardSlots().first(), Qt::LeftButton);
    QCOMPARE(main->deck().dealPosition(), qint16(3));
    QCOMPARE(tree->deck().dealPosition(), qint16(1));
}

void TestSpreadWindows::overlappingSlotTakesTheMouse_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("slot");
    // Slot 1 of the cross at (416, 192), 78 by 117; slot 2 across it from (448, 224).
    QTest::newRow("covered part of slot 1") << QPoint(460, 240) << "Image2";
    QTest::newRow("visible top of slot 1") << QPoint(460, 200) << "Image1";
    QTest::newRow("visible left of slot 1") << QPoint(420, 300) << "Image1";
}

void TestSpreadWindows::overlappingSlotTakesTheMouse()
{
    QFETCH(QPoint, at);
    QFETCH(QString, slot);
    ShellFixture f;
    auto *form = qobject_cast<Form3 *>(openAtDesignSize(f, WindowKind::Celtic));
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto *target = form->findChild<ImageControl *>(slot);
    auto *other = target == form->Image1 ? form->Image2 : form->Image1;
    const QPoint inWindow = form->centralWidget()->mapTo(form, at);

    // Through the window, so that Qt itself finds the control under the pointer.
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, inWindow);
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, inWindow);
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, inWindow);
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, inWindow);
    QCOMPARE(rgb(target->picture()), faceAtRow(*form, 1));
    QCOMPARE(rgb(other->picture()), bitmap(Card_Back));

    QTest::mousePress(form->windowHandle(), Qt::RightButton, {}, inWindow);
    QCOMPARE(rgb(form->Image11->picture()), faceAtRow(*form, 1));
}

void TestSpreadWindows::accessKeysRunCommands()
{
    ShellFixture f;
    auto *window = open(f, WindowKind::Main);
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseDClick(window->cardSlots().first(), Qt::LeftButton);
    QCOMPARE(window->deck().dealPosition(), qint16(2));

    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(window->deck().dealPosition(), qint16(1));
    QCOMPARE(rgb(window->cardSlots().first()->picture()), bitmap(Card_Back));

    QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(f.endings, QList<int>{0});
    QCOMPARE(f.shell.loadedCount(), 0);
}

void TestSpreadWindows::positionLabelsStandUnderTheirSlots_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("slot"); // the card slot it names, or none
    QTest::addColumn<QColor>("colour");
    const QColor caption(192, 192, 192), notice(128, 128, 128);
    // clang-format off
    QTest::newRow("Past") << "Label4" << "Past" << "Image2" << caption;
    QTest::newRow("Present") << "Label3" << "Present" << "Image1" << caption;
    QTest::newRow("Future") << "Label5" << "Future" << "Image3" << caption;
    QTest::newRow("notice") << "Label2" << "Double-click to deal \u00b7 right-click to enlarge" << QString() << notice;
    // clang-format on
}

void TestSpreadWindows::positionLabelsStandUnderTheirSlots()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, slot);
    QFETCH(QColor, colour);
    ShellFixture f;
    auto *form = qobject_cast<Form1 *>(openAtDesignSize(f, WindowKind::Main));
    QVERIFY(form);
    auto *text = form->findChild<QLabel *>(label);
    QVERIFY(text && text->isVisible());
    QCOMPARE(text->text(), caption);
    if (!slot.isEmpty()) {
        const QRect under = form->findChild<ImageControl *>(slot)->geometry();
        QVERIFY(text->y() >= under.bottom());
        QVERIFY(text->geometry().center().x() > under.left() && text->geometry().center().x() < under.right());
    }

    // As drawn: the text in its colour (at its brightest, where a stroke covers a
    // whole pixel) on the window's black.
    const QImage drawn = form->centralWidget()->grab(text->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    QColor brightest(Qt::black);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            QCOMPARE(pixel.red(), pixel.blue()); // grey and black only
            if (pixel.lightness() > brightest.lightness())
                brightest = pixel;
        }
    }
    QCOMPARE(brightest, colour);
    QCOMPARE(drawn.pixelColor(drawn.width() - 1, drawn.height() - 1), QColor(Qt::black));
}

void TestSpreadWindows::windowsCarryTheirIcons_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<bool>("ownIcon"); // the program icon as its own; else none of its own
    QTest::newRow("main") << WindowKind::Main << true;
    QTest::newRow("information") << WindowKind::Information << true;
    QTest::newRow("celtic") << WindowKind::Celtic << false;
    QTest::newRow("qabalistic") << WindowKind::Qabalistic << false;
}

void TestSpreadWindows::windowsCarryTheirIcons()
{
    QFETCH(WindowKind, kind);
    QFETCH(bool, ownIcon);
    ShellFixture f;
    QWidget *window = f.shell.load(kind);
    QCOMPARE(window->testAttribute(Qt::WA_SetWindowIcon), ownIcon);
    if (ownIcon)
        QCOMPARE(window->windowIcon().pixmap(32).toImage(), Artwork::programIcon().pixmap(32).toImage());
}

void TestSpreadWindows::textPanesWrapAndOpenAtTheTop_data()
{
    addSpreadRows();
    QTest::newRow("information") << WindowKind::Information;
}

void TestSpreadWindows::textPanesWrapAndOpenAtTheTop()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    // Far more text than the pane shows, in lines far wider than the pane.
    const QByteArray line = QByteArray("the card of the day turns up again ").repeated(12);
    QVERIFY(
        f.folder.write(kind == WindowKind::Information ? QStringLiteral("about.txt") : QStringLiteral("meanings.txt"),
                       "FIRST LINE " + (line + "\r\n").repeated(200)));
    QWidget *window = f.shell.load(kind);
    auto *spread = qobject_cast<SpreadWindow *>(window);
    QPlainTextEdit *pane = spread ? spread->Text1 : qobject_cast<Form2 *>(window)->Text1;
    f.shell.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // It wraps at its width: no horizontal scrolling, and the first line broken
    // into rows that each fit the pane.
    QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);
    QTextLayout *first = pane->document()->firstBlock().layout();
    waitUntil([&] { return first->lineCount() > 1; });
    QVERIFY(first->lineCount() > 1);
    for (int row = 0; row < first->lineCount(); ++row)
        QVERIFY(first->lineAt(row).naturalTextWidth() <= pane->viewport()->width());

    // It shows the text from its first line, with the rest below to scroll to.
    QVERIFY(pane->verticalScrollBar()->maximum() > 0);
    QCOMPARE(pane->verticalScrollBar()->value(), 0);
    const QTextCursor atTop = pane->cursorForPosition(QPoint(2, 2));
    QCOMPARE(atTop.blockNumber(), 0);
    QVERIFY(atTop.block().text().startsWith(QLatin1String("FIRST LINE")));
}

QTEST_MAIN(TestSpreadWindows)
#include "tst_spreadwindows.moc"
