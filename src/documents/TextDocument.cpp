#include "TextDocument.h"

#include "errors/FatalError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStringDecoder>

namespace quillmere {

namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString decode(QByteArrayView bytes)
{
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes); // a Qt without ICU: the same for all but 0x80 to 0x9F
}

QString describe(const QString &fileName)
{
    return QStringLiteral("\u201c%1\u201d").arg(fileName);
}

// Numbers in messages, grouped in thousands the English way: "20,001".
QString count(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

[[noreturn]] void fail(const QString &problem)
{
    // Every message ends by saying where the program looked, on a line of its
    // own so that a long path is not broken up.
    throw FatalError(problem + QStringLiteral("\n\nThe program reads it from the folder it was started in:\n%1")
                                   .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

QByteArray readDocument(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString name = describe(fileName);
    const auto tooLarge = [&](qint64 size) {
        fail(QStringLiteral("The file %1 is too large to show: %2 bytes, where the limit is %3 bytes (%4 MB).")
                 .arg(name, count(size), count(Capacity.bytes), count(Capacity.bytes / (1024 * 1024))));
    };

    if (!info.exists())
        fail(QStringLiteral("The file %1 was not found.").arg(name));
    if (info.isDir())
        fail(QStringLiteral("%1 is a folder, not a text file.").arg(name));
    if (!info.isFile())
        fail(QStringLiteral("%1 is not an ordinary file, so it cannot be read as text.").arg(name));
    // Refused before a byte is read, so that a huge file costs nothing.
    if (info.size() > Capacity.bytes)
        tooLarge(info.size());

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("The file %1 cannot be opened: %2.").arg(name, file.errorString()));
    // Read at most one byte past the limit, in case the file grew since it was looked at.
    QByteArray bytes = file.read(Capacity.bytes + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("The file %1 cannot be read: %2.").arg(name, file.errorString()));
    if (bytes.size() > Capacity.bytes)
        tooLarge(std::max(info.size(), qint64(bytes.size())));
    return bytes;
}

void checkShape(const QString &fileName, QStringView document)
{
    const DocumentShape shape = documentShape(document);
    if (shape.lines > Capacity.lines)
        fail(QStringLiteral("The file %1 has too many lines to show: %2, where the limit is %3.")
                 .arg(describe(fileName), count(shape.lines), count(Capacity.lines)));
    if (shape.longestLine > Capacity.lineLength)
        fail(QStringLiteral("The file %1 has a line too long to show: line %2 has %3 characters, where the "
                            "limit is %4.")
                 .arg(describe(fileName), count(shape.longestLineNumber), count(shape.longestLine),
                      count(Capacity.lineLength)));
}

} // namespace

DocumentShape documentShape(QStringView document)
{
    DocumentShape shape;
    const auto endLine = [&shape](qsizetype length) {
        ++shape.lines;
        if (length > shape.longestLine) {
            shape.longestLine = length;
            shape.longestLineNumber = shape.lines;
        }
    };
    qsizetype lineStart = 0;
    const qsizetype end = document.size();
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t c = document[i].unicode();
        if (c != u'\r' && c != u'\n' && c != u'\u2029' && c != u'\ufdd0' && c != u'\ufdd1')
            continue;
        endLine(i - lineStart);
        if (c == u'\r' && i + 1 < end && document[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < end)
        endLine(end - lineStart);
    return shape;
}

QString documentText(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const QString text = decode(bytes);
    QString document;
    document.reserve(text.size() + text.size() / 16 + 2);
    qsizetype pos = 0;
    const qsizetype end = text.size();
    // A file that holds anything has a first line, even when decoding leaves no
    // text (a lone UTF-8 byte order mark); the end is tested after every line.
    do {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), pos);
        const qsizetype lineEnd = cr < 0 ? end : cr;
        document.append(QStringView(text).mid(pos, lineEnd - pos));
        document.append(QLatin1String("\r\n"));
        pos = lineEnd;
        if (pos < end) {
            ++pos; // the CR
            if (pos < end && text.at(pos) == QLatin1Char('\n'))
                ++pos;
        }
    } while (pos < end);
    return document;
}

QPlainTextEdit *newTextPane()
{
    auto *pane = new QPlainTextEdit(QStringLiteral("Text1"));
    pane->setObjectName(QStringLiteral("Text1"));
    pane->setReadOnly(true);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return pane;
}

void Load_Text_Document(QPlainTextEdit &pane, const QString &file_name)
{
    // The pane carries the name to the file, as it always has; the user never
    // sees it, since the window is not shown yet.
    pane.setPlainText(file_name);
    const QString path = pane.toPlainText();
    const QString document = documentText(readDocument(path));
    checkShape(path, document);
    pane.setPlainText(document);
}

} // namespace quillmere
