#include "CardFaces.h"
#include "trumps/Trumps.h"

#include "Canvas.h"
#include "CardText.h"
#include "CourtCards.h"
#include "Emblems.h"
#include "Fonts.h"
#include "PipLayout.h"
#include "Quantize.h"
#include "Style.h"

#include <QFontMetricsF>
#include <QtMath>

#include <array>
#include <stdexcept>

namespace artwork {

using namespace style;
using quillmere::CardFace;
using quillmere::Rank;
using quillmere::Suit;

namespace {

QRectF toRect(const layout::Box &b)
{
    return {b.x, b.y, b.w, b.h};
}

QString fromUtf32(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

QString latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QColor suitColour(Suit suit)
{
    switch (suit) {
    case Suit::Swords:
        return kSteel.base;
    case Suit::Wands:
        return kWood.base;
    case Suit::Cups:
        return kGold.base;
    case Suit::Pentacles:
        return kGold.base;
    case Suit::MajorArcana:
        break;
    }
    return kGold.base;
}

// ---- Numbered cards -------------------------------------------------------

void numberedPicture(QPainter &p, const CardFace &face)
{
    const int count = layout::pipCount(face.rank);
    const std::vector<layout::Box> pips = layout::cardPips(face.suit, count);
    if (layout::arrangementFor(face.suit, count) == layout::Arrangement::TreeOfLife) {
        QPainterPath paths;
        for (const auto &[a, b] : layout::treePaths()) {
            paths.moveTo(pips[static_cast<std::size_t>(a)].centreX(), pips[static_cast<std::size_t>(a)].centreY());
            paths.lineTo(pips[static_cast<std::size_t>(b)].centreX(), pips[static_cast<std::size_t>(b)].centreY());
        }
        drawLine(p, paths, kTreePath, 1.6);
    }
    for (std::size_t i = 0; i < pips.size(); ++i)
        paintEmblem(p, face.suit, toRect(pips[i]), static_cast<unsigned>(i * 5 + count));
}

// ---- Aces -----------------------------------------------------------------

// An Ace: one large emblem in a glow of rays, wound with a ribbon that bears
// the element's name in Hebrew. The ribbon is a heraldic scroll: a straight
// band in front (where the word goes) whose ends fold back and fly out as
// swallow-tailed ends behind.
struct AceLayout {
    QRectF emblem;
    QRectF band;
};

AceLayout aceLayout(Suit suit)
{
    const layout::Box area = layout::pipArea();
    const double aspect = layout::pipAspect(suit);
    const double h = std::min(area.h * 0.86, (area.w * 0.72) / aspect);
    const QRectF emblem(area.centreX() - h * aspect / 2, area.centreY() - h / 2, h * aspect, h);
    // Where the ribbon crosses: the blade, the staff, the cup's stem, the disc's lower part.
    double at = 0.5;
    switch (suit) {
    case Suit::Swords:
        at = 0.42;
        break;
    case Suit::Wands:
        at = 0.56;
        break;
    case Suit::Cups:
        at = 0.72;
        break;
    case Suit::Pentacles:
        at = 0.80;
        break;
    case Suit::MajorArcana:
        break;
    }
    const double width = 104, height = 20;
    const QRectF band(area.centreX() - width / 2, std::round(emblem.top() + h * at - height / 2), width, height);
    return {emblem, band};
}

void paintScroll(QPainter &p, const QRectF &band)
{
    const double drop = 7, tail = 30, tuck = 8, notch = 7;
    const Tone back{kParchment.shade, kParchment.shade.darker(135)};
    for (int side : {-1, 1}) {
        // The flying end, lower than the band and partly behind it.
        const double inner = side < 0 ? band.left() + tuck : band.right() - tuck;
        const double outer = side < 0 ? band.left() - tail : band.right() + tail;
        QPainterPath end;
        end.moveTo(inner, band.top() + drop);
        end.lineTo(outer, band.top() + drop);
        end.lineTo(outer - side * notch, band.center().y() + drop);
        end.lineTo(outer, band.bottom() + drop);
        end.lineTo(inner, band.bottom() + drop);
        end.closeSubpath();
        drawShape(p, end, back, 1.4);
        // The fold where the band turns back.
        const double edge = side < 0 ? band.left() : band.right();
        QPainterPath fold;
        fold.moveTo(edge, band.bottom());
        fold.lineTo(edge - side * tuck, band.bottom());
        fold.lineTo(edge - side * tuck, band.bottom() + drop);
        fold.closeSubpath();
        drawShape(p, fold, Tone{back.shade, back.shade}, 0, 1.0);
    }
    QPainterPath front;
    front.addRect(band);
    drawShape(p, front, kParchment, 1.4);
}

void acePicturePass(QPainter &p, const CardFace &face)
{
    const AceLayout ace = aceLayout(face.suit);
    const QRectF &emblem = ace.emblem;
    const QPointF c = emblem.center();
    QPainterPath rays;
    const double r0 = std::max(emblem.width(), emblem.height() * 0.45) * 0.62;
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12 + M_PI / 24;
        const double r1 = r0 + (i % 2 ? 10 : 18);
        rays.moveTo(c + QPointF(std::cos(a), std::sin(a)) * r0);
        rays.lineTo(c + QPointF(std::cos(a), std::sin(a)) * r1);
    }
    drawLine(p, rays, suitColour(face.suit).darker(190), 1.6);
    paintEmblem(p, face.suit, emblem, 3);
    paintScroll(p, ace.band);
}

void aceLettering(QPainter &p, const CardFace &face)
{
    const QRectF band = aceLayout(face.suit).band;
    drawCentredText(p, fromUtf32(elementWord(face.suit)), ezra(17), kInk, band.center() + QPointF(0, 0.5));
}

// ---- The table -------------------------------------------------------------

constexpr FacePainter kNumbered{numberedPicture, noLettering};
constexpr FacePainter kAce{acePicturePass, aceLettering};
constexpr FacePainter kCourt{courtPicture, noLettering};

FacePainter painterByKind(const CardFace &face)
{
    if (face.suit == Suit::MajorArcana)
        return trumpPainter(face.cardNumber);
    switch (face.rank) {
    case Rank::King:
    case Rank::Queen:
    case Rank::Knight:
    case Rank::Page:
        return kCourt;
    case Rank::Ace:
        return kAce;
    default:
        return kNumbered;
    }
}

// One row per card number: each trump's own painter, and for the minor
// arcana the painter of their kind.
const std::array<FacePainter, 78> &painterTable()
{
    static const std::array<FacePainter, 78> table = [] {
        std::array<FacePainter, 78> rows{};
        for (const CardFace &face : quillmere::Card_Face_Table())
            rows[static_cast<std::size_t>(face.cardNumber - 1)] = painterByKind(face);
        return rows;
    }();
    return table;
}

// The outline of a letter as drawn in the band.
QPainterPath letterPath(char32_t letter, const QFont &font)
{
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUcs4(&letter, 1));
    return path;
}

// One size for all 22 band letters: the largest at which the tallest of them
// (Lamed, with its ascender, or Qoph, with its leg) fits the band with two
// pixels clear above and below.
QFont bandLetterFont()
{
    static const QFont chosen = [] {
        const double room = layout::kBandHeight - 6;
        for (int size = 26; size > 8; --size) {
            const QFont font = ezra(size);
            double tallest = 0;
            for (int card = 1; card <= 22; ++card)
                tallest = std::max(tallest, letterPath(hebrewLetter(card), font).boundingRect().height());
            if (tallest <= room)
                return font;
        }
        throw std::runtime_error("no size fits the Hebrew letters into the band");
    }();
    return chosen;
}

// The major arcana's band: the Hebrew letter at the left end, the title centred.
void drawBand(QPainter &p, const CardFace &face)
{
    const layout::Box band = layout::bandBox();
    p.fillRect(toRect(band), kBand);
    // Each letter centred on its own ink, in a square at the band's left end.
    QPainterPath glyph = letterPath(hebrewLetter(face.cardNumber), bandLetterFont());
    const QRectF ink = glyph.boundingRect();
    glyph.translate(std::round(band.x + 12 - ink.center().x()), std::round(band.centreY() - ink.center().y()));
    // Filled and stroked with a thin pen: Ezra's fine upright strokes would fade
    // to grey at this size.
    p.save();
    p.setBrush(kWhite);
    p.setPen(QPen(kWhite, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
    p.restore();

    // The title, as large as fits between the letter and the mirrored space on the right.
    const QString title = latin(face.title);
    const double room = band.w - 2 * 25;
    int size = 13;
    while (size > 8 && QFontMetricsF(libertine(size)).horizontalAdvance(title) > room)
        --size;
    drawCentredText(p, title, libertine(size), kWhite, QPointF(band.centreX(), band.centreY()));
}

void drawFrame(QPainter &p)
{
    const layout::Box f = layout::fieldBox();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    QPainterPath border;
    border.addRect(0, 0, layout::kFaceWidth, layout::kFaceHeight);
    border.addRect(toRect(f));
    p.drawPath(border);
    p.restore();
}

// A line one pixel wide round the rectangle's pixels, filled rather than
// stroked, so that it covers whole pixels at any scale.
void drawRule(QPainter &p, bool stopAtBand)
{
    const layout::Box f = layout::fieldBox();
    const double bottom = stopAtBand ? layout::bandBox().y - 3 : f.bottom() - 3;
    const QRectF outer(f.x + 3, f.y + 3, f.w - 6, bottom - f.y - 3);
    QPainterPath rule;
    rule.addRect(outer);
    rule.addRect(outer.adjusted(1, 1, -1, -1));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kRule);
    p.drawPath(rule);
    p.restore();
}

// What is drawn over the picture in final pixel units: the rule, the painter's
// lettering, the band of a major arcanum and the white border.
void drawSurround(QPainter &p, const FacePainter &painter, const CardFace &face)
{
    const bool trump = face.suit == Suit::MajorArcana;
    drawRule(p, trump);
    painter.lettering(p, face);
    if (trump)
        drawBand(p, face);
    drawFrame(p);
}

} // namespace

void noLettering(QPainter &, const CardFace &) {}

void drawCentredText(QPainter &p, const QString &text, const QFont &font, const QColor &colour, QPointF centre)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF m(font);
    const double w = m.horizontalAdvance(text);
    const double baseline = centre.y() + (m.capHeight()) / 2;
    drawFinalText(p, QPointF(std::round(centre.x() - w / 2), std::round(baseline)), text);
    p.restore();
}

