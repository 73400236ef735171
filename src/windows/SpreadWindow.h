#pragma once

#include "deck/Deck.h"
#include "shell/Shell.h"

#include "windows/ImageControl.h"

#include <QCursor>
#include <QMainWindow>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace quillmere {

class ProportionalLayout;
struct CardFace;

// What the three spread windows share: card slots that start face down, a
// preview pane, the meanings text, the hidden Label1 and the window's own deck.
// Each window builds its controls from its layout table and names its handlers;
// the handlers call the behaviour here.
class SpreadWindow : public QMainWindow {
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;        // carries the dealt card's number; never shown
    QPlainTextEdit *Text1 = nullptr; // the meanings

    // The opening steps: maximized, a fresh deck, every slot face down, the
    // preview blank, the meanings read.
    void Form_Load();

    // Deals the next card of the deck: its number, as plain digits, goes into
    // Label1's caption.
    void Next_Card();

    // The card whose number a caption of Label1 holds, as the reveal reads it
    // back. Throws FatalError when the caption names no card.
    static const CardFace &dealtCard(const QLabel &label);

    // The commands every spread window has. Shuffle: a fresh deck, every slot
    // face down, the preview blank.
    void exit_Click();
    void info_Click();
    void shuffle_Click();

    const QList<ImageControl *> &cardSlots() const { return m_cardSlots; }
    ImageControl *previewPane() const { return m_previewPane; }
    const Deck &deck() const { return m_deck; }
    ProportionalLayout *proportionalLayout() const { return m_layout; }

protected:
    SpreadWindow(Shell &shell, QSize referenceSize);

    // Controls, each placed at its design rectangle in twips. Later controls lie
    // in front of earlier ones. A card slot's position ("Past", "Position 3")
    // is its accessible name.
    ImageControl *addCardSlot(const char *name, const QRect &twips, const QString &position);
    ImageControl *addPreviewPane(const char *name, const QRect &twips);
    ImageControl *addPicture(const char *name, const QRect &twips, const QString &artwork, bool stretch);
    QLabel *addLabel(const char *name, const QRect &twips, const QString &caption, QColor textColour);
    void addHiddenLabel(const QRect &twips);
    void addTextPane(const QRect &twips);

    // A command of the menu bar, run by choosing it on the bar itself.
    template <typename Window> void command(const char *name, const QString &caption, void (Window::*handler)());

    // Connects a card slot to its window's named handlers.
    template <typename Window>
    void wire(ImageControl *slot, void (Window::*dblClick)(), void (Window::*mouseDown)(short, short, float, float));

    // What the slot and pane handlers do. The reveal, on a double click of a
    // card slot: deals the next card (Next_Card), reads its number back from
    // Label1, loads that card's face afresh and shows it on the slot, named for
    // assistive technology and in a tooltip. The copy takes the slot's tooltip
    // along with its picture. A face that fails to load ends the program through
    // the shell's guard.
    void Reveal(ImageControl *slot);
    void CopyToPreview(ImageControl *slot, short Button);
    void ClearPreview();

    void navigateTo(WindowKind target);

    // Gives the window, when not maximized, a client area of its design size.
    void sizeToDesign();

    Shell &m_shell;

private:
    void faceDownReset();
    // Shows a bitmap of the program on a slot or the pane, with its rendition
    // for wherever the control is larger. A card's face carries the card's name
    // as its tooltip; the back and the blank carry none.
    static void showBitmap(ImageControl *control, int bitmapId, const QString &description,
                           const QString &cardName = {});
    QAction *addCommand(const char *name, const QString &caption);
    void place(QWidget *control, const char *name, const QRect &twips);

    ProportionalLayout *m_layout;
    QList<ImageControl *> m_cardSlots;
    ImageControl *m_previewPane = nullptr;
    std::optional<QCursor> m_handCursor;
    Deck m_deck;
};

template <typename Window>
void SpreadWindow::command(const char *name, const QString &caption, void (Window::*handler)())
{
    connect(addCommand(name, caption), &QAction::triggered, static_cast<Window *>(this), handler);
}

template <typename Window>
void SpreadWindow::wire(ImageControl *slot, void (Window::*dblClick)(),
                        void (Window::*mouseDown)(short, short, float, float))
{
    auto *window = static_cast<Window *>(this);
    connect(slot, &ImageControl::DblClick, window, dblClick);
    connect(slot, &ImageControl::MouseDown, window, mouseDown);
}

} // namespace quillmere
