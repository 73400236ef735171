// The figures of every picture that has them (the 22 trumps' people, animals,
// thrones, what they hold and wear, the wheel and its creatures; the 16 court
// cards' figures with their thrones and horses), drawn alone and unclipped by
// the generator's own painters onto a canvas larger than the card: every part
// must fall inside the picture, above a trump's band, so no crown, sword tip,
// lantern, hoof or wing is cut off by the frame or hidden under the title.

#include "CourtCards.h"
#include "trumps/Trumps.h"

#include "deck/CardFaceTable.h"

#include "FigureSpill.h"

#include <QPainter>
#include <QTest>

using quillmere::CardFace;
using quillmere::Rank;
using quillmere::Suit;

class FiguresInside : public QObject {
    Q_OBJECT

private slots:
    void insideThePicture_data();
    void insideThePicture();
};

void FiguresInside::insideThePicture_data()
{
    QTest::addColumn<int>("cardNumber");
    for (const CardFace &face : quillmere::Card_Face_Table()) {
        const bool court = face.rank == Rank::King || face.rank == Rank::Queen || face.rank == Rank::Knight ||
                           face.rank == Rank::Page;
        if (face.suit == Suit::MajorArcana || court)
            QTest::addRow("%d %s", face.cardNumber, face.name.data()) << face.cardNumber;
    }
}

void FiguresInside::insideThePicture()
{
    QFETCH(int, cardNumber);
    const CardFace face = *quillmere::cardFace(cardNumber);
    const bool trump = face.suit == Suit::MajorArcana;
    const QRectF scene = trump ? artwork::trumpScene() : artwork::courtScene();
    bool painted = true;
    const FigureSpill spill = FigureSpill::of(scene, [&](QPainter &p) {
        if (trump)
            painted = artwork::paintTrumpFigures(p, cardNumber);
        else
            artwork::courtFigures(p, face);
    });
    QVERIFY(painted);
    // The figures are really there: they cover a good part of the picture
    // (a court card's figure fills it; The Moon's beasts are the smallest of
    // the trumps' figures, about a tenth of it).
    const double share = trump ? 1.0 / 20 : 1.0 / 6;
    QVERIFY2(spill.drawn > scene.width() * scene.height() * share,
             qPrintable(QString("only %1 pixels drawn").arg(spill.drawn)));
    QVERIFY2(spill.outside == 0, qPrintable(spill.describe()));
}

QTEST_GUILESS_MAIN(FiguresInside)
#include "tst_figuresinside.moc"
