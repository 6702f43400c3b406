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
        const int from = int(std::floor(centre - reach)) + 1, to = int(std::floor(centre + reach));
        std::vector<double> w;
        double sum = 0;
        for (int j = from; j <= to; ++j) sum += w.emplace_back(cubic((j - centre) / stretch));
        // Samples beyond the edges repeat the edge: fold their weights onto it.
        const int first = std::clamp(from, 0, sourceLength - 1), last = std::clamp(to, 0, sourceLength - 1);
        std::vector<float> folded(size_t(last - first + 1), 0.0f);
        for (int j = from; j <= to; ++j)
            folded[size_t(std::clamp(j, 0, sourceLength - 1) - first)] += float(w[size_t(j - from)] / sum);
        t.first.push_back(first);
        t.count.push_back(int(folded.size()));
        t.offset.push_back(t.weights.size());
        t.weights.insert(t.weights.end(), folded.begin(), folded.end());
    }
    return t;
}

uint8_t clampToByte(float v) { return uint8_t(std::clamp(int(std::lround(v)), 0, 255)); }

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
    // Only the source rows the part reads.
    const int firstRow = down.first.front(), rows = down.first.back() + down.count.back() - firstRow;

    // Across first, into rows of the part's width; then down.
    QImage middle(pw, rows, QImage::Format_ARGB32_Premultiplied);
    uchar* const middleBits = middle.bits();  // detached once, before the threads write rows
    const qsizetype middleStride = middle.bytesPerLine();
    forEachRow(rows, [&](int y) {
        const uchar* in = source.constScanLine(firstRow + y);
        uchar* out = middleBits + y * middleStride;
        for (int x = 0; x < pw; ++x) {
            float sum[4] = {};
            const float* weight = &across.weights[across.offset[size_t(x)]];
            const uchar* pixel = in + size_t(across.first[size_t(x)]) * 4;
            for (int k = 0; k < across.count[size_t(x)]; ++k, pixel += 4)
                for (int c = 0; c < 4; ++c) sum[c] += weight[k] * pixel[c];
            for (int c = 0; c < 4; ++c) out[x * 4 + c] = clampToByte(sum[c]);
        }
    });
    QImage target(pw, ph, QImage::Format_ARGB32_Premultiplied);
    uchar* const targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    forEachRow(ph, [&](int y) {
        std::vector<float> sum(size_t(pw) * 4, 0.0f);
        const float* weight = &down.weights[down.offset[size_t(y)]];
        for (int k = 0; k < down.count[size_t(y)]; ++k) {
            const uchar* row = middle.constScanLine(down.first[size_t(y)] + k - firstRow);
            for (int i = 0; i < pw * 4; ++i) sum[size_t(i)] += weight[k] * row[i];
        }
        uchar* out = targetBits + y * targetStride;
        for (int i = 0; i < pw * 4; ++i) out[i] = clampToByte(sum[size_t(i)]);
    });
    return target;
}
