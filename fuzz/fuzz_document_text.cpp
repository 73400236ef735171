// Feeds arbitrary bytes to documentText() and checks what must hold for every
// text document, against oracles that work on the raw bytes alone: CR and LF are
// the same bytes in Windows-1252 and in UTF-8, so the lines can be found without
// decoding.
#include "documents/TextDocument.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "documentText: %s\n", what);
        std::abort();
    }
}

// Lines by the rule, counted another way than the pane's reader goes about it:
// every CR ends one line, and whatever follows the last CR (less an LF right
// after it) is one more line if it is not empty.
qsizetype lineCount(const uint8_t *data, size_t size)
{
    qsizetype crs = 0;
    size_t tail = 0; // where the bytes after the last terminator start
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\r') {
            ++crs;
            tail = i + 1 < size && data[i + 1] == '\n' ? i + 2 : i + 1;
        }
    }
    return crs + (tail < size ? 1 : 0);
}

// For bytes that are all ASCII the whole document is known without decoding.
bool isAscii(const uint8_t *data, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        if (data[i] >= 0x80)
            return false;
    return true;
}

QString asciiDocument(const uint8_t *data, size_t size)
{
    QString document;
    bool lineOpen = false;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\r') {
            document += QLatin1String("\r\n");
            lineOpen = false;
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else {
            document += QChar(data[i]);
            lineOpen = true;
        }
    }
    if (lineOpen)
        document += QLatin1String("\r\n");
    return document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString document = quillmere::documentText(bytes);

    require(document.isEmpty() == (size == 0), "the document is empty exactly when the file is");
    if (!document.isEmpty())
        require(document.endsWith(QLatin1String("\r\n")), "a document ends in CR LF");

    qsizetype crLfs = 0;
    for (qsizetype i = 0; i < document.size(); ++i) {
        if (document.at(i) == QLatin1Char('\r')) {
            require(i + 1 < document.size() && document.at(i + 1) == QLatin1Char('\n'), "every CR is followed by LF");
            ++crLfs;
        }
    }
    require(crLfs == lineCount(data, size), "one CR LF for every line of the file");

    if (isAscii(data, size))
        require(document == asciiDocument(data, size), "an ASCII file shows byte for byte");

    // A document in the pane's own form, saved as UTF-8, reads back unchanged.
    // (A leading U+FEFF would be read back as a byte order mark and dropped.)
    if (!document.startsWith(QChar(0xFEFF)))
        require(quillmere::documentText(document.toUtf8()) == document, "the pane's form reads back unchanged");
    return 0;
}
