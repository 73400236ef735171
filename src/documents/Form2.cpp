#include "Form2.h"

#include "TextDocument.h"
#include "shell/ProportionalLayout.h"
#include "windows/Artwork.h"

#include <QPlainTextEdit>

namespace quillmere {

Form2::Form2() : Text1(newTextPane()), m_layout(new ProportionalLayout(ReferenceSize))
{
    setWindowTitle(QStringLiteral("Quillmere Tarot Information"));
    setWindowIcon(Artwork::programIcon());
    // The system's button face, the usual ground of a dialog.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    Text1->setFont(font);

    m_layout->addWidget(Text1, {1920, 1440, 8055, 5655});
    setLayout(m_layout);
    resize(ReferenceSize);
}

void Form2::Form_Load()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    Load_Text_Document(*Text1, QStringLiteral("about.txt"));
    Text1->setFocus();
}

} // namespace quillmere
