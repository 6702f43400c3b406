#include "inputs.h"

#include "config/command_line.h"
#include "display/picture.h"
#include "display/resample.h"

#include <QImage>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {
uint8_t byteAt(std::string_view bytes, size_t at) { return at < bytes.size() ? uint8_t(bytes[at]) : 0; }
}  // namespace

bool tryPicture(std::string_view bytes) {
    static const std::string path = "/tmp/vimble-fuzz-" + std::to_string(getpid()) + ".picture";
    const struct Removed {
        ~Removed() { ::unlink(path.c_str()); }
    } removed;
    const int divisor = 1 + byteAt(bytes, 0) % 8, turn = byteAt(bytes, 1) % 5, quality = byteAt(bytes, 0) / 8 % 3;
    bytes.remove_prefix(std::min<size_t>(bytes.size(), 2));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) return ::close(fd), true;
    ::close(fd);

    Picture picture;
    constexpr ZoomQuality qualities[] = {ZoomQuality::Bilinear, ZoomQuality::Smooth, ZoomQuality::Best};
    picture.interpolation = qualities[quality];
    picture.load(path, [divisor](int32_t w, int32_t h) { return QSize(w / divisor, h / divisor); });
    if (!picture.isLoaded()) return true;
    const auto withinLimit = [&picture] { return Picture::bytesFor(picture.decodedSize()) <= Picture::memoryLimit; };
    if (!withinLimit() || picture.imageWidth() <= 0 || picture.imageHeight() <= 0) return false;
    picture.rotateFlip(Turn(turn));
    QImage canvas(96, 72, QImage::Format_RGB32);
    picture.drawScaled(canvas, 96, 72);
    // Larger than decoded (up to 512 pixels a side): decodes the file again in full.
    picture.drawScaled(canvas, std::min(picture.imageWidth(), 512), std::min(picture.imageHeight(), 512));
    return withinLimit();
}

bool tryResample(std::string_view bytes) {
    if (bytes.size() < 8) return true;
    const int sw = 1 + (byteAt(bytes, 0) | byteAt(bytes, 1) << 8) % 1000, sh = 1 + byteAt(bytes, 2) % 40;
    const int w = 1 + (byteAt(bytes, 3) | byteAt(bytes, 4) << 8) % 1000, h = 1 + byteAt(bytes, 5) % 40;
    const QImage::Format format = byteAt(bytes, 6) % 2 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    bytes.remove_prefix(7);
    QImage source(sw, sh, format);
    for (int y = 0; y < sh; ++y) {
        uchar* line = source.scanLine(y);
        for (qsizetype i = 0; i < source.bytesPerLine(); ++i)
            line[i] = byteAt(bytes, size_t(y * sw * 4 + i) % bytes.size());
    }
    // Premultiplied pixels are valid with no colour above their alpha; the scaled ones must be too.
    const auto valid = [](const QImage& image, bool mend) {
        for (int y = 0; y < image.height(); ++y) {
            auto* pixel = reinterpret_cast<QRgb*>(const_cast<uchar*>(image.constScanLine(y)));
            for (int x = 0; x < image.width(); ++x, ++pixel) {
                const int a = qAlpha(*pixel);
                if (qRed(*pixel) <= a && qGreen(*pixel) <= a && qBlue(*pixel) <= a) continue;
                if (!mend) return false;
                *pixel = qRgba(std::min(qRed(*pixel), a), std::min(qGreen(*pixel), a), std::min(qBlue(*pixel), a), a);
            }
        }
        return true;
    };
    if (format == QImage::Format_ARGB32_Premultiplied) valid(source, true);
    const QImage scaled = resampleBicubic(source, w, h);
    return scaled.size() == QSize(w, h) && valid(scaled, false);
}

bool trySwitches(std::string_view bytes) {
    Settings settings;
    while (!bytes.empty()) {
        const size_t end = std::min(bytes.find('\0'), bytes.size());
        applySwitch(settings, bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    return true;
}
