#include "SpreadWindow.h"

#include "Artwork.h"
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "deck/Renditions.h"
#include "documents/TextDocument.h"
#include "errors/FatalError.h"
#include "shell/ProportionalLayout.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>

namespace quillmere {

namespace {

const QColor kTextPaneBackground(192, 192, 192);
const QColor kTextPaneText(128, 128, 128);
const QColor kPreviewBorder(128, 128, 128);
const QString kFaceDown = QStringLiteral("Face down");
const QString kEmpty = QStringLiteral("Empty");

} // namespace

SpreadWindow::SpreadWindow(Shell &shell, QSize referenceSize)
    : m_shell(shell), m_layout(new ProportionalLayout(referenceSize))
{
    setWindowTitle(QString());
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette black = client->palette();
    black.setColor(QPalette::Window, Qt::black);
    client->setPalette(black);
    client->setAutoFillBackground(true);
    client->setLayout(m_layout);
    setCentralWidget(client);
}

void SpreadWindow::place(QWidget *control, const char *name, const QRect &twips)
{
    control->setObjectName(QString::fromLatin1(name));
    m_layout->addWidget(control, twips);
}

ImageControl *SpreadWindow::addCardSlot(const char *name, const QRect &twips, const QString &position)
{
    auto *slot = new ImageControl(centralWidget()); // owned at once, even if loading its picture fails
    slot->setAccessibleName(position);
    if (!m_handCursor)
        m_handCursor = Artwork::Hand_Cursor();
    slot->setCursor(*m_handCursor);
    showBitmap(slot, Card_Back, kFaceDown);
    place(slot, name, twips);
    m_cardSlots.append(slot);
    return slot;
}

ImageControl *SpreadWindow::addPreviewPane(const char *name, const QRect &twips)
{
    auto *pane = new ImageControl(centralWidget());
    pane->setAccessibleName(QStringLiteral("Preview"));
    // A fixed single border, drawn where the black ground would hide a black one.
    pane->setFrameShape(QFrame::Box);
    pane->setLineWidth(1);
    QPalette border = pane->palette();
    border.setColor(QPalette::WindowText, kPreviewBorder);
    pane->setPalette(border);
    showBitmap(pane, Preview_Blank, kEmpty);
    place(pane, name, twips);
    m_previewPane = pane;
    return pane;
}

ImageControl *SpreadWindow::addPicture(const char *name, const QRect &twips, const QString &artwork, bool stretch)
{
    auto *image = new ImageControl(centralWidget());
    image->setScaledContents(stretch);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPicture(Artwork::picture(artwork), {}, Renditions::forArtwork(artwork));
    place(image, name, twips);
    return image;
}

QLabel *SpreadWindow::addLabel(const char *name, const QRect &twips, const QString &caption, QColor textColour)
{
    auto *label = new QLabel(caption);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, textColour);
    label->setPalette(colours);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, name, twips);
    return label;
}

void SpreadWindow::addHiddenLabel(const QRect &twips)
{
    Label1 = new QLabel(QStringLiteral("Label1"));
    Label1->setVisible(false);
    place(Label1, "Label1", twips);
}

void SpreadWindow::addTextPane(const QRect &twips)
{
    Text1 = newTextPane();
    QPalette colours = Text1->palette();
    colours.setColor(QPalette::Base, kTextPaneBackground);
    colours.setColor(QPalette::Text, kTextPaneText);
    Text1->setPalette(colours);
    place(Text1, "Text1", twips);
}

QAction *SpreadWindow::addCommand(const char *name, const QString &caption)
{
    QAction *action = menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void SpreadWindow::Form_Load()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    m_deck.Shuffle_The_Deck();
    faceDownReset();
    Load_Text_Document(*Text1, QStringLiteral("meanings.txt"));
    Text1->setFocus();
}

void SpreadWindow::faceDownReset()
{
    for (ImageControl *slot : std::as_const(m_cardSlots)) {
        slot->setFrameShape(QFrame::NoFrame);
        showBitmap(slot, Card_Back, kFaceDown);
    }
    showBitmap(m_previewPane, Preview_Blank, kEmpty);
}

void SpreadWindow::showBitmap(ImageControl *control, int bitmapId, const QString &description, const QString &cardName)
{
    control->setPicture(CardBitmaps::load(bitmapId), description, Renditions::forBitmap(bitmapId));
    control->setToolTip(cardName);
}

void SpreadWindow::Next_Card()
{
    Label1->setText(QString::number(m_deck.dealNext()));
}

const CardFace &SpreadWindow::dealtCard(const QLabel &label)
{
    bool isNumber = false;
    const double number = label.text().toDouble(&isNumber);
    const auto &table = Card_Face_Table();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [number](const CardFace &face) { return face.cardNumber == number; });
    if (!isNumber || row == table.end())
        throw FatalError(QStringLiteral("No card is numbered \"%1\".").arg(label.text()));
    return *row;
}

void SpreadWindow::Reveal(ImageControl *slot)
{
    m_shell.guard([&] {
        Next_Card();
        const CardFace &card = dealtCard(*Label1);
        const QString name = QString::fromLatin1(card.name.data(), qsizetype(card.name.size()));
        showBitmap(slot, card.bitmapId, name, name);
    });
}

void SpreadWindow::CopyToPreview(ImageControl *slot, short Button)
{
    if (Button == ImageControl::RightButton) {
        m_previewPane->setPicture(slot->picture(), slot->accessibleDescription(), slot->rendition());
        m_previewPane->setToolTip(slot->toolTip());
    }
}

void SpreadWindow::ClearPreview()
{
    m_shell.guard([&] { showBitmap(m_previewPane, Preview_Blank, kEmpty); });
}

void SpreadWindow::exit_Click()
{
    m_shell.exitFrom(this);
}

void SpreadWindow::info_Click()
{
    m_shell.information();
}

void SpreadWindow::shuffle_Click()
{
    m_shell.guard([&] {
        m_deck.Shuffle_The_Deck();
        faceDownReset();
    });
}

void SpreadWindow::sizeToDesign()
{
    const QSize client = m_layout->reference();
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));
}

void SpreadWindow::navigateTo(WindowKind target)
{
    m_shell.navigate(this, target);
}

} // namespace quillmere
