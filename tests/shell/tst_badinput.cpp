#include "../support/DocumentShapes.h"
#include "../support/ShellFixture.h"
#include "documents/Form2.h"
#include "documents/TextDocument.h"
#include "windows/SpreadWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillmere;

namespace {

// Runs an action with the effective user of nobody when the tests run as root,
// who can read any file.
template <typename Action> void asUnprivileged(Action &&action)
{
    if (geteuid() != 0) {
        action();
        return;
    }
    const passwd *nobody = getpwnam("nobody");
    QVERIFY(nobody);
    QCOMPARE(seteuid(nobody->pw_uid), 0);
    action();
    QCOMPARE(seteuid(0), 0);
}

QByteArray bigText()
{
    // 50 MB of meanings-like lines.
    return DocumentShapes::fill(DocumentShapes::prose(100) + "\r\n", 50 * 1024 * 1024);
}

} // namespace

// Every kind of bad text document, for both documents: a clear message box
// naming the problem and no window, or the text shown as it stands. Never a
// crash, a hang or a half-built window.
class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ShellFixture::settle(); }
    void documents_data();
    void documents();
};

void TestBadInput::documents_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected"); // what the message says, or "shown"
    for (const char *document : {"meanings.txt", "about.txt"}) {
        const auto row = [document](const char *kind, const char *expected) {
            QTest::addRow("%s %s", document, kind)
                << QString::fromLatin1(document) << QString::fromLatin1(kind) << QString::fromLatin1(expected);
        };
        row("missing", "was not found");
        row("directory", "is a folder, not a text file");
        row("unreadable", "cannot be opened: Permission denied");
        row("FIFO", "is not an ordinary file");
        row("link to /dev/zero", "is not an ordinary file");
        row("50 MB", "is too large to show: 52,428,800 bytes");
        row("every limit at once", "shown");
        row("NUL bytes", "shown");
        row("invalid UTF-8", "shown");
        row("only CRs", "shown");
    }
}

void TestBadInput::documents()
{
    QFETCH(QString, document);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    ShellFixture f;
    QVERIFY(chmod(f.folder.path().toLocal8Bit().constData(), 0755) == 0); // so that nobody can look in
    const QByteArray path = f.folder.path(document).toLocal8Bit();
    QVERIFY(f.folder.remove(document));

    QByteArray content;
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir(f.folder.path()).mkdir(document));
    } else if (kind == QLatin1String("unreadable")) {
        QVERIFY(f.folder.write(document, "secret\r\n"));
        QCOMPARE(chmod(path.constData(), 0), 0);
    } else if (kind == QLatin1String("FIFO")) {
        QCOMPARE(mkfifo(path.constData(), 0644), 0);
    } else if (kind == QLatin1String("link to /dev/zero")) {
        QCOMPARE(symlink("/dev/zero", path.constData()), 0);
    } else if (kind == QLatin1String("50 MB")) {
        content = bigText();
    } else if (kind == QLatin1String("every limit at once")) {
        content = DocumentShapes::everyLimitAtOnce();
    } else if (kind == QLatin1String("NUL bytes")) {
        content = QByteArray("THE FOOL\0\0 a step\r\n\0\r\n", 22);
    } else if (kind == QLatin1String("invalid UTF-8")) {
        content = "caf\xe9 \xc3\x28 \xff\xfe\r\nsecond line\r\n";
    } else if (kind == QLatin1String("only CRs")) {
        content = QByteArray(1000, '\r');
    }
    if (!content.isNull())
        QVERIFY(f.folder.write(document, content));

    int shownWhileReporting = -1;
    f.whileReporting = [&] { shownWhileReporting = ShellFixture::visibleWindows(); };
    QElapsedTimer clock;
    clock.start();
    const bool about = document == QLatin1String("about.txt");
    asUnprivileged([&] {
        f.shell.start();
        if (about) {
            auto *spread = qobject_cast<SpreadWindow *>(f.shell.loaded(WindowKind::Main));
            QVERIFY(spread && spread->isVisible());
            spread->info_Click();
        }
    });
    const qint64 elapsed = clock.elapsed();

    if (expected == QLatin1String("shown")) {
        QVERIFY2(f.reported.isEmpty(), qPrintable(f.reported.join(QLatin1Char('\n'))));
        QPlainTextEdit *pane = about ? qobject_cast<Form2 *>(f.shell.loaded(WindowKind::Information))->Text1
                                     : qobject_cast<SpreadWindow *>(f.shell.loaded(WindowKind::Main))->Text1;
        QVERIFY(pane->window()->isVisible());
        QString shown = documentText(content);
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QCOMPARE(pane->toPlainText().size(), shown.size());
        QVERIFY(pane->toPlainText() == shown);
        // It scrolls: to the end and back.
        QScrollBar *bar = pane->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        qInfo("%s: %lld bytes shown in %lld ms", qPrintable(kind), qint64(content.size()), elapsed);
    } else {
        QCOMPARE(f.reported.size(), 1);
        const QString &message = f.reported.first();
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY2(message.contains(document), qPrintable(message));
        QCOMPARE(f.endings, QList<int>{1});
        // No window of the failing document ever showed; the main window is
        // still there behind the box when the Information window failed.
        QCOMPARE(shownWhileReporting, about ? 1 : 0);
        QVERIFY(!f.shell.loaded(about ? WindowKind::Information : WindowKind::Main));
        ShellFixture::settle();
        QCOMPARE(ShellFixture::visibleWindows(), 0);
        QVERIFY2(elapsed < 5000, qPrintable(QString::number(elapsed)));
    }
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
