#include "../support/ShellFixture.h"
#include "../support/WaitUntil.h"
#include "documents/Form2.h"
#include "windows/Form1.h"
#include "windows/SpreadWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <unistd.h>

using namespace quillmere;

namespace {

// The loaded windows, by class name, e.g. "Form1+Form2", or "ended".
QString loadedWindows(const ShellFixture &f)
{
    if (f.shell.hasEnded())
        return QStringLiteral("ended");
    QStringList names;
    for (WindowKind kind : {WindowKind::Main, WindowKind::Information, WindowKind::Celtic, WindowKind::Qabalistic}) {
        if (QWidget *window = f.shell.loaded(kind))
            names << QString::fromLatin1(window->metaObject()->className()).section(QLatin1String("::"), -1);
    }
    names.sort();
    return names.join(QLatin1Char('+'));
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ShellFixture::settle(); }
    void startShowsTheMainWindowAlone();
    void unreadableMeaningsEndTheProgramBeforeAnyWindow_data();
    void unreadableMeaningsEndTheProgramBeforeAnyWindow();
    void windowStates_data();
    void windowStates();
    void navigationOpensAFreshWindowBeforeTheOldGoes();
    void informationIsReadOncePerLoad();
    void informationWindowLooksAsLaidOut();
    void missingAboutEndsTheProgramWithTheSpreadStillOpen();
    void loadingALoadedWindowChangesNothing();
    void accessKeysRunTheirCommands_data();
    void accessKeysRunTheirCommands();
};

void TestShell::startShowsTheMainWindowAlone()
{
    ShellFixture f;
    f.shell.start();
    auto *main = f.window<Form1>(WindowKind::Main);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(main->isMaximized());
    QCOMPARE(loadedWindows(f), QStringLiteral("Form1"));
    QVERIFY(f.reported.isEmpty());
    QVERIFY(f.endings.isEmpty());
}

void TestShell::unreadableMeaningsEndTheProgramBeforeAnyWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("missing") << "missing" << "was not found";
    QTest::newRow("a folder") << "folder" << "is a folder";
    QTest::newRow("damaged link") << "dangling" << "was not found";
    // clang-format on
}

void TestShell::unreadableMeaningsEndTheProgramBeforeAnyWindow()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    ShellFixture f(false);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("meanings.txt")));
    if (kind == QLatin1String("dangling"))
        QCOMPARE(symlink("gone.txt", f.folder.path(QStringLiteral("meanings.txt")).toLocal8Bit().constData()), 0);
    int shownWhileReporting = -1;
    f.whileReporting = [&] { shownWhileReporting = ShellFixture::visibleWindows(); };

    f.shell.start();
    QCOMPARE(f.reported.size(), 1);
    QVERIFY2(f.reported.first().contains(expected), qPrintable(f.reported.first()));
    QVERIFY(f.reported.first().contains(QStringLiteral("meanings.txt")));
    QCOMPARE(shownWhileReporting, 0);
    QCOMPARE(f.endings, QList<int>{1});
    QCOMPARE(f.shell.loadedCount(), 0);
    ShellFixture::settle();
    QCOMPARE(ShellFixture::visibleWindows(), 0);
}

void TestShell::windowStates_data()
{
    // Each step acts on the open spread window: a menu command by its name, or
    // "close" / "closeInfo" as the window manager's close button.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("start") << QStringList{} << QStringList{};
    QTest::newRow("main to celtic") << QStringList{"ccs"} << QStringList{"Form3"};
    QTest::newRow("main to tree") << QStringList{"qts"} << QStringList{"Form4"};
    QTest::newRow("celtic to tree to main")
        << QStringList{"ccs", "qts", "main"} << QStringList{"Form3", "Form4", "Form1"};
    QTest::newRow("tree to celtic to main")
        << QStringList{"qts", "ccs", "main"} << QStringList{"Form4", "Form3", "Form1"};
    QTest::newRow("information beside the spread")
        << QStringList{"info", "info"} << QStringList{"Form1+Form2", "Form1+Form2"};
    QTest::newRow("information stays when moving on")
        << QStringList{"info", "ccs", "qts", "main"}
        << QStringList{"Form1+Form2", "Form2+Form3", "Form2+Form4", "Form1+Form2"};
    QTest::newRow("closing the information window")
        << QStringList{"info", "closeInfo", "info"} << QStringList{"Form1+Form2", "Form1", "Form1+Form2"};
    QTest::newRow("information alone, then ended") << QStringList{"info", "ccs", "close", "closeInfo"}
                                                   << QStringList{"Form1+Form2", "Form2+Form3", "Form2", "ended"};
    QTest::newRow("closing the only window ends") << QStringList{"qts", "close"} << QStringList{"Form4", "ended"};
    QTest::newRow("exit") << QStringList{"exit"} << QStringList{"ended"};
    QTest::newRow("exit closes information too")
        << QStringList{"info", "ccs", "exit"} << QStringList{"Form1+Form2", "Form2+Form3", "ended"};
}

