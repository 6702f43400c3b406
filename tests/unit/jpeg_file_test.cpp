// JPEG files decoded as they are read: reduced on the way to what Qt's reader and its smooth
// scaling make of the same file, within a memory bound, and cancelled.
#include "display/jpeg_file.h"
#include "display/picture.h"
#include "temp_dir.h"

#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A photo-like picture: smooth colour ramps both ways, with a hard-edged block for detail.
QImage photo(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool block = x > w / 3 && x < w / 2 && y > h / 4 && y < h / 2;
            image.setPixel(x, y, block ? qRgb(250, 250, 20) : qRgb(255 * x / w, 255 * y / h, 128));
        }
    return image;
}

// The largest difference of one channel between two pictures of the same size.
int mostDifference(const QImage& a, const QImage& b) {
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max(
                {most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

TEST(JpegFile, ReducesAsQtsReaderAndSmoothScalingDo) {
    TempDir dir;
    struct Case {
        QImage::Format format;
        QSize own, shown;
    };
    // Eighths the library scales by and the rest reduced across and down, odd sizes, and a
    // picture shown at its own size or larger, which is decoded whole.
    for (const Case c :
         {Case{QImage::Format_RGB32, {997, 601}, {300, 181}}, Case{QImage::Format_Grayscale8, {800, 1200}, {97, 145}},
          Case{QImage::Format_RGB32, {320, 200}, {640, 400}}}) {
        SCOPED_TRACE(testing::Message() << c.own.width() << "x" << c.own.height() << " to " << c.shown.width());
        const std::string path = dir.file("photo.jpg");
        ASSERT_TRUE(photo(c.own.width(), c.own.height())
                        .convertToFormat(c.format)
                        .save(QString::fromStdString(path), "JPEG", 95));

        JpegFile file(path, nullptr, Picture::memoryLimit);
        ASSERT_TRUE(file.opened());
        EXPECT_EQ(file.size(), c.own);
        EXPECT_EQ(file.components(), c.format == QImage::Format_Grayscale8 ? 1 : 3);
        const QImage ours = file.read(c.shown);

        QImageReader reader(QString::fromStdString(path));
        const bool smaller = c.shown.width() < c.own.width() && c.shown.height() < c.own.height();
        if (smaller) reader.setScaledSize(c.shown);
        const QImage theirs = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(ours.size(), theirs.size());
        EXPECT_EQ(ours.format(), QImage::Format_RGB32);
        EXPECT_LE(mostDifference(ours, theirs), 12);  // the edges too: nothing left dark or unwritten
    }
}

TEST(JpegFile, MemoryBoundAndCancel) {
    TempDir dir;
    // A progressive file keeps every coefficient while it decodes: beyond the bound, nothing.
    QImageWriter writer(QString::fromStdString(dir.file("progressive.jpg")), "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(photo(1000, 1000)));
    EXPECT_EQ(JpegFile(dir.file("progressive.jpg"), nullptr, Picture::memoryLimit).read({}).size(), QSize(1000, 1000));
    EXPECT_TRUE(JpegFile(dir.file("progressive.jpg"), nullptr, 1 << 20).read({}).isNull());

    // Cancelled before the pixels: nothing.
    std::atomic<bool> cancelled = false;
    JpegFile file(dir.file("progressive.jpg"), &cancelled, Picture::memoryLimit);
    ASSERT_TRUE(file.opened());
    cancelled = true;
    EXPECT_TRUE(file.read({100, 75}).isNull());
}

}  // namespace
