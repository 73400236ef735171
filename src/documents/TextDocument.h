#pragma once

#include <QByteArrayView>
#include <QString>

class QPlainTextEdit;

namespace quillmere {

// The largest document a text pane takes; anything bigger is refused with a
// message rather than left to exhaust memory.
inline constexpr qint64 MaxDocumentBytes = 64 * 1024 * 1024;

// The bytes of a text document as the pane shows them. Bytes are Windows-1252,
// unless they form valid UTF-8 with something beyond ASCII, which a modern
// editor will have written. A line ends at CR, and an LF right after that CR
// belongs to the terminator; any other LF is part of its line. Every line of the
// result, the last one too, ends in CR LF, and the end of the file ends the last
// line without adding an empty one.
QString documentText(QByteArrayView bytes);

// Fills the pane with the named document from the current working directory,
// in one step once the file is closed. Throws FatalError naming the problem when
// the file is missing, is not a regular file, cannot be read or is too large.
void Load_Text_Document(QPlainTextEdit &pane, const QString &file_name);

} // namespace quillmere
