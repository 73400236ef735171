#pragma once

// Overview pictures for the documentation: every card bitmap with its number,
// and every window picture with its file name.

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace artwork {

// (bitmap id, picture) for the 80 bitmaps, in id order.
QImage cardSheet(const std::vector<std::pair<int, QImage>> &bitmaps);
// (file name, picture) for the window pictures.
QImage artworkSheet(const std::vector<std::pair<QString, QImage>> &pictures);

} // namespace artwork
