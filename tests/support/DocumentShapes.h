#pragma once

#include "documents/TextDocument.h"

#include <QByteArray>
#include <QList>

// Text documents of the shapes that cost the pane the most, each right at the
// capacity or a step past it. The tests load them; the document benchmark
// opens windows on them.
namespace DocumentShapes {

struct Document {
    const char *name;
    QByteArray bytes;
    const char *refusal = nullptr; // what the message says; none for a document that loads
};

inline QByteArray fill(const QByteArray &unit, qsizetype size)
{
    return unit.repeated(size / unit.size() + 1).left(size);
}

// The line that costs the pane the most for its length: one left-to-right and
// one right-to-left letter taking turns, with nowhere to break it.
inline QByteArray turnTakingLine(qsizetype characters)
{
    return QByteArray("a\xd8\xaa").repeated(characters / 2) + (characters % 2 ? "a" : "");
}

inline QByteArray prose(qsizetype size)
{
    return fill("Upright: a new beginning, taken lightly and with an open heart; reversed: a leap made "
                "without looking. ",
                size);
}

// Every limit at once: the worst line first, then lines filling the rest of
// the bytes and lines exactly.
inline QByteArray everyLimitAtOnce()
{
    using quillmere::Capacity;
    QByteArray document = turnTakingLine(Capacity.lineLength) + "\r\n";
    const qsizetype lines = Capacity.lines - 1;
    const qsizetype rest = Capacity.bytes - document.size();
    const qsizetype longer = rest % lines; // this many lines take one byte more
    for (qsizetype line = 0; line < lines; ++line)
        document += prose(rest / lines - 2 + (line < longer ? 1 : 0)) + "\r\n";
    return document;
}

inline QList<Document> atCapacity()
{
    using quillmere::Capacity;
    const qsizetype lines = Capacity.lines, length = Capacity.lineLength;
    return {
        {"every limit at once", everyLimitAtOnce()},
        {"prose lines, bytes at capacity", fill(prose(198) + "\r\n", Capacity.bytes)},
        {"empty CR LF lines", QByteArray("\r\n").repeated(lines)},
        {"empty lone-CR lines", QByteArray("\r").repeated(lines)},
        // The LFs stay inside the document's one line and break the pane's.
        {"LF lines", QByteArray("a\n").repeated(lines - 1) + "a"},
        {"mixed endings", QByteArray("a\rb\r\nc\n").repeated((lines - 2) / 3) + "y\rz"},
        {"paragraph separators", QByteArray("\xe2\x80\xa9").repeated(lines - 1) + "z"},
        // About as wide as the main window's pane at 1280 by 800, so that many wrap.
        {"lines at the wrap width", fill(QByteArray(72, 'w') + "\r\n", lines * 74)},
        {"one line, one word", QByteArray(length, 'x')},
        {"one line of prose", prose(length)},
        {"one line, left-to-right and right-to-left letters taking turns", turnTakingLine(length)},
        {"one line of Windows-1252 letters", QByteArray(length, '\xe9')},
        {"one line of wide three-byte UTF-8 letters", QByteArray("\xe5\xa1\x94").repeated(length)},
        {"one line of four-byte UTF-8 pictographs", QByteArray("\xf0\x9f\x82\xa1").repeated(length / 2)},
        {"one line of letters under combining marks",
         QByteArray("a\xcc\x81\xcc\x82\xcc\x83\xcc\x84").repeated(length / 5)},
    };
}

inline QList<Document> pastCapacity()
{
    using quillmere::Capacity;
    static_assert(Capacity.lines == 20'000 && Capacity.lineLength == 5'000 && Capacity.bytes == 2 * 1024 * 1024,
                  "the messages below quote the capacity");
    const qsizetype lines = Capacity.lines, length = Capacity.lineLength;
    const char *tooManyLines = "has too many lines to show: 20,001, where the limit is 20,000.";
    const char *firstLineTooLong =
        "has a line too long to show: line 1 has 5,001 characters, where the limit is 5,000.";
    return {
        {"one byte too many", fill(prose(198) + "\r\n", Capacity.bytes + 1),
         "is too large to show: 2,097,153 bytes, where the limit is 2,097,152 bytes (2 MB)."},
        {"one CR LF line too many", QByteArray("\r\n").repeated(lines + 1), tooManyLines},
        {"one lone-CR line too many", QByteArray("\r").repeated(lines + 1), tooManyLines},
        {"one LF line too many", QByteArray("a\n").repeated(lines) + "a", tooManyLines},
        {"one line of mixed endings too many", QByteArray("a\rb\r\nc\n").repeated((lines - 2) / 3) + "x\ry\rz",
         tooManyLines},
        {"one paragraph separator too many", QByteArray("\xe2\x80\xa9").repeated(lines) + "z", tooManyLines},
        {"one letter too many in a word", QByteArray(length + 1, 'x'), firstLineTooLong},
        {"one letter too many in the second line", "short\r\n" + QByteArray(length + 1, 'x') + "\r\nend",
         "has a line too long to show: line 2 has 5,001 characters, where the limit is 5,000."},
        {"one letter too many, taking turns", turnTakingLine(length + 1), firstLineTooLong},
        {"one Windows-1252 letter too many", QByteArray(length + 1, '\xe9'), firstLineTooLong},
        {"one wide three-byte letter too many", QByteArray("\xe5\xa1\x94").repeated(length + 1), firstLineTooLong},
        // A pictograph beyond the first plane is two of the pane's characters.
        {"one character too many after pictographs", QByteArray("\xf0\x9f\x82\xa1").repeated(length / 2) + "a",
         firstLineTooLong},
    };
}

} // namespace DocumentShapes
