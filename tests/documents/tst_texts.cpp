#include "../support/ShellFixture.h"
#include "deck/CardFaceTable.h"
#include "documents/TextDocument.h"
#include "windows/SpreadWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace quillmere;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

// The texts as they ship, from data/.
QByteArray shipped(const char *name)
{
    QFile file(QStringLiteral(QUILLMERE_SOURCE_DIR "/data/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList meaningsLines()
{
    return QString::fromLatin1(shipped("meanings.txt")).split(QStringLiteral("\r\n"));
}

// "=== THE SUIT OF CUPS ===" heads a section.
const QRegularExpression kSection(QStringLiteral("^=== (.+) ===$"));
// "KING OF CUPS", or a trump's printed title with the usual name beside it:
// "SATAN (The Devil in most decks)". Captures the name.
const QRegularExpression kCardHeading(QStringLiteral("^([A-Z][A-Z ]*[A-Z])(?: \\([^()]+\\))?$"));

// Card headings in the order they stand: a line of capitals right after an
// empty one, with the entry's text on the next line.
QStringList cardHeadings(const QStringList &lines)
{
    QStringList names;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const auto match = kCardHeading.match(lines[i]);
        if (match.hasMatch() && lines[i - 1].isEmpty() && !lines[i + 1].isEmpty())
            names << match.captured(1);
    }
    return names;
}

// The lines of the section with this title, up to the next section.
QStringList section(const QStringList &lines, const QString &title)
{
    const qsizetype start = lines.indexOf(QStringLiteral("=== %1 ===").arg(title));
    if (start < 0)
        return {};
    QStringList body;
    for (qsizetype i = start + 1; i < lines.size() && !kSection.match(lines[i]).hasMatch(); ++i)
        body << lines[i];
    return body;
}

QString nameOf(const CardFace &card)
{
    return QString::fromLatin1(card.name.data(), qsizetype(card.name.size()));
}

// A spread window shown, not maximized, with the client area a maximized
// window gets on a 1280 by 800 screen under openbox (tools/xsession.sh): the
// title bar takes 19 pixels and the menu bar another 19, leaving 1280 by 762.
SpreadWindow *openAtDesktopSize(ShellFixture &f, WindowKind kind)
{
    const QSize client(1280, 762);
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    f.shell.show(window);
    window->showNormal();
    window->resize(client.width(), client.height() + window->menuBar()->height());
    return QTest::qWaitFor([&] { return window->centralWidget()->size() == client; }) ? window : nullptr;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void textsArePlainAsciiWithCrLf_data();
    void textsArePlainAsciiWithCrLf();
    void everyCardHasOneEntryInDeckOrder();
    void contentsListTheSections();
    void everyPositionIsDescribed_data();
    void everyPositionIsDescribed();
    void everyEntryFitsThePane_data();
    void everyEntryFitsThePane();
    void aboutStatesTheVersion();
};

void TestTexts::textsArePlainAsciiWithCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("meanings.txt") << shipped("meanings.txt");
    QTest::newRow("about.txt") << shipped("about.txt");
}

void TestTexts::textsArePlainAsciiWithCrLf()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QStringLiteral("lone CR at %1").arg(i)));
        else if (c == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QStringLiteral("lone LF at %1").arg(i)));
        else
            QVERIFY2(c >= 0x20 && c < 0x7f, qPrintable(QStringLiteral("byte %1 at %2").arg(int(uchar(c))).arg(i)));
    }
    // Far inside what the pane takes: a tenth of each limit.
    const DocumentShape shape = documentShape(documentText(bytes));
    QVERIFY(bytes.size() < Capacity.bytes / 10);
    QVERIFY(shape.lines < Capacity.lines / 10);
    QVERIFY(shape.longestLine < Capacity.lineLength / 10);
}

void TestTexts::everyCardHasOneEntryInDeckOrder()
{
    QStringList expected;
    for (const CardFace &card : Card_Face_Table())
        expected << nameOf(card).toUpper();
    QCOMPARE(cardHeadings(meaningsLines()), expected);
    // A trump's heading starts with its title exactly as the card prints it.
    for (const CardFace &card : Card_Face_Table()) {
        if (!card.title.empty())
            QVERIFY(meaningsLines().contains(QRegularExpression(
                QStringLiteral("^%1( \\(.*\\))?$").arg(QString::fromLatin1(card.title.data(), card.title.size())))));
    }
}

