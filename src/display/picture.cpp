#include "display/picture.h"

#include "display/decoder.h"
#include "display/jpeg_file.h"
#include "display/library_readers.h"
#include "display/resample.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int64_t mebibyte = 1024 * 1024;

int depthOf(QImage::Format format) {
    switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return 1;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Alpha8: return 8;
    case QImage::Format_RGB16:
    case QImage::Format_RGB555:
    case QImage::Format_RGB444:
    case QImage::Format_ARGB4444_Premultiplied:
    case QImage::Format_Grayscale16: return 16;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888: return 24;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied: return 32;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied: return 64;
    default: return 0;
    }
}

uint32_t bigEndian(const QByteArray& b, qsizetype at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | uint8_t(b[at + i]);
    return v;
}

uint32_t littleEndian(const QByteArray& b, qsizetype at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(b[at + i]);
    return v;
}

bool starts(const QByteArray& head, const char* magic, qsizetype length) {
    return head.startsWith(QByteArray(magic, length));
}

// Where a JPEG's frame header (SOF0..SOF15 but DHT, JPG, DAC) starts, with its component
// count inside head; -1 when it is not found there.
qsizetype jpegFrameHeader(const QByteArray& head) {
    if (!starts(head, "\xff\xd8", 2)) return -1;
    for (qsizetype at = 2; at + 9 < head.size();) {
        if (uint8_t(head[at]) != 0xff) return -1;
        const int marker = uint8_t(head[at + 1]);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc) return at;
        at += 2 + qsizetype(bigEndian(head, at + 2, 2));
    }
    return -1;
}

// The size the header claims, for the readers that refuse a huge one without telling it; an
// invalid size when the header does not tell. Sides beyond int are held as INT_MAX.
QSize claimedSize(const QByteArray& head) {
    const auto side = [](int64_t v) { return int(std::min<int64_t>(std::abs(v), INT_MAX)); };
    if (starts(head, "BM", 2) && head.size() >= 26)
        return QSize(side(int32_t(littleEndian(head, 18, 4))), side(int32_t(littleEndian(head, 22, 4))));
    if (starts(head, "GIF8", 4) && head.size() >= 10)
        return QSize(int(littleEndian(head, 6, 2)), int(littleEndian(head, 8, 2)));
    if (starts(head, "\x89PNG", 4) && head.size() >= 24)
        return QSize(side(bigEndian(head, 16, 4)), side(bigEndian(head, 20, 4)));
    if (const qsizetype frame = jpegFrameHeader(head); frame >= 0)
        return QSize(int(bigEndian(head, frame + 7, 2)), int(bigEndian(head, frame + 5, 2)));
    return {};
}

// The depth the file stores, read from its header where the decoder widens it (a 24-bit BMP
// or PNG decodes to 32 bits, a GIF is always indexed); -1 when the header does not tell.
int storedDepth(const QByteArray& head) {
    if (starts(head, "BM", 2) && head.size() >= 30) return uint8_t(head[28]) | uint8_t(head[29]) << 8;
    if (starts(head, "GIF8", 4)) return 8;
    if (starts(head, "\x89PNG", 4) && head.size() >= 26) {
        static const int channels[] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
        const int type = uint8_t(head[25]);
        const int bits = uint8_t(head[24]);
        return type <= 6 && channels[type] ? (type == 3 ? bits : bits * channels[type]) : -1;
    }
    // Four components (CMYK) have no depth of ours.
    if (const qsizetype frame = jpegFrameHeader(head); frame >= 0) {
        const int components = uint8_t(head[frame + 9]);
        return components == 1 ? 8 : components == 3 ? 24 : 0;
    }
    return -1;
}

