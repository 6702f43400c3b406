#include "display/picture.h"
#include "temp_dir.h"

#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::string savedPicture(const TempDir& dir, const char* name, QImage::Format format, int w, int h) {
    QImage picture(w, h, format);
    if (format == QImage::Format_Indexed8) picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(0);
    const std::string path = dir.file(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path)));
    return path;
}
}  // namespace

TEST(PictureFit, ZoomScalesByPercentAndTruncates) {
    EXPECT_EQ(fitPictureSize(801, 601, 100, 100, 50, {true, true, true}), QSize(400, 300));
    EXPECT_EQ(fitPictureSize(801, 601, 100, 100, 0, {false, false, false}), QSize(801, 601));
}

TEST(PictureFit, SqueezeShrinkAndStretchFitAsTheyAreMeant) {
    EXPECT_EQ(fitPictureSize(4000, 1000, 1000, 800, 0, {true, false, false}), QSize(1000, 250));
    EXPECT_EQ(fitPictureSize(1200, 500, 1000, 800, 0, {false, true, false}), QSize(1200, 500));   // not over both ways
    EXPECT_EQ(fitPictureSize(2000, 1000, 1000, 800, 0, {false, true, false}), QSize(1600, 800));  // still covers
    EXPECT_EQ(fitPictureSize(500, 400, 1000, 600, 0, {false, false, true}), QSize(1000, 800));
    EXPECT_EQ(fitPictureSize(500, 400, 1000, 600, 0, {true, false, true}), QSize(750, 600));  // exactly inside
    EXPECT_EQ(fitPictureSize(1, 5000, 1000, 800, 0, {true, true, false}), QSize(0, 800));     // truncates to nothing
}

TEST(PictureFit, TheLargestFittedSizeAllowsForATurnAndKeepsProportions) {
    EXPECT_EQ(largestFittedSize(6000, 4000, 1920, 1080, 0, {true, true, false}, true), QSize(1620, 1080));
    EXPECT_EQ(largestFittedSize(4000, 6000, 1920, 1080, 0, {true, true, false}, false), QSize(720, 1080));
    EXPECT_EQ(largestFittedSize(4000, 6000, 1920, 1080, 0, {true, true, false}, true), QSize(1080, 1620));  // turned
    EXPECT_EQ(largestFittedSize(6000, 4000, 1920, 1080, 50, {true, true, false}, true), QSize(3000, 2000));
    EXPECT_EQ(largestFittedSize(6000, 4000, 1920, 1080, 0, {false, false, false}, false), QSize(6000, 4000));
    EXPECT_EQ(largestFittedSize(0, 4000, 1920, 1080, 0, {true, true, false}, false), QSize());
}

TEST(PictureFit, PlacementFollowsTheAnchorAndNeverGoesNegative) {
    EXPECT_EQ(placeInFrame(Anchor::Centered, 1000, 800, 1200, 500), QPoint(0, 150));  // x -100 clamped
    EXPECT_EQ(placeInFrame(Anchor::BottomRight, 1000, 800, 200, 100), QPoint(800, 700));
    EXPECT_EQ(placeInFrame(Anchor(7), 1000, 800, 200, 100), QPoint(0, 0));  // a number outside the anchors
    for (int i = 0; i < 20; ++i) {
        const QPoint at = placeInFrame(Anchor::Roaming, 1000, 800, 1000, 100);
        EXPECT_EQ(at.x(), 0);  // as wide as the frame: no room to roam
        EXPECT_GE(at.y(), 0);
        EXPECT_LT(at.y(), 700);
    }
}

