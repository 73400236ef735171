// The court cards' figures (with their thrones, horses and what they hold),
// drawn alone by the generator's own court painters onto a canvas larger than
// the card: every part must fall inside the picture, so no crown, sword tip,
// hoof or tail is cut off by the frame.

#include "CourtCards.h"

#include "deck/CardFaceTable.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using quillmere::CardFace;
using quillmere::Rank;

namespace {

constexpr int kMargin = 120; // room round the card for anything drawn outside it

} // namespace

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
    QImage canvas(200 + 2 * kMargin, 303 + 2 * kMargin, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kMargin, kMargin);
    artwork::courtFigures(p, face);
    p.end();

    const QRectF scene = artwork::courtScene();
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
    // Figures fill a good part of the picture.
    QVERIFY2(drawn > scene.width() * scene.height() / 6,
             qPrintable(QString("only %1 pixels drawn").arg(drawn)));
    QVERIFY2(outside == 0, qPrintable(QString("%1 pixels outside the picture, the first at (%2, %3)")
                                          .arg(outside)
                                          .arg(firstOutside.x())
                                          .arg(firstOutside.y())));
}

QTEST_GUILESS_MAIN(CourtFigures)
#include "tst_courtfigures.moc"