// The orientation tag (1 to 8) of an Exif block (a TIFF header and its first directory); 1
// when it has none.
int exifOrientation(const QByteArray& exif) {
    const bool little = exif.startsWith("II");
    if (exif.size() < 8 || (!little && !exif.startsWith("MM"))) return 1;
    const auto number = [&](qsizetype at, int bytes) {
        return at + bytes <= exif.size() ? (little ? littleEndian(exif, at, bytes) : bigEndian(exif, at, bytes)) : 0;
    };
    const qsizetype directory = number(4, 4);
    const uint32_t entries = number(directory, 2);
    for (uint32_t i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + qsizetype(i) * 12;
        if (entry + 12 > exif.size()) break;
        if (number(entry, 2) == 0x0112) {
            const int value = int(number(entry + 8, 2));
            return value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

// The Exif orientation of a WebP file, from its EXIF chunk (often after the pixels): Qt's reader
// leaves it unapplied. The file is left at its start.
int webpOrientation(QIODevice& file) {
    int orientation = 1;
    for (qint64 at = 12; file.seek(at);) {
        const QByteArray header = file.read(8);
        if (header.size() < 8) break;
        const qint64 size = littleEndian(header, 4, 4);
        if (header.startsWith("EXIF")) {
            QByteArray exif = file.read(std::min<qint64>(size, 65536));
            if (exif.startsWith(QByteArray("Exif\0\0", 6))) exif.remove(0, 6);
            orientation = exifOrientation(exif);
            break;
        }
        at += 8 + size + (size & 1);
    }
    file.seek(0);
    return orientation;
}

// How Qt's readers name the turn of an Exif orientation.
QImageIOHandler::Transformations transformationOf(int orientation) {
    // clang-format off
    static const QImageIOHandler::Transformations byTag[] = {
        QImageIOHandler::TransformationNone,           QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror,         QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip,           QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90,       QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270};
    // clang-format on
    return byTag[orientation];
}

// Mirrored or flipped first, then turned, as Qt's readers apply an orientation.
QImage applyTurn(QImage image, QImageIOHandler::Transformations turn) {
    if (turn == QImageIOHandler::TransformationNone || image.isNull()) return image;
    image = image.mirrored(turn & QImageIOHandler::TransformationMirror, turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90) image = image.transformed(QTransform().rotate(90));
    return image;
}

}  // namespace

QSize fitPictureSize(int32_t w, int32_t h, int32_t frameWidth, int32_t frameHeight, int32_t zoom, Fit fit) {
    if (zoom > 0) return {int32_t(int64_t(w) * zoom / 100), int32_t(int64_t(h) * zoom / 100)};
    if (h == 0) return {w, h};
    const double ratio = double(w) / double(h);
    int32_t ow = w, oh = h;
    const int32_t W = frameWidth, H = frameHeight;
    if (fit.stretch && (ow < W || oh < H)) {
        if (oh < H) oh = H, ow = int32_t(H * ratio);
        if (ow < W) ow = W, oh = int32_t(W / ratio);
    }
    if (fit.squeeze) {
        if (oh > H) oh = H, ow = int32_t(H * ratio);
        if (ow > W) ow = W, oh = int32_t(W / ratio);
    } else if (fit.shrink && ow > W && oh > H) {
        oh = H, ow = int32_t(H * ratio);
        if (ow < W) ow = W, oh = int32_t(W / ratio);
    }
    return {ow, oh};
}

QSize largestFittedSize(int32_t w, int32_t h, int32_t frameWidth, int32_t frameHeight, int32_t zoom, Fit fit,
                        bool mayTurn) {
    if (w <= 0 || h <= 0) return {};
    const QSize upright = fitPictureSize(w, h, frameWidth, frameHeight, zoom, fit);
    const QSize turned = mayTurn ? fitPictureSize(h, w, frameWidth, frameHeight, zoom, fit) : QSize(0, 0);
    const double scale = std::max(double(upright.width()) / w, double(turned.height()) / w);
    return QSize(int32_t(std::ceil(w * scale)), int32_t(std::ceil(h * scale)));
}

QSize boundedCopySize(QSize shown, QSize own, QSize screen) {
    const double pixels = double(shown.width()) * shown.height();
    const double most = std::max(double(own.width()) * own.height(), double(screen.width()) * screen.height());
    if (pixels <= most || pixels <= 0) return shown;
    const double scale = std::sqrt(most / pixels);
    return {std::max(1, int(shown.width() * scale)), std::max(1, int(shown.height() * scale))};
}

QPoint placeInFrame(Anchor layout, int32_t frameWidth, int32_t frameHeight, int32_t w, int32_t h) {
    const int32_t W = frameWidth, H = frameHeight;
    int32_t x = 0, y = 0;
    switch (layout) {
    case Anchor::Centered: x = (W - w) / 2, y = (H - h) / 2; break;
    case Anchor::TopLeft: break;
    case Anchor::TopRight: x = W - w; break;
    case Anchor::BottomLeft: y = H - h; break;
    case Anchor::BottomRight: x = W - w, y = H - h; break;
    case Anchor::Roaming:
        x = W > w ? std::rand() % (W - w) : 0;
        y = H > h ? std::rand() % (H - h) : 0;
        break;
    }
    return {std::max(x, 0), std::max(y, 0)};
}

namespace {

// The file's bytes as the readers see them: a read after cancelled is set fails, which ends a
// decode that reads as it goes (most do) at its next read.
class CancellableBuffer : public QBuffer {
public:
    CancellableBuffer(QByteArray* bytes, const std::atomic<bool>* cancelled) : QBuffer(bytes), cancelled_(cancelled) {}

protected:
    qint64 readData(char* data, qint64 size) override {
        return cancelled_ && *cancelled_ ? -1 : QBuffer::readData(data, size);
    }

private:
    const std::atomic<bool>* cancelled_;
};

// Decodes the file's content, upright when asked (the orientation the file records applied): a
// picture that will be shown smaller than its own size is kept at the shown size (a JPEG is
// decoded straight at it: the decoder scales by whole eighths and smooths the rest), and a
// drawing (SVG) is rendered at the shown size, whatever its own. depth and own get the stored
// depth and the upright own size from the header; vector tells whether the picture is a
// drawing. A header whose size needs more than the limit leaves own set and the answer null.
QImage readImage(const std::string& content, const Picture::ShownSize& shownSize, bool upright,
                 const std::atomic<bool>* cancelled, int& depth, QSize& own, bool& vector) {
    // Qt's own check catches the readers that only find their size while decoding.
    QImageReader::setAllocationLimit(int(Picture::memoryLimit / mebibyte));
    QByteArray bytes = QByteArray::fromRawData(content.data(), qsizetype(content.size()));
    if (bytes.startsWith("\xff\xd8") && bytes.count("\xff\xda") > JpegFile::maxScans) return {};
    const QByteArray head = bytes.left(65536);
    if (const LibraryReader* library = libraryReaderFor(head)) {
        QImage decoded = library->decode(bytes, upright, Picture::memoryLimit, depth);
        own = decoded.size();
        vector = false;
        return decoded;
    }
    const int stored = storedDepth(head);
    CancellableBuffer buffer(&bytes, cancelled);
    buffer.open(QIODevice::ReadOnly);
    const bool webp = head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
    const QImageIOHandler::Transformations ownTurn =
        upright && webp ? transformationOf(webpOrientation(buffer)) : QImageIOHandler::TransformationNone;
    QImageReader reader(&buffer);
    reader.setAutoTransform(upright);
    // The reader scales before it turns: sizes asked of it are as stored.
    const bool turned = upright && ((reader.transformation() | ownTurn) & QImageIOHandler::TransformationRotate90);
    own = reader.size();
    // A reader that could not read the header answers its format from memory it never set.
    const QImage::Format headerFormat = own.isValid() ? reader.imageFormat() : QImage::Format_Invalid;
    depth = stored >= 0 ? stored : depthOf(headerFormat);
    if (turned) own.transpose();
    vector = reader.format().startsWith("svg");
    // A drawing is rendered at the size it is shown at, whatever size it claims.
    if (const QSize claimed = own.isValid() ? own : claimedSize(head);
        !vector && claimed.isValid() && Picture::bytesFor(claimed) > Picture::memoryLimit) {
        own = claimed;
        return {};
    }
    QSize reduceTo;  // the shown size, for a picture decoded at its own size first
    if (shownSize && own.isValid()) {
        const QSize size = shownSize(own.width(), own.height());
        const bool smaller = size.width() < own.width() && size.height() < own.height();
        // Only the JPEG decoder and the drawings scale as they decode; other readers would
        // scale a picture of a few palette colours by its indexes, into noise.
        if (size.width() > 0 && size.height() > 0 && (vector || reader.format() == "jpeg") && (vector || smaller))
            reader.setScaledSize(turned ? size.transposed() : size);
        else if (size.width() > 0 && size.height() > 0 && smaller) reduceTo = size;
    }
    QImage decoded = applyTurn(reader.read(), ownTurn);
    if (reduceTo.isValid() && !decoded.isNull())
        decoded =
            decoded
                .convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
                .scaled(reduceTo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!own.isValid() || own.isEmpty()) own = decoded.size();
    // Where neither the header nor the reader tell (WebP), the decoded pixels do.
    if (stored < 0 && headerFormat == QImage::Format_Invalid) depth = depthOf(decoded.format());
    return decoded;
}

// A JPEG decoded as it is read, as readImage answers a picture: depth and own (upright) from the
// header, and a picture too large for the limit refused before it is decoded.
QImage readJpeg(JpegFile& file, const Picture::ShownSize& shownSize, bool upright, int& depth, QSize& own) {
    depth = file.components() * 8;
    const QImageIOHandler::Transformations turn =
        upright ? transformationOf(exifOrientation(file.exif())) : QImageIOHandler::TransformationNone;
    const bool turned = turn & QImageIOHandler::TransformationRotate90;
    own = turned ? file.size().transposed() : file.size();
    if (Picture::bytesFor(own) > Picture::memoryLimit) return {};
    QSize size = shownSize ? shownSize(own.width(), own.height()) : QSize();
    return applyTurn(file.read(turned ? size.transposed() : size), turn);
}

QImage turned(const QImage& image, Turn turn) {
    if (turn == Turn::Flip) return image.mirrored(true, false);
    return image.transformed(QTransform().rotate(90.0 * int(turn)));
}

}  // namespace

// The file's bytes and a reader walking through its frames.
struct PictureAnimation {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QImageReader reader;
    int delay = 0;  // of the frame on show, milliseconds
};

namespace {

// A reader of the later frames when content is an animation; null for a still picture.
std::shared_ptr<PictureAnimation> startAnimation(const std::string& content) {
    auto animation = std::make_shared<PictureAnimation>();
    animation->bytes = QByteArray::fromStdString(content);
    animation->reader.setDevice(&animation->buffer);
    // Only a picture of several frames plays; its first is the one already on show.
    if (!animation->reader.supportsAnimation() || animation->reader.imageCount() == 1 ||
        animation->reader.read().isNull() || !animation->reader.canRead())
        return nullptr;
    animation->delay = animation->reader.nextImageDelay();
    // It is read on the window thread from now on; the buffer has no events to be delivered.
    animation->buffer.moveToThread(nullptr);
    return animation;
}

}  // namespace

DecodedPicture decodePicture(const std::string& path, const Picture::ShownSize& shownSize, bool upright, bool animate,
                             const std::atomic<bool>* cancelled) {
    DecodedPicture decoded;
    decoded.path = path;
    QSize own;
    QImage image;
    std::optional<std::string> content;
    if (JpegFile jpeg(path, cancelled, Picture::memoryLimit); jpeg.opened()) {
        image = readJpeg(jpeg, shownSize, upright, decoded.bitsPerPixel, own);
    } else {
        // A file larger than the limit would decode larger still.
        content = readRegularFile(path, Picture::memoryLimit);
        if (!content || (cancelled && *cancelled)) return decoded;
        image = readImage(*content, shownSize, upright, cancelled, decoded.bitsPerPixel, own, decoded.vector);
    }
    if (image.isNull() && own.isValid() && Picture::bytesFor(own) > Picture::memoryLimit) decoded.refusedSize = own;
    if (image.isNull() || image.width() == 0 || image.height() == 0 || own.isEmpty() || (cancelled && *cancelled))
        return decoded;
    decoded.image = std::move(image);
    decoded.own = own;
    if (animate && content) decoded.animation = startAnimation(*content);
    return decoded;
}

Picture::Picture() = default;
Picture::~Picture() = default;

void Picture::load(const std::string& path, const ShownSize& shownSize) {
    adopt(decodePicture(path, shownSize, upright, animate));
}

void Picture::adopt(DecodedPicture decoded) {
    release();
    if (!decoded.loaded()) return;
    image_ = std::move(decoded.image);
    own_ = decoded.own;
    bitsPerPixel_ = decoded.bitsPerPixel;
    path_ = std::move(decoded.path);
    vector_ = decoded.vector;
    reduced_ = vector_ || image_.size() != own_;
    animation_ = std::move(decoded.animation);
}

int Picture::frameDelay() const {
    if (!animation_) return 0;
    // Frames of no or next to no delay are shown for a tenth of a second, as browsers do.
    return animation_->delay > 10 ? animation_->delay : 100;
}

bool Picture::nextFrame() {
    if (!animation_) return false;
    QImageReader& reader = animation_->reader;
    if (!reader.canRead() && !reader.jumpToImage(0)) {
        // Readers that cannot go back start over on the same bytes.
        reader.setDevice(nullptr);
        animation_->buffer.seek(0);
        reader.setDevice(&animation_->buffer);
    }
    QImage frame = reader.read();
    if (frame.isNull()) return false;
    animation_->delay = reader.nextImageDelay();
    for (Turn turn : turns_) frame = turned(frame, turn);
    if (frame.size() != image_.size()) return false;  // a frame of another size is not this picture's
    image_ = std::move(frame);
    return true;
}

void Picture::loadBitmap(const QImage& bitmap) {
    release();
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0) return;
    image_ = bitmap;
    own_ = bitmap.size();
    bitsPerPixel_ = depthOf(bitmap.format());
}

void Picture::release() {
    if (detailDecoder_) detailDecoder_->forget();
    detailAsked_ = QSize();
    image_ = QImage();
    own_ = QSize();
    bitsPerPixel_ = 0;
    path_.clear();
    vector_ = false;
    reduced_ = false;
    turns_.clear();
    animation_.reset();
}

void Picture::rotateFlip(Turn turn) {
    if (image_.isNull() || turn < Turn::Right || turn > Turn::Flip) return;
    image_ = turned(image_, turn);
    if (turn == Turn::Right || turn == Turn::Left) own_.transpose();
    turns_.push_back(turn);
}

void Picture::ensureDetail(int32_t w, int32_t h, bool now) {
    if (!reduced_ || (w <= image_.width() && h <= image_.height())) return;
    // A drawing is rendered again at the size asked for (as it stood before the turns), a
    // photo decoded again in full.
    const bool quarter = std::count_if(turns_.begin(), turns_.end(),
                                       [](Turn turn) { return turn == Turn::Right || turn == Turn::Left; }) %
                         2;
    const QSize asked = quarter ? QSize(h, w) : QSize(w, h);
    const ShownSize shown = vector_ ? ShownSize([asked](int32_t, int32_t) { return asked; }) : ShownSize();
    if (now || !detailDecoder_) return adoptDetail(decodePicture(path_, shown, upright, false));
    if (detailAsked_.isValid() &&
        (!vector_ || (detailAsked_.width() >= asked.width() && detailAsked_.height() >= asked.height())))
        return;  // on its way
    detailAsked_ = asked;
    detailDecoder_->decode([path = path_, shown, standing = upright](const std::atomic<bool>& cancelled) {
        return decodePicture(path, shown, standing, false, &cancelled);
    });
}

void Picture::completeDetail(int32_t w, int32_t h) { ensureDetail(w, h, true); }

void Picture::adoptDetail(DecodedPicture detail) {
    // A file gone or changed meanwhile, or too slow: the smaller picture will do, and it is not
    // asked for again.
    if (!detail.loaded() || !reduced_ || detail.path != path_ || detail.vector != vector_) return;
    detailAsked_ = QSize();
    QImage full = std::move(detail.image);
    for (Turn turn : turns_) full = turned(full, turn);
    image_ = std::move(full);
    reduced_ = vector_;
}

QSize Picture::fitSize(const Rect& frame, int32_t zoom, Fit fit) const {
    if (image_.isNull()) return {0, 0};
    return fitPictureSize(own_.width(), own_.height(), frame.width(), frame.height(), zoom, fit);
}

int32_t Picture::placeAndDraw(const Rect& frame, QImage& target, int32_t zoom, Fit fit, Anchor layout) {
    if (image_.isNull()) return 0;
    const QSize size = fitSize(frame, zoom, fit);
    width = size.width();
    height = size.height();
    const int32_t shown = zoom == 0 ? int32_t(uint32_t(width) * 100u / uint32_t(own_.width())) : zoom;
    const QPoint at = placeInFrame(layout, frame.width(), frame.height(), width, height);
    x = at.x();
    y = at.y();
    drawScaled(target, width, height, x, y);
    return shown;
}

namespace {

// Draws image scaled to w x h at (left, top) with the interpolation asked for.
void drawResampled(QPainter& painter, const QImage& image, int32_t left, int32_t top, int32_t w, int32_t h,
                   ZoomQuality interpolation) {
    if (w == image.width() && h == image.height()) {
        painter.drawImage(left, top, image);
    } else if (interpolation == ZoomQuality::Bilinear) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);  // bilinear
        painter.drawImage(QRect(left, top, w, h), image);
    } else if (interpolation == ZoomQuality::Smooth) {
        // Smooth: every source pixel counts (area averaging when reducing).
        painter.drawImage(left, top, image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        painter.drawImage(left, top, resampleBicubic(image, w, h));
    }
}

}  // namespace