TEST(Picture, LoadsAnyFileNameAndReportsTheFilesOwnDepth) {
    TempDir dir;
    Picture picture;
    const std::string odd = dir.file("caf\xe9 \xff.png");  // a name that is not UTF-8
    std::filesystem::rename(savedPicture(dir, "plain.png", QImage::Format_ARGB32, 30, 20), odd);
    picture.load(odd);
    ASSERT_TRUE(picture.isLoaded());
    EXPECT_EQ(picture.imageWidth(), 30);
    EXPECT_EQ(picture.bitsPerPixel(), 32);
    picture.load(savedPicture(dir, "indexed.png", QImage::Format_Indexed8, 8, 8));
    EXPECT_EQ(picture.bitsPerPixel(), 8);
    picture.load(savedPicture(dir, "photo.jpg", QImage::Format_RGB32, 8, 8));
    EXPECT_EQ(picture.bitsPerPixel(), 24);
    picture.rotateFlip(Turn::Right);
    EXPECT_EQ(picture.imageWidth(), 8);
    picture.load(savedPicture(dir, "wide.png", QImage::Format_RGB32, 40, 10));
    picture.rotateFlip(Turn::Left);
    EXPECT_EQ(picture.imageWidth(), 10);
    EXPECT_EQ(picture.imageHeight(), 40);
}

TEST(Picture, UnreadableFilesLeaveNoPicture) {
    TempDir dir;
    writeFile(dir.file("empty.jpg"), "");
    writeFile(dir.file("text.jpg"), "This is a text file named like a picture.\n");
    const std::string png = readFile(savedPicture(dir, "whole.png", QImage::Format_RGB32, 64, 64));
    writeFile(dir.file("cut.png"), png.substr(0, 40));
    // A BMP header that claims 100000 x 100000 pixels (40 GB): refused, not allocated.
    std::string huge = readFile(savedPicture(dir, "small.bmp", QImage::Format_RGB32, 4, 4));
    huge.replace(18, 8, std::string("\xa0\x86\x01\x00\xa0\x86\x01\x00", 8));
    writeFile(dir.file("huge.bmp"), huge);
    Picture picture;
    for (const char* name : {"empty.jpg", "text.jpg", "cut.png", "huge.bmp", "missing.png"}) {
        picture.load(savedPicture(dir, "good.png", QImage::Format_RGB32, 4, 4));
        picture.load(dir.file(name));
        EXPECT_FALSE(picture.isLoaded()) << name;
        // Refused for its size, and said so, before any pixel is decoded.
        EXPECT_EQ(picture.refusedSize(), std::string(name) == "huge.bmp" ? QSize(100000, 100000) : QSize()) << name;
    }
}

TEST(Picture, AProgressiveJpegThatRepeatsItsScansIsRefusedUndecoded) {
    TempDir dir;
    QImage source(64, 48, QImage::Format_RGB32);
    source.fill(qRgb(90, 140, 30));
    QImageWriter writer(QString::fromStdString(dir.file("progressive.jpg")), "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(source));
    const std::string jpeg = readFile(dir.file("progressive.jpg"));
    Picture picture;
    picture.load(dir.file("progressive.jpg"));
    EXPECT_TRUE(picture.isLoaded());
    // The last scan with the table before it, again and again: each one costs a pass over the picture.
    const size_t lastScan = jpeg.rfind("\xff\xc4");
    std::string repeated = jpeg.substr(0, jpeg.size() - 2);
    for (int i = 0; i < 150; ++i) repeated += jpeg.substr(lastScan, jpeg.size() - 2 - lastScan);
    writeFile(dir.file("scans.jpg"), repeated + "\xff\xd9");
    picture.load(dir.file("scans.jpg"));
    EXPECT_FALSE(picture.isLoaded());
}

TEST(Picture, PlaceAndDrawReturnsTheZoomShownAndDrawsWhereItSays) {
    TempDir dir;
    QImage source(200, 100, QImage::Format_RGB32);
    source.fill(Qt::red);
    Picture picture;
    picture.loadBitmap(source);
    QImage frame(100, 100, QImage::Format_RGB32);
    frame.fill(Qt::black);
    EXPECT_EQ(picture.placeAndDraw({0, 0, 100, 100}, frame, 0, {true, true, false}, Anchor::Centered), 50);
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 50);
    EXPECT_EQ(picture.y, 25);
    EXPECT_EQ(frame.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(frame.pixel(50, 10), qRgb(0, 0, 0));

    EXPECT_EQ(picture.save(dir.file("out.jpg"), Picture::Jpeg, 40, 20), Picture::Ok);
    Picture saved;
    saved.load(dir.file("out.jpg"));
    ASSERT_TRUE(saved.isLoaded());
    EXPECT_EQ(saved.imageWidth(), 40);
    EXPECT_EQ(Picture().save(dir.file("none.bmp"), Picture::Bmp, 4, 4), Picture::NoImage);
    EXPECT_EQ(picture.save(dir.file("no/such/folder.bmp"), Picture::Bmp, 4, 4), Picture::SaveFailed);
}

TEST(Picture, ASixteenBitBitmapReportsSixteenBits) {
    // 2 x 2 pixels, RGB565 bit fields.
    const auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += char((v >> (8 * i)) & 0xff);
        return s;
    };
    std::string bmp = "BM" + le(14 + 40 + 12 + 8, 4) + le(0, 4) + le(14 + 40 + 12, 4);
    bmp += le(40, 4) + le(2, 4) + le(2, 4) + le(1, 2) + le(16, 2) + le(3, 4) + le(8, 4) + le(2835, 4) + le(2835, 4) +
           le(0, 4) + le(0, 4);
    bmp += le(0xf800, 4) + le(0x07e0, 4) + le(0x001f, 4);
    bmp += le(0xf800, 2) + le(0x07e0, 2) + le(0x001f, 2) + le(0xffff, 2);
    TempDir dir;
    writeFile(dir.file("565.bmp"), bmp);
    Picture picture;
    picture.load(dir.file("565.bmp"));
    ASSERT_TRUE(picture.isLoaded());
    EXPECT_EQ(picture.bitsPerPixel(), 16);
}

