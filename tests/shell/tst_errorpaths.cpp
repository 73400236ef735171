#include "../support/DocumentShapes.h"
#include "../support/ShellFixture.h"
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"

#include <QTest>
#include <memory>
#include <optional>

using namespace quillmere;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

// While it lives, the pictures it names fail to load, missing or damaged; every
// other picture loads as the program carries it.
class FailingPictures {
public:
    enum Failure { Missing, Damaged };

    FailingPictures(std::function<bool(int bitmapId)> fails, Failure failure)
        : m_previous(CardBitmaps::replaceSource([fails = std::move(fails), failure](int bitmapId) {
              if (!fails(bitmapId))
                  return CardBitmaps::carriedBytes(bitmapId);
              return failure == Missing ? QByteArray() : CardBitmaps::carriedBytes(bitmapId).left(1000);
          }))
    {
    }
    ~FailingPictures() { CardBitmaps::replaceSource(std::move(m_previous)); }
    FailingPictures(const FailingPictures &) = delete;
    FailingPictures &operator=(const FailingPictures &) = delete;

private:
    CardBitmaps::Source m_previous;
};

// Notes the class of every window that comes on the screen.
class ShownWindows : public QObject {
public:
    ShownWindows() { QCoreApplication::instance()->installEventFilter(this); }
    QStringList classes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            classes << QString::fromLatin1(watched->metaObject()->className());
        return false;
    }
};

const char *className(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Main:
        return "quillmere::Form1";
    case WindowKind::Information:
        return "quillmere::Form2";
    case WindowKind::Celtic:
        return "quillmere::Form3";
    case WindowKind::Qabalistic:
        return "quillmere::Form4";
    }
    return "";
}

const char *commandOpening(WindowKind kind)
{
    return kind == WindowKind::Information ? "info" : kind == WindowKind::Celtic ? "ccs" : "qts";
}

} // namespace

// Every failure ends the same way: one message box naming what failed, a
// window that failed while opening never on the screen, and the program
// ending with status 1 once the box is closed.
class TestErrorPaths : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ShellFixture::settle(); }
    void documentBeyondCapacity_data();
    void documentBeyondCapacity();
    void pictureFailsWhileAWindowOpens_data();
    void pictureFailsWhileAWindowOpens();
    void pictureFailsInAnOpenWindow_data();
    void pictureFailsInAnOpenWindow();

private:
    // Opens the window the way the user does: the main window at start, any
    // other by its command from the main window. Runs arm() just before.
    void open(ShellFixture &f, WindowKind kind, const std::function<void()> &arm);
    // Opens the window so, expecting it to fail while it opens; gives the message.
    void failToOpen(WindowKind kind, const std::function<void(ShellFixture &)> &arm, QString &message);
};

void TestErrorPaths::open(ShellFixture &f, WindowKind kind, const std::function<void()> &arm)
{
    if (kind == WindowKind::Main) {
        arm();
        f.shell.start();
        return;
    }
    f.shell.start();
    SpreadWindow *main = f.openSpread();
    QVERIFY(main && main->isVisible());
    arm();
    QVERIFY(ShellFixture::runCommand(main, QString::fromLatin1(commandOpening(kind))));
}

void TestErrorPaths::failToOpen(WindowKind kind, const std::function<void(ShellFixture &)> &arm, QString &message)
{
    ShellFixture f;
    ShownWindows shown;
    int visibleWhileReporting = -1;
    f.whileReporting = [&] { visibleWhileReporting = ShellFixture::visibleWindows(); };
    open(f, kind, [&] { arm(f); });

    QCOMPARE(f.reported.size(), 1);
    message = f.reported.first();
    QVERIFY2(!shown.classes.contains(QString::fromLatin1(className(kind))), qPrintable(shown.classes.join(u' ')));
    QVERIFY(!f.shell.loaded(kind));
    // Behind the box stands the main window the command came from, or nothing.
    QCOMPARE(visibleWhileReporting, kind == WindowKind::Main ? 0 : 1);
    QCOMPARE(f.endings, QList<int>{1});
    ShellFixture::settle();
    QCOMPARE(ShellFixture::visibleWindows(), 0);
}

void TestErrorPaths::documentBeyondCapacity_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    const auto past = DocumentShapes::pastCapacity();
    for (const char *limit : {"one byte too many", "one lone-CR line too many", "one letter too many, taking turns"}) {
        const auto document = std::find_if(past.begin(), past.end(),
                                           [limit](const auto &d) { return qstrcmp(d.name, limit) == 0; });
        QVERIFY(document != past.end());
        for (auto [kind, name] : {std::pair{WindowKind::Main, "main"},
                                  {WindowKind::Celtic, "celtic"},
                                  {WindowKind::Qabalistic, "qabalistic"},
                                  {WindowKind::Information, "information"}})
            QTest::addRow("%s, %s", name, limit) << kind << document->bytes << QString::fromUtf8(document->refusal);
    }
}

