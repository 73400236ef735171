// The renditions: what their file format costs to carry and to decode, and
// what scaling one to a control costs against stretching the bitmap. The
// paths a user takes are in bench_windows.
#include "deck/CardBitmaps.h"
#include "deck/Renditions.h"

#include <QBuffer>
#include <QDirIterator>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace quillmere;

namespace {

// The busiest face (The World) and the title, as carried.
const QString kFace = Renditions::forBitmap(101);
const QString kTitle = Renditions::forArtwork(QStringLiteral("title.bmp"));

QByteArray resourceBytes(const QString &name)
{
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The picture re-encoded in another format: "png" as carried (a palette for the
// faces), "png-rgb" true-colour PNG, "jpg90" JPEG at quality 90, "bmp8" an
// uncompressed 8-bit BMP.
QByteArray encoded(const QString &name, const std::string &format)
{
    const QByteArray carried = resourceBytes(name);
    if (format == "png")
        return carried;
    QImage image = QImage::fromData(carried);
    const char *writer = "PNG";
    int quality = -1;
    if (format == "png-rgb") {
        image = image.convertToFormat(QImage::Format_RGB32);
    } else if (format == "jpg90") {
        image = image.convertToFormat(QImage::Format_RGB32);
        writer = "JPG";
        quality = 90;
    } else if (format == "bmp8") {
        image = image.convertToFormat(QImage::Format_Indexed8);
        writer = "BMP";
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, writer, quality == -1 ? 9 : quality);
    return bytes;
}

// Every rendition carried, re-encoded: what the program would carry in that format.
double allRenditionsKB(const std::string &format)
{
    qint64 total = 0;
    QDirIterator files(QStringLiteral(":/renditions"), {QStringLiteral("*.png")});
    while (files.hasNext())
        total += encoded(files.next(), format).size();
    return double(total) / 1024;
}

void BM_DecodeRendition(benchmark::State &state, const QString &name, const std::string &format)
{
    const QByteArray bytes = encoded(name, format);
    for (auto _ : state) {
        QImage image = QImage::fromData(bytes);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["kB"] = double(bytes.size()) / 1024;
    if (name == kFace)
        state.counters["all_kB"] = allRenditionsKB(format);
}

// The scaling a picture control does, from the decoded rendition to its size
// in device pixels: the preview pane on a 1920x1080 and a 3840x2160 screen.
void BM_ScaleFaceRendition(benchmark::State &state)
{
    const QImage source = QImage(kFace);
    const QSize size(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const QPixmap scaled = QPixmap::fromImage(
            source.convertToFormat(QImage::Format_RGB32).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        benchmark::DoNotOptimize(scaled.cacheKey());
    }
}

// The bitmap stretched to the same size, as before there were renditions.
void BM_ScaleFaceBitmap(benchmark::State &state)
{
    const QImage source = CardBitmaps::loadImage(101);
    const QSize size(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const QPixmap scaled = QPixmap::fromImage(
            source.convertToFormat(QImage::Format_RGB32).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        benchmark::DoNotOptimize(scaled.cacheKey());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    for (const std::string format : {"png", "png-rgb", "jpg90", "bmp8"}) {
        benchmark::RegisterBenchmark(("BM_DecodeRendition/face/" + format).c_str(), BM_DecodeRendition, kFace, format)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_DecodeRendition/title/" + format).c_str(), BM_DecodeRendition, kTitle, format)
            ->Unit(benchmark::kMillisecond);
    }
    for (auto scale : {BM_ScaleFaceRendition, BM_ScaleFaceBitmap}) {
        benchmark::RegisterBenchmark(scale == BM_ScaleFaceRendition ? "BM_ScaleFaceRendition" : "BM_ScaleFaceBitmap",
                                     scale)
            ->Args({494, 558})
            ->Args({990, 1440})
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