void TestTexts::contentsListTheSections()
{
    const QStringList lines = meaningsLines();
    QStringList contents;
    for (const QString &line : section(lines, QStringLiteral("CONTENTS"))) {
        if (line.isEmpty() && !contents.isEmpty())
            break;
        if (!line.isEmpty())
            contents << line.toUpper();
    }
    QStringList sections;
    for (const QString &line : lines) {
        const auto match = kSection.match(line);
        if (match.hasMatch() && match.captured(1) != QLatin1String("CONTENTS"))
            sections << match.captured(1);
    }
    QVERIFY(sections.size() >= 9); // the readings of three spreads, the trumps, four suits
    QCOMPARE(contents, sections);
}

void TestTexts::everyPositionIsDescribed_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("main") << WindowKind::Main << QStringLiteral("READING PAST, PRESENT AND FUTURE");
    QTest::newRow("celtic") << WindowKind::Celtic << QStringLiteral("READING THE CELTIC CROSS");
    QTest::newRow("qabalistic") << WindowKind::Qabalistic << QStringLiteral("READING THE QABALISTIC TREE");
}

// Each slot's position, as the window names it for assistive technology
// ("Past", "Position 7"), starts exactly one line of its spread's section.
void TestTexts::everyPositionIsDescribed()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, title);
    const QStringList body = section(meaningsLines(), title);
    QVERIFY2(!body.isEmpty(), qPrintable(title));
    ShellFixture f;
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    QVERIFY(window);
    for (ImageControl *slot : window->cardSlots()) {
        const QString start = slot->accessibleName() + QLatin1Char(',');
        const auto described = std::count_if(body.begin(), body.end(), [&](const QString &line) {
            return line.startsWith(start) && line.size() > start.size() + 40;
        });
        QVERIFY2(described == 1, qPrintable(QStringLiteral("%1: %2 lines").arg(start).arg(described)));
    }
}

void TestTexts::everyEntryFitsThePane_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("main") << WindowKind::Main;
    QTest::newRow("celtic") << WindowKind::Celtic;
    QTest::newRow("qabalistic") << WindowKind::Qabalistic;
}

// A card's entry, its heading to its last line, shows whole in the window's
// pane: the reader finds the card and reads it without scrolling on.
void TestTexts::everyEntryFitsThePane()
{
    QFETCH(WindowKind, kind);
    ShellFixture f;
    QVERIFY(f.folder.write(QStringLiteral("meanings.txt"), shipped("meanings.txt")));
    SpreadWindow *window = openAtDesktopSize(f, kind);
    QVERIFY(window);
    QPlainTextEdit *pane = window->Text1;
    QTextDocument *document = pane->document();
    const qreal room = pane->viewport()->height() - 2 * document->documentMargin();
    const int paneLines = int(room / pane->fontMetrics().lineSpacing());

    int longestLines = 0;
    QString longest;
    QList<int> entryLines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const bool heading = kCardHeading.match(block.text()).hasMatch() && block.previous().text().isEmpty() &&
                             !block.next().text().isEmpty();
        if (!heading)
            continue;
        qreal height = 0;
        int lines = 0;
        for (QTextBlock line = block; line.isValid() && !line.text().isEmpty(); line = line.next()) {
            height += document->documentLayout()->blockBoundingRect(line).height();
            lines += line.layout()->lineCount();
        }
        QVERIFY2(height <= room, qPrintable(QStringLiteral("%1 takes %2 lines, %3 px; the pane shows %4 px")
                                                .arg(block.text())
                                                .arg(lines)
                                                .arg(height)
                                                .arg(room)));
        entryLines << lines;
        if (lines > longestLines)
            longestLines = lines, longest = block.text();
    }
    QCOMPARE(entryLines.size(), 78);
    std::sort(entryLines.begin(), entryLines.end());
    qInfo("pane %dx%d, %d lines; entries: median %d lines, longest %d (%s)", pane->viewport()->width(),
          pane->viewport()->height(), paneLines, entryLines[39], longestLines, qPrintable(longest));
}

// The Information window states the version the program was built as.
void TestTexts::aboutStatesTheVersion()
{
    const QString about = QString::fromLatin1(shipped("about.txt"));
    QVERIFY(about.contains(QStringLiteral("\r\nVersion " QUILLMERE_VERSION "\r\n")));
    QCOMPARE(about.count(QRegularExpression(QStringLiteral("\\bVersion \\d"))), 1);
}

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
