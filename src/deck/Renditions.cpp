#include "Renditions.h"

#include "CardFaceTable.h"

#include <QCache>
#include <QFileInfo>

namespace quillmere::Renditions {

namespace {

struct Cache {
    // Costs in KiB, so that the bound fits the cache's int.
    QCache<QString, QImage> images{int(CacheBytes / 1024)};
    int decoded = 0;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

// A rendition only stands in for a bitmap it enlarges by a whole factor.
QImage fitFor(const QImage &rendition, QSize bitmap)
{
    if (rendition.isNull() || bitmap.isEmpty() || rendition.width() % bitmap.width() != 0)
        return {};
    const int factor = rendition.width() / bitmap.width();
    return factor >= 2 && rendition.height() == bitmap.height() * factor ? rendition : QImage();
}

} // namespace

QString forBitmap(int bitmapId)
{
    if (bitmapId < FirstBitmapId || bitmapId > LastBitmapId || bitmapId == Preview_Blank)
        return {};
    return QStringLiteral(":/renditions/%1.png").arg(bitmapId);
}

QString forArtwork(const QString &pictureName)
{
    return QStringLiteral(":/renditions/%1.png").arg(QFileInfo(pictureName).completeBaseName());
}

QImage load(const QString &name, QSize bitmapSize)
{
    if (name.isEmpty())
        return {};
    Cache &c = cache();
    if (const QImage *found = c.images.object(name))
        return fitFor(*found, bitmapSize);
    const QImage image(name);
    ++c.decoded;
    // A rendition that cannot be used is remembered as a null image, so that
    // it is not read again at every paint.
    const auto bytes = image.isNull() ? qsizetype(1024) : image.sizeInBytes();
    c.images.insert(name, new QImage(image), int(std::max<qsizetype>(1, bytes / 1024)));
    return fitFor(image, bitmapSize);
}

QImage cached(const QString &name, QSize bitmapSize)
{
    const QImage *found = cache().images.object(name);
    return found ? fitFor(*found, bitmapSize) : QImage();
}

int decodedCount()
{
    return cache().decoded;
}

void clearCache()
{
    cache().images.clear();
}

} // namespace quillmere::Renditions