void Picture::drawScaled(QImage& target, int32_t w, int32_t h, int32_t left, int32_t top, bool quick) {
    if (image_.isNull() || w <= 0 || h <= 0 || target.isNull()) return;
    const QRect placed(left, top, w, h);
    const QRect visible = placed & target.rect();
    if (visible.isEmpty()) return;
    ensureDetail(w, h, false);
    const ZoomQuality quality = quick ? ZoomQuality::Bilinear : interpolation;
    QPainter painter(&target);
    if (visible == placed) {
        drawResampled(painter, image_, left, top, w, h, quality);
        return;
    }
    if (quality != ZoomQuality::Bilinear &&
        quality != ZoomQuality::Smooth) {  // best: the filter computes the visible part alone
        painter.drawImage(visible.topLeft(), resampleBicubic(image_, w, h, visible.translated(-left, -top)));
        return;
    }
    // The source pixels under the visible part, with one more on each side for the filter,
    // scaled to where they fall; the painter clips what lies beyond the target.
    const double fx = double(w) / image_.width(), fy = double(h) / image_.height();
    const QRect source = QRect(QPoint(int(std::floor((visible.left() - left) / fx)) - 1,
                                      int(std::floor((visible.top() - top) / fy)) - 1),
                               QPoint(int(std::ceil((visible.right() + 1 - left) / fx)),
                                      int(std::ceil((visible.bottom() + 1 - top) / fy)))) &
                         image_.rect();
    const QPoint from(left + int32_t(std::lround(source.left() * fx)), top + int32_t(std::lround(source.top() * fy)));
    const QPoint to(left + int32_t(std::lround((source.right() + 1) * fx)),
                    top + int32_t(std::lround((source.bottom() + 1) * fy)));
    const QImage part = source == image_.rect() ? image_ : image_.copy(source);
    if (quality == ZoomQuality::Smooth && fx <= 1 && fy <= 1) {  // reducing: area averaging, about the view's size
        const QSize size(to.x() - from.x(), to.y() - from.y());
        if (!size.isEmpty())
            painter.drawImage(from, part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);  // bilinear
        painter.drawImage(QRect(from, to - QPoint(1, 1)), part);
    }
}

Picture::Status Picture::save(const std::string& path, Format format, int32_t w, int32_t h, Existing existing) {
    if (image_.isNull()) return NoImage;
    if (w <= 0 || h <= 0) return SaveFailed;
    ensureDetail(w, h, true);
    const QImage scaled =
        (image_.size() == QSize(w, h) ? image_ : resampleBicubic(image_, w, h)).convertToFormat(QImage::Format_RGB32);
    // The encoder's last bytes reach the file only on the flush, so that is checked too.
    const bool saved = writeWholeFile(path, existing, [&](int fd) {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
        QImageWriter writer(&file, format == Bmp ? "bmp" : "jpeg");
        return writer.write(scaled) && file.flush();
    });
    return saved ? Ok : SaveFailed;
}