void TestShell::windowStates()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, after);
    ShellFixture f;
    f.shell.start();
    QCOMPARE(loadedWindows(f), QStringLiteral("Form1"));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        if (step == QLatin1String("close")) {
            QVERIFY(f.openSpread()->close());
        } else if (step == QLatin1String("closeInfo")) {
            QVERIFY(f.shell.loaded(WindowKind::Information)->close());
        } else {
            QVERIFY2(ShellFixture::runCommand(f.openSpread(), step), qPrintable(step));
        }
        ShellFixture::settle();
        QCOMPARE(loadedWindows(f), after.at(i));
        if (!f.shell.hasEnded()) {
            QVERIFY(f.openSpread() == nullptr || f.openSpread()->isVisible());
            QCOMPARE(ShellFixture::visibleWindows(), f.shell.loadedCount());
        }
    }
    QCOMPARE(f.endings, f.shell.hasEnded() ? QList<int>{0} : QList<int>{});
    QVERIFY(f.reported.isEmpty());
}

void TestShell::navigationOpensAFreshWindowBeforeTheOldGoes()
{
    ShellFixture f;
    f.shell.start();
    QPointer<SpreadWindow> first = f.openSpread();
    QTest::mouseDClick(first->cardSlots().first(), Qt::LeftButton);
    QTest::mouseDClick(first->cardSlots().last(), Qt::LeftButton);
    QCOMPARE(first->deck().dealPosition(), qint16(3));

    // Watch the moment the old window goes from the screen: the new one must be
    // loaded and showing already.
    struct HideWatch : QObject {
        const ShellFixture *f;
        int loadedWhenHidden = -1;
        bool targetShown = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide) {
                loadedWhenHidden = f->shell.loadedCount();
                auto *target = f->shell.loaded(WindowKind::Celtic);
                targetShown = target && target->isVisible();
            }
            return false;
        }
    } watch;
    watch.f = &f;
    first->installEventFilter(&watch);
    QVERIFY(ShellFixture::runCommand(first, QStringLiteral("ccs")));
    QCOMPARE(watch.loadedWhenHidden, 1);
    QVERIFY(watch.targetShown);
    // The old window goes once the command is over.
    QVERIFY(first && first->isHidden());
    QCOMPARE(f.shell.loadedCount(), 1);
    QVERIFY(f.openSpread()->isVisible());
    ShellFixture::settle();
    QVERIFY(first.isNull());

    QVERIFY(ShellFixture::runCommand(f.openSpread(), QStringLiteral("main")));
    ShellFixture::settle();
    auto *again = f.window<Form1>(WindowKind::Main);
    QVERIFY(again);
    QCOMPARE(again->deck().dealPosition(), qint16(1));
    QVERIFY(again->isMaximized());
    QCOMPARE(again->Label1->text(), QStringLiteral("Label1"));
}

void TestShell::informationIsReadOncePerLoad()
{
    ShellFixture f;
    f.shell.start();
    QVERIFY(ShellFixture::runCommand(f.openSpread(), QStringLiteral("info")));
    auto *info = f.window<Form2>(WindowKind::Information);
    QVERIFY(info && info->isVisible());
    QCOMPARE(info->Text1->toPlainText(), QStringLiteral("Quillmere Tarot\nAbout it.\n"));

    QVERIFY(f.folder.write(QStringLiteral("about.txt"), "Changed\r\n"));
    QVERIFY(ShellFixture::runCommand(f.openSpread(), QStringLiteral("info")));
    QCOMPARE(f.window<Form2>(WindowKind::Information), info);
    QCOMPARE(info->Text1->toPlainText(), QStringLiteral("Quillmere Tarot\nAbout it.\n"));

    QVERIFY(info->close());
    ShellFixture::settle();
    QVERIFY(ShellFixture::runCommand(f.openSpread(), QStringLiteral("info")));
    QCOMPARE(f.window<Form2>(WindowKind::Information)->Text1->toPlainText(), QStringLiteral("Changed\n"));
}