TEST(Picture, AJpegShownSmallIsDecodedSmallAndInFullWhenDrawnLarger) {
    TempDir dir;
    QImage source(1600, 1200, QImage::Format_RGB32);
    source.fill(qRgb(200, 40, 40));
    for (int x = 0; x < 800; ++x)
        for (int y = 0; y < 1200; ++y) source.setPixel(x, y, qRgb(20, 40, 200));  // left half blue
    const std::string path = dir.file("photo.jpg");
    ASSERT_TRUE(source.save(QString::fromStdString(path), "JPEG", 95));

    Picture picture;
    QSize asked;
    picture.load(path, [&asked](int32_t w, int32_t h) {
        asked = QSize(w, h);
        return QSize(w / 4, h / 4);
    });
    EXPECT_EQ(asked, QSize(1600, 1200));  // from the header
    EXPECT_EQ(picture.decodedSize(), QSize(400, 300));
    EXPECT_EQ(picture.imageWidth(), 1600);
    EXPECT_EQ(picture.bitsPerPixel(), 24);

    // Turned, then drawn larger than decoded: decoded again in full, and still turned.
    picture.rotateFlip(Turn::Right);
    EXPECT_EQ(picture.imageWidth(), 1200);
    QImage canvas(600, 800, QImage::Format_RGB32);
    picture.drawScaled(canvas, 600, 800);
    EXPECT_EQ(picture.decodedSize(), QSize(1200, 1600));
    EXPECT_GT(qBlue(canvas.pixel(300, 100)), 150);  // turned right: the blue left half is on top
    EXPECT_LT(qBlue(canvas.pixel(300, 700)), 100);

    // Other formats shown smaller are kept at the shown size; pictures shown at their own size
    // are decoded whole.
    const std::string png = savedPicture(dir, "flat.png", QImage::Format_RGB32, 400, 300);
    picture.load(png, [](int32_t w, int32_t h) { return QSize(w / 4, h / 4); });
    EXPECT_EQ(picture.decodedSize(), QSize(100, 75));
    EXPECT_EQ(picture.imageWidth(), 400);
    picture.load(path, [](int32_t w, int32_t h) { return QSize(w, h); });
    EXPECT_EQ(picture.decodedSize(), QSize(1600, 1200));
}

namespace {
// Near enough for a lossy encoding.
bool near(QRgb pixel, QRgb wanted) {
    return std::abs(qRed(pixel) - qRed(wanted)) < 48 && std::abs(qGreen(pixel) - qGreen(wanted)) < 48 &&
           std::abs(qBlue(pixel) - qBlue(wanted)) < 48;
}
const std::string formats = VIMBLE_SAMPLES "/formats/";
}  // namespace

