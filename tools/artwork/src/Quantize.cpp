#include "Quantize.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <unordered_map>

namespace artwork {

namespace {

struct Entry {
    QRgb colour;
    std::int64_t count;
};

// A box of the median cut: a run of entries in the working list.
struct Box {
    std::size_t begin, end;
    std::int64_t weight;
    int longestAxis;
    int range;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

Box makeBox(const std::vector<Entry> &entries, std::size_t begin, std::size_t end)
{
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    std::int64_t weight = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], channel(entries[i].colour, a));
            hi[a] = std::max(hi[a], channel(entries[i].colour, a));
        }
        weight += entries[i].count;
    }
    int axis = 0;
    // Green weighs most in how bright a colour looks, blue least.
    const int scale[3] = {3, 4, 2};
    for (int a = 1; a < 3; ++a) {
        if ((hi[a] - lo[a]) * scale[a] > (hi[axis] - lo[axis]) * scale[axis])
            axis = a;
    }
    return {begin, end, weight, axis, (hi[axis] - lo[axis]) * scale[axis]};
}

QRgb meanColour(const std::vector<Entry> &entries, const Box &box)
{
    std::int64_t sum[3] = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a)
            sum[a] += channel(entries[i].colour, a) * entries[i].count;
    }
    auto avg = [&](int a) { return static_cast<int>((sum[a] + box.weight / 2) / box.weight); };
    return qRgb(avg(0), avg(1), avg(2));
}

std::int64_t distance(QRgb a, QRgb b)
{
    const std::int64_t dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// Splits the entries into at most `boxes` boxes and returns one colour per box.
std::vector<QRgb> medianCut(std::vector<Entry> entries, int boxes)
{
    std::vector<QRgb> colours;
    if (entries.empty() || boxes <= 0)
        return colours;
    std::vector<Box> work{makeBox(entries, 0, entries.size())};
    while (static_cast<int>(work.size()) < boxes) {
        // Split the box whose spread, weighted by how many pixels it covers, is largest.
        std::size_t pick = work.size();
        double best = 0;
        for (std::size_t i = 0; i < work.size(); ++i) {
            if (work[i].end - work[i].begin < 2)
                continue;
            const double score = static_cast<double>(work[i].range) * std::sqrt(static_cast<double>(work[i].weight));
            if (score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick == work.size())
            break;
        const Box box = work[pick];
        const int axis = box.longestAxis;
        std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  entries.begin() + static_cast<std::ptrdiff_t>(box.end), [axis](const Entry &a, const Entry &b) {
                      const int ca = channel(a.colour, axis), cb = channel(b.colour, axis);
                      return ca != cb ? ca < cb : a.colour < b.colour;
                  });
        // The weighted median, kept away from both ends so that each half holds a colour.
        std::int64_t half = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            half += entries[i].count;
            cut = i + 1;
            if (half * 2 >= box.weight)
                break;
        }
        work[pick] = makeBox(entries, box.begin, cut);
        work.push_back(makeBox(entries, cut, box.end));
    }
    for (const Box &box : work)
        colours.push_back(meanColour(entries, box));
    return colours;
}

} // namespace

IndexedImage quantize(const QImage &source, const QuantizeOptions &options)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width * out.height));

    std::unordered_map<QRgb, std::int64_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto &[colour, count] : histogram)
        entries.push_back({colour, count});
    // Most used first; ties by colour value, so the order never depends on hashing.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });

    std::vector<QRgb> palette;
    if (static_cast<int>(entries.size()) <= options.maxColours) {
        for (const Entry &e : entries)
            palette.push_back(e.colour);
    } else {
        std::vector<Entry> rest;
        auto isKept = [&](QRgb c) { return std::find(palette.begin(), palette.end(), c) != palette.end(); };
        for (QRgb c : options.keep) {
            c |= 0xff000000u;
            if (histogram.count(c) && !isKept(c))
                palette.push_back(c);
        }
        const int flatLimit = options.maxColours / 2;
        for (const Entry &e : entries) {
            if (isKept(e.colour))
                continue;
            if (e.count >= options.flatPixels && static_cast<int>(palette.size()) < flatLimit)
                palette.push_back(e.colour);
            else
                rest.push_back(e);
        }
        const std::vector<QRgb> edges = medianCut(rest, options.maxColours - static_cast<int>(palette.size()));
        for (QRgb c : edges) {
            if (!isKept(c))
                palette.push_back(c);
        }
    }

    std::unordered_map<QRgb, std::uint8_t> lookup;
    for (std::size_t i = 0; i < palette.size(); ++i)
        lookup.emplace(palette[i], static_cast<std::uint8_t>(i));
    for (const Entry &e : entries) {
        if (lookup.count(e.colour))
            continue;
        std::size_t best = 0;
        std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const std::int64_t d = distance(e.colour, palette[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        lookup.emplace(e.colour, static_cast<std::uint8_t>(best));
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.pixels[static_cast<std::size_t>(y * out.width + x)] = lookup.at(line[x] | 0xff000000u);
    }
    // Drop the entries no pixel ended up nearest to, so every entry is in use
    // and the rest of the colour table stays zero.
    std::vector<int> newIndex(palette.size(), -1);
    std::vector<QRgb> used;
    for (std::uint8_t &index : out.pixels) {
        if (newIndex[index] < 0) {
            newIndex[index] = static_cast<int>(used.size());
            used.push_back(palette[index]);
        }
        index = static_cast<std::uint8_t>(newIndex[index]);
    }
    out.palette = used;
    return out;
}

} // namespace artwork
