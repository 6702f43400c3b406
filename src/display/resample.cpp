#include "display/resample.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace {

// Catmull-Rom: the cubic through the neighbouring samples (a = -0.5).
double cubic(double x) {
    x = std::abs(x);
    if (x < 1) return (1.5 * x - 2.5) * x * x + 1;
    if (x < 2) return ((-0.5 * x + 2.5) * x - 4) * x + 2;
    return 0;
}

// For each target position, the source positions it reads and their weights (summing to 1).
struct Taps {
    std::vector<int> first;  // per target: the first source index
    std::vector<int> count;
    std::vector<float> weights;  // per target, count entries, in order
    std::vector<size_t> offset;
};

// Taps for the targets from, from + 1, ... of count, in a target targetLength long.
Taps tapsFor(int sourceLength, int targetLength, int from, int count) {
    Taps t;
    const double scale = double(sourceLength) / targetLength;
    const double stretch = std::max(1.0, scale);  // reducing widens the filter
    const double reach = 2 * stretch;
    for (int i = from; i < from + count; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int low = int(std::floor(centre - reach)) + 1, high = int(std::floor(centre + reach));
        std::vector<double> w;
        double sum = 0;
        for (int j = low; j <= high; ++j) sum += w.emplace_back(cubic((j - centre) / stretch));
        // Samples beyond the edges repeat the edge: fold their weights onto it.
        const int first = std::clamp(low, 0, sourceLength - 1), last = std::clamp(high, 0, sourceLength - 1);
        std::vector<float> folded(size_t(last - first + 1), 0.0f);
        for (int j = low; j <= high; ++j)
            folded[size_t(std::clamp(j, 0, sourceLength - 1) - first)] += float(w[size_t(j - low)] / sum);
        t.first.push_back(first);
        t.count.push_back(int(folded.size()));
        t.offset.push_back(t.weights.size());
        t.weights.insert(t.weights.end(), folded.begin(), folded.end());
    }
    return t;
}

uint8_t clampToByte(float v) { return uint8_t(std::clamp(int(std::lround(v)), 0, 255)); }

// One premultiplied pixel (B, G, R, A in memory) from its sums: the filter's negative lobes
// can push a colour above the alpha, which no premultiplied pixel may hold.
void storePixel(uchar* out, const float* sum) {
    out[3] = clampToByte(sum[3]);
    for (int c = 0; c < 3; ++c) out[c] = std::min(clampToByte(sum[c]), out[3]);
}

// Runs rows [0, count) of a pass on every core, each thread a band of its own.
template <typename Row>
void forEachRow(int count, Row row) {
    const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    std::vector<std::thread> helpers;
    const int band = (count + threads - 1) / threads;
    for (int t = 1; t < threads && t * band < count; ++t)
        helpers.emplace_back([=] {
            for (int y = t * band; y < std::min(count, (t + 1) * band); ++y) row(y);
        });
    for (int y = 0; y < std::min(count, band); ++y) row(y);
    for (std::thread& helper : helpers) helper.join();
}

// Each row of the result: row rowStart + y of in, scaled across by taps (whose source indices
// count from column columnBase of in).
QImage passAcross(const QImage& in, const Taps& taps, int columnBase, int rowStart, int rows) {
    const int w = int(taps.first.size());
    QImage target(w, rows, QImage::Format_ARGB32_Premultiplied);
    uchar* const targetBits = target.bits();  // detached once, before the threads write rows
    const qsizetype targetStride = target.bytesPerLine();
    forEachRow(rows, [&](int y) {
        const uchar* row = in.constScanLine(rowStart + y);
        uchar* out = targetBits + y * targetStride;
        for (int x = 0; x < w; ++x) {
            float sum[4] = {};
            const float* weight = &taps.weights[taps.offset[size_t(x)]];
            const uchar* pixel = row + size_t(taps.first[size_t(x)] - columnBase) * 4;
            for (int k = 0; k < taps.count[size_t(x)]; ++k, pixel += 4)
                for (int c = 0; c < 4; ++c) sum[c] += weight[k] * pixel[c];
            storePixel(out + x * 4, sum);
        }
    });
    return target;
}

// Columns [columnStart, columnStart + columns) of in scaled down (or up) by taps (whose source
// indices count from row rowBase of in).
QImage passDown(const QImage& in, const Taps& taps, int rowBase, int columnStart, int columns) {
    const int h = int(taps.first.size());
    QImage target(columns, h, QImage::Format_ARGB32_Premultiplied);
    uchar* const targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    forEachRow(h, [&](int y) {
        std::vector<float> sum(size_t(columns) * 4, 0.0f);
        const float* weight = &taps.weights[taps.offset[size_t(y)]];
        for (int k = 0; k < taps.count[size_t(y)]; ++k) {
            const uchar* row = in.constScanLine(taps.first[size_t(y)] + k - rowBase) + size_t(columnStart) * 4;
            for (int i = 0; i < columns * 4; ++i) sum[size_t(i)] += weight[k] * row[i];
        }
        uchar* out = targetBits + y * targetStride;
        for (int x = 0; x < columns; ++x) storePixel(out + x * 4, &sum[size_t(x) * 4]);
    });
    return target;
}

}  // namespace

QImage resampleBicubic(const QImage& sourceImage, int w, int h, QRect part) {
    if (sourceImage.isNull() || w <= 0 || h <= 0) return {};
    part = part.isNull() ? QRect(0, 0, w, h) : part & QRect(0, 0, w, h);
    if (part.isEmpty()) return {};
    // Opaque pixels are already premultiplied: such a picture is read in place.
    const QImage source = sourceImage.format() == QImage::Format_RGB32
                              ? sourceImage
                              : sourceImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int pw = part.width(), ph = part.height();
    const Taps across = tapsFor(source.width(), w, part.left(), pw), down = tapsFor(source.height(), h, part.top(), ph);
    // Only the source rows and columns the part reads.
    const int firstRow = down.first.front(), rows = down.first.back() + down.count.back() - firstRow;
    const int firstColumn = across.first.front(), columns = across.first.back() + across.count.back() - firstColumn;
    // The pass that leaves the smaller picture between them goes first: a tall, narrow picture
    // drawn wide would otherwise be widened in full before it is reduced.
    if (int64_t(columns) * ph < int64_t(pw) * rows)
        return passAcross(passDown(source, down, 0, firstColumn, columns), across, firstColumn, 0, ph);
    return passDown(passAcross(source, across, 0, firstRow, rows), down, firstRow, 0, pw);
}
