// The court cards' figures (with their thrones, horses and what they hold),
// drawn alone by the generator's own court painters onto a canvas larger than
// the card: every part must fall inside the picture, so no crown, sword tip,
// hoof or tail is cut off by the frame.

#include "CourtCards.h"

#include "deck/CardFaceTable.h"

#include "FigureSpill.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using quillmere::CardFace;
using quillmere::Rank;

class CourtFigures : public QObject {
    Q_OBJECT

  private slots:
    void insideThePicture_data();
    void insideThePicture();
};

void CourtFigures::insideThePicture_data()
{
    QTest::addColumn<int>("cardNumber");
    for (const CardFace &face : quillmere::Card_Face_Table()) {
        if (face.rank == Rank::King || face.rank == Rank::Queen || face.rank == Rank::Knight ||
            face.rank == Rank::Page)
            QTest::addRow("%s", face.name.data()) << face.cardNumber;
    }
}

void CourtFigures::insideThePicture()
{
    QFETCH(int, cardNumber);
    const CardFace face = *quillmere::cardFace(cardNumber);
    const QRectF scene = artwork::courtScene();
    const FigureSpill spill = FigureSpill::of(scene, [&](QPainter &p) { artwork::courtFigures(p, face); });
    // The figures fill a good part of the picture.
    QVERIFY2(spill.drawn > scene.width() * scene.height() / 6,
             qPrintable(QString("only %1 pixels drawn").arg(spill.drawn)));
    QVERIFY2(spill.outside == 0, qPrintable(spill.describe()));
}

QTEST_GUILESS_MAIN(CourtFigures)
#include "tst_courtfigures.moc"