void TestShell::informationWindowLooksAsLaidOut()
{
    ShellFixture f;
    auto *info = qobject_cast<Form2 *>(f.shell.load(WindowKind::Information));
    QVERIFY(info->windowState() & Qt::WindowMaximized);
    QCOMPARE(info->windowTitle(), QStringLiteral("Quillmere Tarot Information"));
    QVERIFY(!info->windowIcon().isNull());
    QVERIFY(!info->findChild<QMenuBar *>());
    QCOMPARE(info->backgroundRole(), QPalette::Button);
    QCOMPARE(info->Text1->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(info->Text1->font().pointSizeF(), 9.75);
    QVERIFY(info->Text1->isReadOnly());
    QCOMPARE(info->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(info->Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    f.shell.show(info);
    QVERIFY(QTest::qWaitForWindowActive(info));
    QCOMPARE(QApplication::focusWidget(), info->Text1);
    info->showNormal();
    waitUntil([&] { return info->size() == QSize(792, 573); });
    QCOMPARE(info->size(), QSize(792, 573));
    QCOMPARE(info->Text1->geometry(), QRect(128, 96, 537, 377));
}

void TestShell::missingAboutEndsTheProgramWithTheSpreadStillOpen()
{
    ShellFixture f(true, false);
    f.shell.start();
    SpreadWindow *main = f.openSpread();
    QTest::mouseDClick(main->cardSlots().first(), Qt::LeftButton); // the spread works as ever
    QCOMPARE(main->deck().dealPosition(), qint16(2));

    bool spreadOpenWhileReporting = false;
    f.whileReporting = [&] {
        spreadOpenWhileReporting = f.shell.loaded(WindowKind::Main) == main && main->isVisible();
    };
    QVERIFY(ShellFixture::runCommand(main, QStringLiteral("info")));
    QCOMPARE(f.reported.size(), 1);
    QVERIFY2(f.reported.first().contains(QStringLiteral("\u201cabout.txt\u201d was not found")),
             qPrintable(f.reported.first()));
    QVERIFY(spreadOpenWhileReporting);
    QCOMPARE(f.endings, QList<int>{1});
    ShellFixture::settle();
    QCOMPARE(ShellFixture::visibleWindows(), 0);
}

void TestShell::loadingALoadedWindowChangesNothing()
{
    ShellFixture f;
    f.shell.start();
    SpreadWindow *main = f.openSpread();
    QTest::mouseDClick(main->cardSlots().first(), Qt::LeftButton);
    const QString caption = main->Label1->text();
    QVERIFY(f.folder.write(QStringLiteral("meanings.txt"), "Other\r\n"));
    QCOMPARE(f.shell.load(WindowKind::Main), main);
    QCOMPARE(main->deck().dealPosition(), qint16(2));
    QCOMPARE(main->Label1->text(), caption);
    QCOMPARE(main->Text1->toPlainText(), QStringLiteral("THE FOOL\nA first step.\n"));
}

void TestShell::accessKeysRunTheirCommands_data()
{
    QTest::addColumn<QString>("from"); // the command that leads from the main window, or none
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("after");
    const QString main, celtic = QStringLiteral("ccs"), tree = QStringLiteral("qts");
    QTest::newRow("main E") << main << QChar('E') << "ended";
    QTest::newRow("main I") << main << QChar('I') << "Form1+Form2";
    QTest::newRow("main S") << main << QChar('S') << "Form1 shuffled";
    QTest::newRow("main C") << main << QChar('C') << "Form3";
    QTest::newRow("main Q") << main << QChar('Q') << "Form4";
    QTest::newRow("celtic E") << celtic << QChar('E') << "ended";
    QTest::newRow("celtic S") << celtic << QChar('S') << "Form3 shuffled";
    QTest::newRow("celtic I") << celtic << QChar('I') << "Form2+Form3";
    QTest::newRow("celtic M") << celtic << QChar('M') << "Form1";
    QTest::newRow("celtic Q") << celtic << QChar('Q') << "Form4";
    QTest::newRow("tree E") << tree << QChar('E') << "ended";
    QTest::newRow("tree I") << tree << QChar('I') << "Form2+Form4";
    QTest::newRow("tree S") << tree << QChar('S') << "Form4 shuffled";
    QTest::newRow("tree M") << tree << QChar('M') << "Form1";
    QTest::newRow("tree C") << tree << QChar('C') << "Form3";
}

void TestShell::accessKeysRunTheirCommands()
{
    QFETCH(QString, from);
    QFETCH(QChar, key);
    QFETCH(QString, after);
    ShellFixture f;
    f.shell.start();
    if (!from.isEmpty()) {
        QVERIFY(ShellFixture::runCommand(f.openSpread(), from));
        ShellFixture::settle();
    }
    SpreadWindow *window = f.openSpread();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseDClick(window->cardSlots().first(), Qt::LeftButton);

    QTest::keyClick(window, key.toLatin1(), Qt::AltModifier);
    ShellFixture::settle();
    if (after.endsWith(QLatin1String(" shuffled"))) {
        QCOMPARE(loadedWindows(f), after.section(QLatin1Char(' '), 0, 0));
        QCOMPARE(window->deck().dealPosition(), qint16(1));
    } else {
        QCOMPARE(loadedWindows(f), after);
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