void TestErrorPaths::documentBeyondCapacity()
{
    QFETCH(WindowKind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    const QString document = kind == WindowKind::Information ? QStringLiteral("about.txt")
                                                             : QStringLiteral("meanings.txt");
    QString message;
    const auto writeDocument = [&](ShellFixture &f) { QVERIFY(f.folder.write(document, bytes)); };
    failToOpen(kind, writeDocument, message);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(message.startsWith(QStringLiteral("The file \u201c%1\u201d %2").arg(document, refusal)),
             qPrintable(message));
}

void TestErrorPaths::pictureFailsWhileAWindowOpens_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("loadsBefore"); // how often the picture loads before it fails
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("Picture 141 is missing from the program.");
    const QString damaged = QStringLiteral(
        "Picture 142 of the program is damaged: it holds 1000 bytes instead of 61664.");
    for (auto [kind, name, slotCount] : {std::tuple{WindowKind::Main, "main", 3},
                                         {WindowKind::Celtic, "celtic", 10},
                                         {WindowKind::Qabalistic, "qabalistic", 10}}) {
        // The slots and the pane show their pictures from the moment they are
        // built; the opening steps then load them again.
        QTest::addRow("%s, card back missing as the slots are built", name)
            << kind << int(Card_Back) << 0 << int(FailingPictures::Missing) << missing;
        QTest::addRow("%s, card back missing in the opening steps", name)
            << kind << int(Card_Back) << slotCount << int(FailingPictures::Missing) << missing;
        QTest::addRow("%s, blank preview damaged as the pane is built", name)
            << kind << int(Preview_Blank) << 0 << int(FailingPictures::Damaged) << damaged;
        QTest::addRow("%s, blank preview damaged in the opening steps", name)
            << kind << int(Preview_Blank) << 1 << int(FailingPictures::Damaged) << damaged;
    }
}

void TestErrorPaths::pictureFailsWhileAWindowOpens()
{
    QFETCH(WindowKind, kind);
    QFETCH(int, picture);
    QFETCH(int, loadsBefore);
    QFETCH(int, failure);
    QFETCH(QString, message);
    std::optional<FailingPictures> failing;
    auto loads = std::make_shared<int>(0);
    QString reported;
    failToOpen(
        kind,
        [&](ShellFixture &) {
            failing.emplace([picture, loadsBefore, loads](int id) { return id == picture && ++*loads > loadsBefore; },
                            FailingPictures::Failure(failure));
        },
        reported);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(reported, message);
    QCOMPARE(*loads, loadsBefore + 1); // it failed at the load meant, not later
}

void TestErrorPaths::pictureFailsInAnOpenWindow_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("moment");
    for (const char *moment : {"reveal", "shuffle", "clearing the preview"}) {
        for (auto [kind, name] : {std::pair{WindowKind::Main, "main"},
                                  {WindowKind::Celtic, "celtic"},
                                  {WindowKind::Qabalistic, "qabalistic"}})
            QTest::addRow("%s, %s", name, moment) << kind << QString::fromLatin1(moment);
    }
}

void TestErrorPaths::pictureFailsInAnOpenWindow()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, moment);
    ShellFixture f;
    open(f, kind, [] {});
    ShellFixture::settle();
    SpreadWindow *window = f.openSpread();
    QVERIFY(window && window->isVisible());
    QVERIFY(f.reported.isEmpty());

    // The picture the moment loads: the face of the first card dealt, the card
    // back every slot turns to, or the blank the preview pane shows.
    int picture = Preview_Blank;
    if (moment == QLatin1String("reveal"))
        picture = cardFace(int(*window->deck().cardOrder()[1][1]))->bitmapId;
    else if (moment == QLatin1String("shuffle"))
        picture = Card_Back;
    FailingPictures failing([picture](int id) { return id == picture; }, FailingPictures::Missing);
    if (moment == QLatin1String("reveal"))
        QTest::mouseDClick(window->cardSlots().last(), Qt::LeftButton);
    else if (moment == QLatin1String("shuffle"))
        QVERIFY(ShellFixture::runCommand(window, QStringLiteral("shuffle")));
    else
        QTest::mouseClick(window->previewPane(), Qt::LeftButton);

    QCOMPARE(f.reported, QStringList{QStringLiteral("Picture %1 is missing from the program.").arg(picture)});
    QCOMPARE(f.endings, QList<int>{1});
    ShellFixture::settle();
    QCOMPARE(ShellFixture::visibleWindows(), 0);
}

QTEST_MAIN(TestErrorPaths)
#include "tst_errorpaths.moc"