TEST(PictureFormats, EveryFormatLoadsAtItsOwnSizeWithItsColoursInPlace) {
    for (const char* name : {"bands.tif", "bands.webp", "bands.avif", "bands.heic", "bands.jxl"}) {
        Picture picture;
        picture.load(formats + name);
        ASSERT_TRUE(picture.isLoaded()) << name;
        EXPECT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(640, 420)) << name;
        EXPECT_GT(picture.bitsPerPixel(), 0) << name;
        QImage drawn(640, 420, QImage::Format_RGB32);
        picture.drawScaled(drawn, 640, 420);
        EXPECT_TRUE(near(drawn.pixel(100, 150), qRgb(0xc0, 0x39, 0x2b))) << name;  // red, green, blue bands
        EXPECT_TRUE(near(drawn.pixel(320, 150), qRgb(0x27, 0xae, 0x60))) << name;
        EXPECT_TRUE(near(drawn.pixel(530, 150), qRgb(0x2c, 0x5a, 0xa0))) << name;
    }
}

TEST(PictureFormats, ADrawingIsRenderedAtTheSizeItIsShownAtNeverScaledUp) {
    Picture picture;
    picture.load(formats + "compass.svg", [](int32_t, int32_t) { return QSize(900, 900); });
    ASSERT_TRUE(picture.isLoaded());
    EXPECT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(300, 300));  // its own size
    EXPECT_EQ(picture.decodedSize(), QSize(900, 900));
    picture.rotateFlip(Turn::Right);
    QImage drawn(1500, 1200, QImage::Format_RGB32);
    picture.drawScaled(drawn, 1500, 1200);  // larger still: rendered again
    EXPECT_EQ(picture.decodedSize(), QSize(1500, 1200));
    // Turned with it: the red needle now lies across.
    EXPECT_TRUE(near(drawn.pixel(1000, 600), qRgb(0xe1, 0x2d, 0x39)));
}

TEST(PictureFormats, APhotoStandsAsItsOrientationTagSaysAlsoWhenDecodedSmaller) {
    for (const char* name : {"phone.jpg", "phone.webp", "phone.tif"}) {
        Picture picture;
        picture.load(formats + name);
        ASSERT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(480, 320)) << name;
        QImage drawn(480, 320, QImage::Format_RGB32);
        picture.drawScaled(drawn, 480, 320);
        EXPECT_TRUE(near(drawn.pixel(10, 100), qRgb(255, 255, 255))) << name;  // the white corner, top left
        EXPECT_FALSE(near(drawn.pixel(470, 100), qRgb(255, 255, 255))) << name;
    }
    Picture picture;
    picture.load(formats + "phone.jpg");
    EXPECT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(480, 320));  // stored 320 x 480
    picture.load(formats + "phone.jpg", [](int32_t w, int32_t h) {
        EXPECT_EQ(QSize(w, h), QSize(480, 320));  // fitted as it stands
        return QSize(240, 160);
    });
    EXPECT_EQ(picture.decodedSize(), QSize(240, 160));
    EXPECT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(480, 320));
    picture.upright = false;
    picture.load(formats + "phone.jpg");
    EXPECT_EQ(QSize(picture.imageWidth(), picture.imageHeight()), QSize(320, 480));
}

TEST(PictureFormats, AnimationsKeepTheirFramesOnlyWhenAsked) {
    for (const char* name : {"ball.gif", "ball.webp"}) {
        Picture picture;
        picture.load(formats + name);
        ASSERT_TRUE(picture.isAnimated()) << name;
        EXPECT_EQ(picture.frameDelay(), 120) << name;
        QImage first(320, 260, QImage::Format_RGB32), later(320, 260, QImage::Format_RGB32);
        picture.drawScaled(first, 320, 260);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(picture.nextFrame()) << name;
        picture.drawScaled(later, 320, 260);
        EXPECT_NE(first, later) << name;
        for (int i = 0; i < 5; ++i) EXPECT_TRUE(picture.nextFrame()) << name;  // round to the first again
        picture.drawScaled(later, 320, 260);
        EXPECT_EQ(first, later) << name;
        picture.animate = false;
        picture.load(formats + name);
        EXPECT_FALSE(picture.isAnimated()) << name;
    }
}
