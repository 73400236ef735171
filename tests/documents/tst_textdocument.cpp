#include "../support/DocumentShapes.h"
#include "../support/TestFolder.h"
#include "documents/TextDocument.h"
#include "errors/FatalError.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillmere;

class TestTextDocument : public QObject {
    Q_OBJECT
private slots:
    void linesEndInCrLf_data();
    void linesEndInCrLf();
    void paneShowsTheDocument();
    void shapeCountsLinesAsThePaneBreaksThem_data();
    void shapeCountsLinesAsThePaneBreaksThem();
    void capacityIsTheLimit_data();
    void capacityIsTheLimit();
    void unreadableDocumentsFail_data();
    void unreadableDocumentsFail();
};

void TestTextDocument::linesEndInCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("document");
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("one line without terminator") << QByteArray("Past") << "Past\r\n";
    QTest::newRow("two CR LF lines") << QByteArray("one\r\ntwo\r\n") << "one\r\ntwo\r\n";
    QTest::newRow("CR LF CR LF") << QByteArray("\r\n\r\n") << "\r\n\r\n";
    QTest::newRow("lone CR between lines") << QByteArray("one\rtwo") << "one\r\ntwo\r\n";
    QTest::newRow("lines ending in lone LF") << QByteArray("one\ntwo\n") << "one\ntwo\n\r\n";
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << "a\r\n\r\n";
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << "a\n\r\nb\r\n";
    QTest::newRow("only CRs") << QByteArray("\r\r\r") << "\r\n\r\n\r\n";
    QTest::newRow("Windows-1252") << QByteArray("\x93Tarot\x94 \x80\xe9")
                                  << QString::fromUtf8("\u201cTarot\u201d \u20ac\u00e9\r\n");
    QTest::newRow("valid UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x80\x94") << QString::fromUtf8("caf\u00e9 \u2014\r\n");
    QTest::newRow("byte order mark dropped") << QByteArray("\xef\xbb\xbfPast") << "Past\r\n";
    QTest::newRow("byte order mark alone is one empty line") << QByteArray("\xef\xbb\xbf") << "\r\n";
    QTest::newRow("invalid UTF-8 falls back") << QByteArray("caf\xe9\xc3") << QString::fromUtf8("caf\u00e9\u00c3\r\n");
    QTest::newRow("NUL bytes kept") << QByteArray("a\0b", 3)
                                    << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b\r\n"));
}

void TestTextDocument::linesEndInCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, document);
    QCOMPARE(documentText(bytes), document);
}

void TestTextDocument::paneShowsTheDocument()
{
    TestFolder folder;
    QVERIFY(folder.write(QStringLiteral("meanings.txt"), "THE FOOL\r\nA leap.\r\n\r\nEnd"));
    QPlainTextEdit pane(QStringLiteral("Text1"));
    Load_Text_Document(pane, QStringLiteral("meanings.txt"));
    // Each CR LF is one line break on screen.
    QCOMPARE(pane.toPlainText(), QStringLiteral("THE FOOL\nA leap.\n\nEnd\n"));
    QCOMPARE(pane.document()->firstBlock().text(), QStringLiteral("THE FOOL"));

    QVERIFY(folder.write(QStringLiteral("meanings.txt"), ""));
    Load_Text_Document(pane, QStringLiteral("meanings.txt"));
    QCOMPARE(pane.toPlainText(), QString()); // not the name the pane carried
}

void TestTextDocument::shapeCountsLinesAsThePaneBreaksThem_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("longestAt");
    QTest::newRow("empty") << QString() << 0 << 0 << 0;
    QTest::newRow("no break at the end") << QStringLiteral("abc") << 1 << 3 << 1;
    QTest::newRow("CR LF is one break") << QStringLiteral("ab\r\ncde\r\n") << 2 << 3 << 2;
    QTest::newRow("lone CR and LF break too") << QStringLiteral("a\rbb\ncccc\r\n") << 3 << 4 << 3;
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\n\n") << 3 << 0 << 0;
    QTest::newRow("first of equal lengths") << QStringLiteral("ab\r\ncd\r\n") << 2 << 2 << 1;
    QTest::newRow("paragraph and frame marks")
        << QString::fromUtf16(u"a\u2029bb\ufdd0ccc\ufdd1dddd\r\n") << 4 << 4 << 4;
    QTest::newRow("line separator stays in its line") << QString::fromUtf16(u"ab\u2028cd\r\n") << 1 << 5 << 1;
    QTest::newRow("astral characters count twice") << QString::fromUtf16(u"\U0001F0A1\r\n") << 1 << 2 << 1;
}

