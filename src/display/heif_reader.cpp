#include "display/library_readers.h"

#include <libheif/heif.h>
#include <memory>

QImage decodeHeif(const QByteArray& file, bool upright, int64_t byteLimit, int& depth) {
    const std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(), &heif_context_free);
    if (!context ||
        heif_context_read_from_memory_without_copy(context.get(), file.constData(), size_t(file.size()), nullptr)
                .code != heif_error_Ok)
        return {};
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok) return {};
    const std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(primary,
                                                                                          &heif_image_handle_release);
    if (int64_t(heif_image_handle_get_width(primary)) * heif_image_handle_get_height(primary) * 4 > byteLimit)
        return {};

    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    const std::unique_ptr<heif_decoding_options, decltype(&heif_decoding_options_free)> options(
        heif_decoding_options_alloc(), &heif_decoding_options_free);
    options->ignore_transformations = !upright;
    heif_image* decoded = nullptr;
    if (heif_decode_image(primary, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get())
            .code != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_image, decltype(&heif_image_release)> image(decoded, &heif_image_release);
    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int h = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || w <= 0 || h <= 0) return {};
    depth = heif_image_handle_get_luma_bits_per_pixel(primary) * (alpha ? 4 : 3);
    // The library's buffer goes with its image: the picture takes a copy.
    return QImage(pixels, w, h, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
        .convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}
