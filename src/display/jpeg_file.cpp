#include "display/jpeg_file.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <cstring>
#include <jpeglib.h>
#include <optional>
#include <unistd.h>
#include <vector>

struct JpegFile::State {
    jpeg_decompress_struct info{};
    struct Failure {
        jpeg_error_mgr manager;
        jmp_buf jump;
    } failure{};
    struct Source {
        jpeg_source_mgr manager;
        int fd = -1;
        bool ended = false;
        JOCTET bytes[65536];
    } source{};
    jpeg_progress_mgr progress{};
    const std::atomic<bool>* cancelled = nullptr;
    bool opened = false;

    ~State() {
        jpeg_destroy_decompress(&info);
        if (source.fd >= 0) ::close(source.fd);
    }

    // Runs the library's calls in work; false when the library gave up on the file. The jump
    // back lands here, past only the library's own frames.
    template <typename Work>
    bool guarded(Work work) {
        if (setjmp(failure.jump)) return false;
        work();
        return true;
    }
};

namespace {

JpegFile::State& stateOf(j_common_ptr info) { return *static_cast<JpegFile::State*>(info->client_data); }

[[noreturn]] void giveUp(j_common_ptr info) { longjmp(stateOf(info).failure.jump, 1); }

// A cut or slightly damaged file decodes as far as it goes: its warnings are not fatal, and
// nothing is printed.
void keepQuiet(j_common_ptr) {}

void startReading(j_decompress_ptr) {}

boolean fillBuffer(j_decompress_ptr info) {
    JpegFile::State& state = stateOf(reinterpret_cast<j_common_ptr>(info));
    if (state.cancelled && *state.cancelled) giveUp(reinterpret_cast<j_common_ptr>(info));
    auto& source = state.source;
    ssize_t n = 0;
    if (!source.ended) {
        do n = ::read(source.fd, source.bytes, sizeof source.bytes);
        while (n < 0 && errno == EINTR);
    }
    if (n <= 0) {
        // The file ends early: an end marker of our own lets the library finish the picture.
        source.ended = true;
        source.bytes[0] = 0xFF;
        source.bytes[1] = JPEG_EOI;
        n = 2;
    }
    source.manager.next_input_byte = source.bytes;
    source.manager.bytes_in_buffer = size_t(n);
    return TRUE;
}

void skipBytes(j_decompress_ptr info, long count) {
    JpegFile::State& state = stateOf(reinterpret_cast<j_common_ptr>(info));
    jpeg_source_mgr& source = state.source.manager;
    if (count <= 0) return;
    while (count > long(source.bytes_in_buffer)) {
        count -= long(source.bytes_in_buffer);
        fillBuffer(info);
        if (state.source.ended) return;  // the end marker stays to be read
    }
    source.next_input_byte += count;
    source.bytes_in_buffer -= size_t(count);
}

void endReading(j_decompress_ptr) {}

// Called between rows and scans: where a cancelled decode, or a file of too many scans, stops.
void watch(j_common_ptr info) {
    const JpegFile::State& state = stateOf(info);
    if ((state.cancelled && *state.cancelled) || state.info.input_scan_number > JpegFile::maxScans) giveUp(info);
}

// Reduces a picture streaming in row by row to a smaller one of the same 4-byte pixels: each
// target pixel is the average of the source area it covers, partly covered source pixels
// counting by the part that falls inside. Bytes are averaged alike, whatever they hold.
class Reducer {
public:
    Reducer(int fromWidth, int fromHeight, QImage& target)
        : target_(target),
          across_(splits(fromWidth, target.width())),
          down_(splits(fromHeight, target.height())),
          sums_{std::vector<Pixel>(across_.size()), std::vector<Pixel>(across_.size())},
          row_(size_t(target.width()) + 1),
          scale_(float(double(target.width()) / fromWidth * target.height() / fromHeight)) {}

    // The next source row, 4 bytes a pixel: added down first, at the source's width, where one
    // weight serves the whole row; reduced across once a target row is complete.
    void add(const uint8_t* pixels) {
        const Split s = down_[y_++];
        while (s.to > done_) finishRow();
        const Pixel first = {s.first, s.first, s.first, s.first}, rest = 1.0f - first;
        for (size_t x = 0; x < across_.size(); ++x) {
            const uint8_t* p = pixels + x * 4;
            const Pixel v = {float(p[0]), float(p[1]), float(p[2]), float(p[3])};
            sums_[0][x] += v * first;
            sums_[1][x] += v * rest;
        }
        if (y_ == down_.size())
            while (done_ < target_.height()) finishRow();
    }

private:
    using Pixel = float __attribute__((vector_size(16)));
    using Whole = int32_t __attribute__((vector_size(16)));
    using Bytes = uint8_t __attribute__((vector_size(4)));

    struct Split {
        int to;       // the target pixel (or row) the source one starts in
        float first;  // the part of it inside that one; the rest is in the next
    };

    static std::vector<Split> splits(int from, int to) {
        std::vector<Split> all(static_cast<size_t>(from));
        const double scale = double(to) / from;
        for (int i = 0; i < from; ++i) {
            const double start = i * scale, end = (i + 1) * scale;
            const int in = std::min(int(start), to - 1);
            all[size_t(i)] = {in, end <= in + 1 ? 1.0f : float((in + 1 - start) / scale)};
        }
        return all;
    }

