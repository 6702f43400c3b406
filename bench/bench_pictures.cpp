#include "bench_pictures.h"

#include <filesystem>
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
