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

Taps tapsFor(int sourceLength, int targetLength) {
    Taps t;
    const double scale = double(sourceLength) / targetLength;
    const double stretch = std::max(1.0, scale);  // reducing widens the filter
    const double reach = 2 * stretch;
    for (int i = 0; i < targetLength; ++i) {
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

// Each row of the source scaled across to w.
QImage scaledAcross(const QImage& source, int w) {
    const Taps across = tapsFor(source.width(), w);
    QImage target(w, source.height(), QImage::Format_ARGB32_Premultiplied);
    uchar* const targetBits = target.bits();  // detached once, before the threads write rows
    const qsizetype targetStride = target.bytesPerLine();
    forEachRow(source.height(), [&](int y) {
        const uchar* in = source.constScanLine(y);
        uchar* out = targetBits + y * targetStride;
        for (int x = 0; x < w; ++x) {
            float sum[4] = {};
            const float* weight = &across.weights[across.offset[size_t(x)]];
            const uchar* pixel = in + size_t(across.first[size_t(x)]) * 4;
            for (int k = 0; k < across.count[size_t(x)]; ++k, pixel += 4)
                for (int c = 0; c < 4; ++c) sum[c] += weight[k] * pixel[c];
            storePixel(out + x * 4, sum);
        }
    });
    return target;
}

// Each column of the source scaled down (or up) to h.
QImage scaledDown(const QImage& source, int h) {
    const Taps down = tapsFor(source.height(), h);
    const int w = source.width();
    QImage target(w, h, QImage::Format_ARGB32_Premultiplied);
    uchar* const targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    forEachRow(h, [&](int y) {
        std::vector<float> sum(size_t(w) * 4, 0.0f);
        const float* weight = &down.weights[down.offset[size_t(y)]];
        for (int k = 0; k < down.count[size_t(y)]; ++k) {
            const uchar* row = source.constScanLine(down.first[size_t(y)] + k);
            for (int i = 0; i < w * 4; ++i) sum[size_t(i)] += weight[k] * row[i];
        }
        uchar* out = targetBits + y * targetStride;
        for (int x = 0; x < w; ++x) storePixel(out + x * 4, &sum[size_t(x) * 4]);
    });
    return target;
}

}  // namespace

QImage resampleBicubic(const QImage& sourceImage, int w, int h) {
    if (sourceImage.isNull() || w <= 0 || h <= 0) return {};
    const QImage source = sourceImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The pass that leaves the smaller picture between them goes first: a tall, narrow picture
    // drawn wide would otherwise be widened in full before it is reduced.
    if (int64_t(source.width()) * h < int64_t(w) * source.height()) return scaledAcross(scaledDown(source, h), w);
    return scaledDown(scaledAcross(source, w), h);
}
