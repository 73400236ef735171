#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

class QPlainTextEdit;

namespace quillmere {

// What a text pane shows and still opens its window promptly. The cost of a
// document lies in its shape as much as in its size: every line the pane shows
// costs time and memory of its own, and the pane lays out a long line whole, at
// a cost that grows with the square of its length where the line offers no
// place to break it (one long word, or left-to-right and right-to-left letters
// taking turns). Documents beyond any of these are refused with a message.
struct DocumentCapacity {
    qint64 bytes;         // the size of the file
    qsizetype lines;      // lines as the pane shows them
    qsizetype lineLength; // characters (UTF-16 code units) in the longest of them
};
inline constexpr DocumentCapacity Capacity{2 * 1024 * 1024, 20'000, 5'000};

// How a document text fills the pane. The pane starts a line at each CR LF and
// also at a lone CR or LF and at a paragraph separator (U+2029, and U+FDD0 and
// U+FDD1, which it takes as frame boundaries), so those end a line here too.
struct DocumentShape {
    qsizetype lines = 0;             // lines that end in a break; the empty rest after the last is not one
    qsizetype longestLine = 0;       // its length in UTF-16 code units
    qsizetype longestLineNumber = 0; // 1 for the first line; 0 for an empty document
};
DocumentShape documentShape(QStringView document);

// The bytes of a text document as the pane shows them. Bytes are Windows-1252,
// unless they form valid UTF-8 with something beyond ASCII, which a modern
// editor will have written. A line ends at CR, and an LF right after that CR
// belongs to the terminator; any other LF is part of its line. Every line of the
// result, the last one too, ends in CR LF, and the end of the file ends the last
// line without adding an empty one.
QString documentText(QByteArrayView bytes);

// A text pane as every window has one: named Text1 and showing that name until
// a document fills it, read-only, its vertical scroll bar always there and no
// horizontal one, its lines wrapped at its width.
QPlainTextEdit *newTextPane();

// Fills the pane with the named document from the current working directory,
// in one step once the file is closed. Throws FatalError naming the file and
// the problem when it is missing, is not a regular file, cannot be read or is
// beyond the pane's capacity.
void Load_Text_Document(QPlainTextEdit &pane, const QString &file_name);

} // namespace quillmere
