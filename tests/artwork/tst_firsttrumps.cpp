// The first eleven trumps' figures (people, animals, thrones, what they hold
// and wear, the wheel and its creatures), drawn alone by the generator's own
// painters onto a canvas larger than the card: every part must fall inside the
// picture, above the band, so no crown, lantern, hoof or wing is cut off by
// the frame or hidden under the title.

#include "trumps/Trumps.h"

#include "deck/CardFaceTable.h"

#include "FigureSpill.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class FirstTrumpFigures : public QObject {
    Q_OBJECT

  private slots:
    void insideThePicture_data();
    void insideThePicture();
};

void FirstTrumpFigures::insideThePicture_data()
{
    QTest::addColumn<int>("cardNumber");
    for (int card = 1; card <= 11; ++card)
        QTest::addRow("%s", quillmere::cardFace(card)->name.data()) << card;
}

void FirstTrumpFigures::insideThePicture()
{
    QFETCH(int, cardNumber);
    bool painted = false;
    const QRectF scene = artwork::trumpScene();
    const FigureSpill spill =
        FigureSpill::of(scene, [&](QPainter &p) { painted = artwork::paintTrumpFigures(p, cardNumber); });
    QVERIFY(painted);
    // The figures fill a good part of the picture.
    QVERIFY2(spill.drawn > scene.width() * scene.height() / 8,
             qPrintable(QString("only %1 pixels drawn").arg(spill.drawn)));
    QVERIFY2(spill.outside == 0, qPrintable(spill.describe()));
}

QTEST_GUILESS_MAIN(FirstTrumpFigures)
#include "tst_firsttrumps.moc"
