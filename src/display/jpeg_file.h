#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

// A JPEG file decoded as it is read, straight to the size it is shown at: neither the file's
// bytes nor a picture larger than the one shown are ever held whole, which halves what a large
// photo costs while it decodes. Files of one (grey) or three (colour) components; others (CMYK)
// are left to the general readers.
class JpegFile {
public:
    // Most scans a progressive file may have: each is a pass over the whole picture, and a file
    // that repeats them thousands of times would take minutes.
    static constexpr int maxScans = 100;

    // Reads the header of the regular file at path; opened() tells whether it is a JPEG read
    // here. Once cancelled is set, reading stops at once and the picture is null. The decoder's
    // own memory is bounded by mostMemory bytes: a file that needs more decodes to nothing.
    JpegFile(const std::string& path, const std::atomic<bool>* cancelled, int64_t mostMemory);
    ~JpegFile();
    JpegFile(const JpegFile&) = delete;
    JpegFile& operator=(const JpegFile&) = delete;

    bool opened() const;
    // Of an opened file:
    QSize size() const;       // as stored, before any orientation
    int components() const;   // 1 or 3
    QByteArray exif() const;  // the Exif block from its TIFF header on; empty when there is none

    // The picture as stored, reduced to size (area averaged) when size is smaller on both
    // sides, else at its own size; null when the file is broken early, cancelled, or has more
    // than maxScans scans. A file cut short decodes to where it stops, the rest grey.
    QImage read(QSize size);

    struct State;  // the library's, reached from its callbacks

private:
    std::unique_ptr<State> state_;
};
