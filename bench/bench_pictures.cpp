#include "bench_pictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

QImage photo(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(noise() % 24);
            line[x] = qRgb((x * 255 / w + n) & 255, (y * 255 / h + n) & 255, ((x + y) * 255 / (w + h) + n) & 255);
        }
    }
    return image;
}

namespace {
const std::string& file(const char* name, int w, int h, const char* format) {
    static std::map<std::string, std::string> made;
    std::string& path = made[name];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() / name).string();
        if (!std::filesystem::exists(path)) photo(w, h).save(QString::fromStdString(path), format, 90);
    }
    return path;
}
}  // namespace

const std::string& jpeg24() { return file("vimble-bench-6000x4000.jpg", 6000, 4000, "JPEG"); }
const std::string& png4k() { return file("vimble-bench-3840x2160.png", 3840, 2160, "PNG"); }

const std::string& slowJpeg() {
    static const std::string path = (std::filesystem::temp_directory_path() / "vimble-bench-slow.jpg").string();
    if (std::filesystem::exists(path)) return path;
    QImage gradient(8192, 8192, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(gradient.scanLine(y)), gradient.width(), qRgb(y / 32, 0, 255 - y / 32));
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(gradient);
    const QByteArray& jpeg = encoded.data();
    // The first scan, with the Huffman table just before it, ends at the next marker.
    qsizetype at = 2, table = -1;
    QByteArray first;
    while (first.isEmpty() && at + 4 <= jpeg.size()) {
        const auto marker = uchar(jpeg[at + 1]);
        qsizetype end = at + 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
        if (marker == 0xDA) {
            while (end + 1 < jpeg.size() && !(uchar(jpeg[end]) == 0xFF && jpeg[end + 1] != 0 &&
                                              !(uchar(jpeg[end + 1]) >= 0xD0 && uchar(jpeg[end + 1]) <= 0xD7)))
                ++end;
            first = jpeg.mid(table >= 0 ? table : at, end - (table >= 0 ? table : at));
        }
        table = marker == 0xC4 ? at : -1;
        at = end;
    }
    std::ofstream out(path, std::ios::binary);
    out.write(jpeg.constData(), jpeg.size() - 2);
    for (int i = 0; i < 90; ++i) out.write(first.constData(), first.size());
    out.write("\xff\xd9", 2);
    return path;
}