    void finishRow() {
        std::fill(row_.begin(), row_.end(), Pixel{});
        for (size_t x = 0; x < across_.size(); ++x) {
            const Split s = across_[x];
            const Pixel v = sums_[0][x] * scale_;
            row_[size_t(s.to)] += v * s.first;
            row_[size_t(s.to) + 1] += v - v * s.first;
        }
        auto* out = reinterpret_cast<uint8_t*>(target_.scanLine(done_));
        const Pixel low = {}, high = {255.5f, 255.5f, 255.5f, 255.5f};
        for (size_t x = 0; x + 1 < row_.size(); ++x) {
            Pixel v = row_[x] + 0.5f;
            v = v < low ? low : v > high ? high : v;
            const Bytes b = __builtin_convertvector(__builtin_convertvector(v, Whole), Bytes);
            std::memcpy(out + x * 4, &b, 4);
        }
        std::swap(sums_[0], sums_[1]);
        std::fill(sums_[1].begin(), sums_[1].end(), Pixel{});
        ++done_;
    }

    QImage& target_;
    std::vector<Split> across_, down_;
    std::vector<Pixel> sums_[2];  // source rows added into the target row being filled, and the next
    std::vector<Pixel> row_;      // the finished one reduced across, a spare pixel at the end
    float scale_;                 // target pixels per source pixel
    size_t y_ = 0;                // source rows added
    int done_ = 0;                // target rows finished
};

}  // namespace

JpegFile::JpegFile(const std::string& path, const std::atomic<bool>* cancelled, int64_t mostMemory) {
    // Only a JPEG gets the decoder and its buffer: every other picture passes through here too.
    const int fd = openRegularFile(path);
    if (fd < 0) return;
    unsigned char magic[3] = {};
    if (::read(fd, magic, 3) != 3 || magic[0] != 0xFF || magic[1] != 0xD8 || magic[2] != 0xFF ||
        ::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return;
    }
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.source.fd = fd;
    s.cancelled = cancelled;
    s.info.err = jpeg_std_error(&s.failure.manager);
    s.failure.manager.error_exit = giveUp;
    s.failure.manager.output_message = keepQuiet;
    s.info.client_data = &s;
    if (!s.guarded([&] { jpeg_create_decompress(&s.info); })) return;
    // A progressive file holds all its coefficients while it decodes: a header that claims a
    // picture too large for them fails instead.
    s.info.mem->max_memory_to_use = long(mostMemory);
    s.source.manager = {nullptr, 0, startReading, fillBuffer, skipBytes, jpeg_resync_to_restart, endReading};
    s.info.src = &s.source.manager;
    s.progress.progress_monitor = watch;
    s.info.progress = &s.progress;
    jpeg_save_markers(&s.info, JPEG_APP0 + 1, 0xFFFF);
    s.opened = s.guarded([&] { jpeg_read_header(&s.info, TRUE); }) &&
               (s.info.num_components == 1 || s.info.num_components == 3);
}

JpegFile::~JpegFile() = default;

bool JpegFile::opened() const { return state_ && state_->opened; }

QSize JpegFile::size() const { return QSize(int(state_->info.image_width), int(state_->info.image_height)); }

int JpegFile::components() const { return state_->info.num_components; }

QByteArray JpegFile::exif() const {
    static const QByteArray name("Exif\0\0", 6);
    for (jpeg_saved_marker_ptr m = state_->info.marker_list; m; m = m->next) {
        const QByteArray data(reinterpret_cast<const char*>(m->data), qsizetype(m->data_length));
        if (m->marker == JPEG_APP0 + 1 && data.startsWith(name)) return data.mid(name.size());
    }
    return {};
}

QImage JpegFile::read(QSize size) {
    if (!opened()) return {};
    State& s = *state_;
    const QSize own = this->size();
    const bool reduce =
        size.width() > 0 && size.height() > 0 && size.width() < own.width() && size.height() < own.height();
    if (reduce) {
        // The library scales by eighths as it decodes: the smallest that is no smaller than size.
        const double f = std::min(double(own.width()) / size.width(), double(own.height()) / size.height());
        s.info.scale_num = unsigned(std::clamp(int(std::ceil(8 / f)), 1, 8));
        s.info.scale_denom = 8;
    }
    // QImage::Format_RGB32's bytes, the unused one set.
    s.info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    if (!s.guarded([&] { jpeg_start_decompress(&s.info); })) return {};
    const int width = int(s.info.output_width), height = int(s.info.output_height);
    QImage image(reduce ? size : QSize(width, height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    std::vector<uint8_t> rows;
    std::vector<JSAMPROW> pointers(size_t(std::max(1, s.info.rec_outbuf_height)));
    std::optional<Reducer> reducer;
    if (reduce) {
        reducer.emplace(width, height, image);
        rows.resize(pointers.size() * size_t(width) * 4);
        for (size_t i = 0; i < pointers.size(); ++i) pointers[i] = rows.data() + i * size_t(width) * 4;
    }
    while (int(s.info.output_scanline) < height) {
        const int y = int(s.info.output_scanline);
        if (!reduce)
            for (size_t i = 0; i < pointers.size(); ++i) pointers[i] = image.scanLine(std::min(y + int(i), height - 1));
        JDIMENSION read = 0;
        if (!s.guarded([&] { read = jpeg_read_scanlines(&s.info, pointers.data(), JDIMENSION(pointers.size())); }))
            return {};
        if (reducer)
            for (JDIMENSION i = 0; i < read; ++i) reducer->add(pointers[i]);
    }
    return image;
}
