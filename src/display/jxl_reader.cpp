#include "display/library_readers.h"

#include <jxl/decode.h>
#include <memory>

QImage decodeJxl(const QByteArray& file, bool upright, int64_t byteLimit, int& depth) {
    const std::unique_ptr<JxlDecoder, decltype(&JxlDecoderDestroy)> decoder(JxlDecoderCreate(nullptr),
                                                                            &JxlDecoderDestroy);
    JxlDecoder* d = decoder.get();
    if (!d || JxlDecoderSubscribeEvents(d, JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS ||
        JxlDecoderSetKeepOrientation(d, upright ? JXL_FALSE : JXL_TRUE) != JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(d, reinterpret_cast<const uint8_t*>(file.constData()), size_t(file.size())) !=
            JXL_DEC_SUCCESS)
        return {};
    JxlDecoderCloseInput(d);
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage picture;
    for (;;) {
        switch (JxlDecoderProcessInput(d)) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(d, &info) != JXL_DEC_SUCCESS) return {};
            if (int64_t(info.xsize) * info.ysize * 4 > byteLimit) return {};
            // The stored size; orientations 5 to 8 turn it a quarter.
            const bool turned = upright && info.orientation >= JXL_ORIENT_TRANSPOSE;
            picture = QImage(int(turned ? info.ysize : info.xsize), int(turned ? info.xsize : info.ysize),
                             info.alpha_bits ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
            depth = int(info.bits_per_sample * (info.num_color_channels + (info.alpha_bits ? 1 : 0)));
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t needed = 0;
            if (picture.isNull() || JxlDecoderImageOutBufferSize(d, &format, &needed) != JXL_DEC_SUCCESS ||
                needed != size_t(picture.sizeInBytes()) ||
                JxlDecoderSetImageOutBuffer(d, &format, picture.bits(), needed) != JXL_DEC_SUCCESS)
                return {};
            break;
        }
        case JXL_DEC_FULL_IMAGE: return picture;  // the first frame of an animation is enough
        default: return {};                       // an error, or the input ended early
        }
    }
}
