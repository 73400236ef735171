#include "Reveal.h"

#include "CardFaceTable.h"
#include "Deck.h"
#include "errors/FatalError.h"

#include <QLabel>
#include <algorithm>

namespace quillmere {

void Next_Card(Deck &deck, QLabel &Label1)
{
    Label1.setText(QString::number(deck.dealNext()));
}

const CardFace &dealtCard(const QLabel &Label1)
{
    bool isNumber = false;
    const double number = Label1.text().toDouble(&isNumber);
    const auto &table = Card_Face_Table();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [number](const CardFace &face) { return face.cardNumber == number; });
    if (!isNumber || row == table.end())
        throw FatalError(QStringLiteral("No card is numbered \"%1\".").arg(Label1.text()));
    return *row;
}

} // namespace quillmere
