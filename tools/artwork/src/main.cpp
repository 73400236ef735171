// quillmere-artwork <repository root>
// Draws every picture of Quillmere Tarot and writes them into the repository:
// resources/bitmaps/101.dib ... 180.dib, resources/renditions/*.png,
// resources/artwork/*, resources/icons/*, docs/cards.png and docs/artwork.png.

#include "BitmapFiles.h"
#include "Canvas.h"
#include "CardFaces.h"
#include "ContactSheets.h"
#include "Fonts.h"
#include "KitSheet.h"
#include "WindowArt.h"

#include "deck/CardFaceTable.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <map>
#include <string>

using namespace artwork;

namespace {

void run(const QDir &root)
{
    loadFonts();

    // Beside each bitmap but the blank, its rendition at four times its size.
    const auto rendition = [&root](const QString &name) {
        return root.filePath(QString("resources/renditions/%1.png").arg(name));
    };
    std::map<int, IndexedImage> bitmaps;
    for (const quillmere::CardFace &face : quillmere::Card_Face_Table()) {
        const FaceBitmaps drawn = faceBitmaps(face);
        bitmaps[face.bitmapId] = drawn.bitmap;
        writeFile(rendition(QString::number(face.bitmapId)), pngBytes(drawn.rendition.toQImage()));
    }
    bitmaps[quillmere::Card_Back] = cardBack();
    writeFile(rendition(QString::number(quillmere::Card_Back)), pngBytes(cardBackRendition().toQImage()));
    bitmaps[quillmere::Preview_Blank] = previewBlank();
    if (bitmaps.size() != 80 || bitmaps.begin()->first != quillmere::FirstBitmapId ||
        bitmaps.rbegin()->first != quillmere::LastBitmapId)
        throw std::runtime_error("the card table does not cover bitmaps 101 to 180");

    std::vector<std::pair<int, QImage>> sheet;
    for (const auto &[id, image] : bitmaps) {
        writeFile(root.filePath(QString("resources/bitmaps/%1.dib").arg(id)), dibBytes(image));
        sheet.emplace_back(id, image.toQImage());
    }

    const QString art = root.filePath("resources/artwork/");
    const QImage title = titleLettering();
    const IndexedImage left = flourishLeft();
    const IndexedImage right = mirrored(left);
    const IndexedImage starImage = star();
    const IndexedImage celtic = banner("THE CELTIC CROSS", 192);
    const IndexedImage qabalistic = banner("THE QABALISTIC TREE", 222);
    const QImage cursor = handCursor();
    writeFile(art + "title.bmp", bmp24Bytes(title));
    writeFile(art + "flourish-left.bmp", bmp8Bytes(left));
    writeFile(art + "flourish-right.bmp", bmp8Bytes(right));
    writeFile(art + "star.bmp", bmp8Bytes(starImage));
    writeFile(art + "banner-celtic.bmp", bmp8Bytes(celtic));
    writeFile(art + "banner-qabalistic.bmp", bmp8Bytes(qabalistic));
    writeFile(art + "hand-cursor.png", pngBytes(cursor));
    // The pictures that are stretched get renditions at four times; the
    // flourishes, always shown at their own size, at twice for a scale factor of 2.
    writeFile(rendition("title"), pngBytes(titleRendition().toQImage()));
    const IndexedImage left2 = flourishLeft(2);
    writeFile(rendition("flourish-left"), pngBytes(left2.toQImage()));
    writeFile(rendition("flourish-right"), pngBytes(mirrored(left2).toQImage()));
    writeFile(rendition("star"), pngBytes(star(kSupersample).toQImage()));
    writeFile(rendition("banner-celtic"), pngBytes(banner("THE CELTIC CROSS", 192, kSupersample).toQImage()));
    writeFile(rendition("banner-qabalistic"), pngBytes(banner("THE QABALISTIC TREE", 222, kSupersample).toQImage()));

    std::vector<std::pair<QString, QImage>> pictures{
        {"title.bmp", title},
        {"flourish-left.bmp", left.toQImage()},
        {"flourish-right.bmp", right.toQImage()},
        {"star.bmp", starImage.toQImage()},
        {"banner-celtic.bmp", celtic.toQImage()},
        {"banner-qabalistic.bmp", qabalistic.toQImage()},
        {"hand-cursor.png", cursor},
    };
    for (int size : {32, 64, 128, 256}) {
        const QImage image = icon(size);
        const QString name = QString("quillmere-tarot-%1.png").arg(size);
        writeFile(root.filePath("resources/icons/" + name), pngBytes(image));
        pictures.emplace_back(name, image);
    }

    writeFile(root.filePath("docs/cards.png"), pngBytes(cardSheet(sheet)));
    writeFile(root.filePath("docs/artwork.png"), pngBytes(artworkSheet(pictures)));
}

} // namespace

// quillmere-artwork --kit <file.png>: the figure kit's sampler.
quillmere::CardFace numberedFace(const QString &number)
{
    const auto face = quillmere::cardFace(number.toInt());
    if (!face)
        throw std::runtime_error("no card numbered " + number.toStdString());
    return *face;
}

// quillmere-artwork --faces <file.png> <card number>...: those faces as written,
// at full size and at the size of a spread's slot (78 x 117), side by side.
// quillmere-artwork --rendition <file.png> <card number>: that face's rendition
// as written (800 x 1212), the picture shown enlarged.
void preview(const QStringList &args)
{
    loadFonts();
    const QString out = args.at(1);
    if (args.at(0) == "--kit") {
        writeFile(out, pngBytes(kitSheet()));
        return;
    }
    if (args.at(0) == "--rendition") {
        if (args.size() != 3)
            throw std::runtime_error("--rendition takes one card number");
        writeFile(out, pngBytes(faceBitmaps(numberedFace(args.at(2))).rendition.toQImage()));
        return;
    }
    std::vector<QImage> faces;
    for (qsizetype i = 2; i < args.size(); ++i)
        faces.push_back(faceBitmap(numberedFace(args.at(i))).toQImage());
    const int n = static_cast<int>(faces.size());
    QImage sheet(10 + n * 210, 10 + 303 + 10 + 117 + 10, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 52));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < n; ++i) {
        p.drawImage(10 + i * 210, 10, faces[static_cast<std::size_t>(i)]);
        p.drawImage(QRect(10 + i * 210, 323, 78, 117), faces[static_cast<std::size_t>(i)]);
    }
    p.end();
    writeFile(out, pngBytes(sheet));
}

int main(int argc, char **argv)
{
    const bool previewing = argc >= 3 && (std::string(argv[1]) == "--kit" || std::string(argv[1]) == "--faces" ||
                                          std::string(argv[1]) == "--rendition");
    if (argc != 2 && !previewing) {
        std::fprintf(stderr,
                     "usage: %s <repository root>\n"
                     "       %s --kit <file.png>\n"
                     "       %s --faces <file.png> <card number>...\n"
                     "       %s --rendition <file.png> <card number>\n",
                     argv[0], argv[0], argv[0], argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        if (previewing) {
            QStringList args;
            for (int i = 1; i < argc; ++i)
                args << QString::fromLocal8Bit(argv[i]);
            preview(args);
            return 0;
        }
        run(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "quillmere-artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