void TestTextDocument::shapeCountsLinesAsThePaneBreaksThem()
{
    QFETCH(QString, document);
    QFETCH(int, lines);
    QFETCH(int, longest);
    QFETCH(int, longestAt);
    const DocumentShape shape = documentShape(document);
    QCOMPARE(shape.lines, lines);
    QCOMPARE(shape.longestLine, longest);
    QCOMPARE(shape.longestLineNumber, longestAt);

    // The pane agrees: one block per line, and an empty one after the last break.
    if (!document.isEmpty()) {
        QPlainTextEdit pane;
        pane.setPlainText(document);
        const bool endsInBreak = document.back() == QLatin1Char('\n');
        QCOMPARE(pane.blockCount(), lines + (endsInBreak ? 1 : 0));
    }
}

// For every shape that sets a limit, a document right at the capacity loads and
// one a step past it is refused, naming the file and what is too much.
void TestTextDocument::capacityIsTheLimit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: the document loads
    for (const auto &document : DocumentShapes::atCapacity())
        QTest::addRow("at capacity: %s", document.name) << document.bytes << QString();
    for (const auto &document : DocumentShapes::pastCapacity())
        QTest::addRow("past capacity: %s", document.name) << document.bytes << QString::fromUtf8(document.refusal);
}

void TestTextDocument::capacityIsTheLimit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    TestFolder folder;
    QVERIFY(folder.write(QStringLiteral("meanings.txt"), bytes));
    QPlainTextEdit pane;
    try {
        Load_Text_Document(pane, QStringLiteral("meanings.txt"));
        QVERIFY2(refusal.isEmpty(), "a document beyond the capacity loaded");
        QString shown = documentText(bytes);
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QVERIFY(pane.toPlainText() == shown);
    } catch (const FatalError &error) {
        QVERIFY2(!refusal.isEmpty(), qPrintable(error.message()));
        QVERIFY2(error.message().startsWith(QStringLiteral("The file \u201cmeanings.txt\u201d ") + refusal),
                 qPrintable(error.message()));
        QCOMPARE(pane.toPlainText(), QStringLiteral("meanings.txt")); // nothing of the document shown
    }
}

void TestTextDocument::unreadableDocumentsFail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("missing") << "missing" << "was not found";
    QTest::newRow("directory") << "directory" << "is a folder";
    QTest::newRow("FIFO") << "fifo" << "not an ordinary file";
    QTest::newRow("link to /dev/zero") << "devzero" << "not an ordinary file";
    QTest::newRow("dangling link") << "dangling" << "was not found";
    QTest::newRow("too large") << "large" << "too large";
    // clang-format on
}

void TestTextDocument::unreadableDocumentsFail()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    TestFolder folder;
    const QByteArray path = folder.path(QStringLiteral("about.txt")).toLocal8Bit();
    if (kind == QLatin1String("directory"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("about.txt")));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else if (kind == QLatin1String("devzero"))
        QCOMPARE(symlink("/dev/zero", path.constData()), 0);
    else if (kind == QLatin1String("dangling"))
        QCOMPARE(symlink("/nonexistent/about.txt", path.constData()), 0);
    else if (kind == QLatin1String("large"))
        QCOMPARE(truncate((folder.write(QStringLiteral("about.txt"), "x"), path.constData()), Capacity.bytes + 1), 0);

    QPlainTextEdit pane;
    try {
        Load_Text_Document(pane, QStringLiteral("about.txt"));
        QFAIL("an unreadable document loaded");
    } catch (const FatalError &error) {
        QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        QVERIFY2(error.message().contains(QStringLiteral("about.txt")), qPrintable(error.message()));
    }
}

QTEST_MAIN(TestTextDocument)
#include "tst_textdocument.moc"
