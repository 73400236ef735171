// The first eleven trumps' figures (people, animals, thrones, what they hold
// and wear, the wheel and its creatures), drawn alone by the generator's own
// painters onto a canvas larger than the card: every part must fall inside the
// picture, above the band, so no crown, lantern, hoof or wing is cut off by
// the frame or hidden under the title.

#include "trumps/FirstParts.h"
#include "trumps/FirstTrumps.h"

#include "deck/CardFaceTable.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr int kMargin = 120; // room round the card for anything drawn outside it

} // namespace

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
    QImage canvas(200 + 2 * kMargin, 303 + 2 * kMargin, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kMargin, kMargin);
    QVERIFY(artwork::paintFirstTrumpFigures(p, cardNumber));
    p.end();

    const QRectF scene = artwork::first::trumpScene();
    int drawn = 0, outside = 0;
    QRect firstOutside;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            ++drawn;
            // The pixel's square in card coordinates.
            const QRectF pixel(x - kMargin, y - kMargin, 1, 1);
            if (!scene.contains(pixel)) {
                if (outside++ == 0)
                    firstOutside = pixel.toRect();
            }
        }
    }
    // The figures fill a good part of the picture.
    QVERIFY2(drawn > scene.width() * scene.height() / 8,
             qPrintable(QString("only %1 pixels drawn").arg(drawn)));
    QVERIFY2(outside == 0, qPrintable(QString("%1 pixels outside the picture, the first at (%2, %3)")
                                          .arg(outside)
                                          .arg(firstOutside.x())
                                          .arg(firstOutside.y())));
}

QTEST_GUILESS_MAIN(FirstTrumpFigures)
#include "tst_firsttrumps.moc"
