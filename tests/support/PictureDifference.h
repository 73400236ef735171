#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

// How far apart two pictures of one size are, pixel by pixel.
struct PictureDifference {
    double mean = 255;   // mean absolute difference per channel, 0 to 255
    double farShare = 1; // share of pixels with a channel more than 64 apart

    static PictureDifference between(const QImage &a, const QImage &b)
    {
        if (a.size() != b.size() || a.isNull())
            return {};
        const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
        double sum = 0;
        qint64 far = 0;
        for (int row = 0; row < x.height(); ++row) {
            const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
            const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
            for (int col = 0; col < x.width(); ++col) {
                const int dr = std::abs(qRed(p[col]) - qRed(q[col])), dg = std::abs(qGreen(p[col]) - qGreen(q[col])),
                          db = std::abs(qBlue(p[col]) - qBlue(q[col]));
                sum += dr + dg + db;
                far += std::max({dr, dg, db}) > 64;
            }
        }
        const double pixels = double(x.width()) * x.height();
        return {sum / (3 * pixels), double(far) / pixels};
    }
};
