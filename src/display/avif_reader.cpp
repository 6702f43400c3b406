#include "display/library_readers.h"

#include <QTransform>
#include <avif/avif.h>
#include <memory>

QImage decodeAvif(const QByteArray& file, bool upright, int64_t byteLimit, int& depth) {
    const std::unique_ptr<avifDecoder, decltype(&avifDecoderDestroy)> decoder(avifDecoderCreate(), &avifDecoderDestroy);
    if (!decoder ||
        avifDecoderSetIOMemory(decoder.get(), reinterpret_cast<const uint8_t*>(file.constData()),
                               size_t(file.size())) != AVIF_RESULT_OK ||
        avifDecoderParse(decoder.get()) != AVIF_RESULT_OK)
        return {};
    const avifImage* header = decoder->image;
    if (int64_t(header->width) * header->height * 4 > byteLimit) return {};
    if (avifDecoderNextImage(decoder.get()) != AVIF_RESULT_OK) return {};
    const avifImage* image = decoder->image;

    QImage picture(int(image->width), int(image->height),
                   image->alphaPlane ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull()) return {};
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, image);
    rgb.format = AVIF_RGB_FORMAT_BGRA;  // QImage's 32-bit layout in memory on a little-endian machine
    rgb.depth = 8;
    rgb.pixels = picture.bits();
    rgb.rowBytes = uint32_t(picture.bytesPerLine());
    if (avifImageYUVToRGB(image, &rgb) != AVIF_RESULT_OK) return {};
    depth = int(image->depth) * ((image->yuvFormat == AVIF_PIXEL_FORMAT_YUV400 ? 1 : 3) + (image->alphaPlane ? 1 : 0));

    if (!upright) return picture;
    // The file's turn (anticlockwise quarters) comes before its mirror.
    if ((image->transformFlags & AVIF_TRANSFORM_IROT) && image->irot.angle % 4)
        picture = picture.transformed(QTransform().rotate(-90.0 * (image->irot.angle % 4)));
    if (image->transformFlags & AVIF_TRANSFORM_IMIR)
        picture = image->imir.mode == 0 ? picture.mirrored(false, true) : picture.mirrored(true, false);
    return picture;
}