const FacePainter &facePainter(const CardFace &face)
{
    return painterTable().at(static_cast<std::size_t>(face.cardNumber - 1));
}

FacePictures renderFace(const CardFace &face)
{
    const FacePainter &painter = facePainter(face);
    const bool trump = face.suit == Suit::MajorArcana;
    const layout::Box field = layout::fieldBox();
    const double pictureBottom = trump ? layout::bandBox().y : field.bottom();

    Canvas canvas(layout::kFaceWidth, layout::kFaceHeight, kField);
    QPainter &big = canvas.painter();
    big.setClipRect(QRectF(field.x + 1, field.y + 1, field.w - 2, pictureBottom - field.y - 2));
    painter.picture(big, face);
    QImage large = canvas.finish(kSupersample);
    QImage image = averageDown(large, kSupersample);

    // The surround is drawn on each picture at its own size, so that the
    // rendition's text and lines are as sharp as the bitmap's.
    QPainter small(&image);
    prepareFinalPainter(small);
    drawSurround(small, painter, face);
    small.end();
    QPainter enlarged(&large);
    prepareScaledPainter(enlarged, kSupersample);
    drawSurround(enlarged, painter, face);
    enlarged.end();
    return {image.convertToFormat(QImage::Format_RGB32), large.convertToFormat(QImage::Format_RGB32)};
}

namespace {

QuantizeOptions faceQuantizeOptions(int scale)
{
    QuantizeOptions options;
    options.keep = {kWhite.rgb(), kField.rgb(), kBand.rgb()};
    options.flatPixels *= scale * scale;
    return options;
}

} // namespace

FaceBitmaps faceBitmaps(const CardFace &face)
{
    const FacePictures pictures = renderFace(face);
    return {quantize(pictures.bitmap, faceQuantizeOptions(1)),
            quantize(pictures.rendition, faceQuantizeOptions(kSupersample))};
}

IndexedImage faceBitmap(const CardFace &face)
{
    return quantize(renderFace(face).bitmap, faceQuantizeOptions(1));
}

IndexedImage cardBack()
{
    // Inside the 1-pixel black frame, pixel (x, y) (from the top-left corner) is
    // a black dot when x % 4 == (y even ? 0 : 2), and blue otherwise.
    IndexedImage image;
    image.width = layout::kBackWidth;
    image.height = layout::kBackHeight;
    image.palette = {qRgb(0, 0, 255), qRgb(0, 0, 0)};
    image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool frame = x == 0 || y == 0 || x == image.width - 1 || y == image.height - 1;
            const bool dot = x % 4 == (y % 2 == 0 ? 0 : 2);
            image.pixels[static_cast<std::size_t>(y * image.width + x)] = frame || dot ? 1 : 0;
        }
    }
    return image;
}

IndexedImage cardBackRendition()
{
    return blockEnlarged(cardBack(), kSupersample);
}

IndexedImage previewBlank()
{
    IndexedImage image;
    image.width = layout::kFaceWidth;
    image.height = layout::kFaceHeight;
    image.palette = {qRgb(192, 192, 192)};
    image.pixels.assign(static_cast<std::size_t>(image.width * image.height), 0);
    return image;
}

} // namespace artwork
