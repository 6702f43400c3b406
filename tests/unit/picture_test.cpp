#include "display/picture.h"
#include "pictures.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::string savedPicture(const TempDir& dir, const char* name, QImage::Format format, int w, int h) {
    QImage picture(w, h, format);
    if (format == QImage::Format_Indexed8) picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(0);
    EXPECT_TRUE(picture.save(QString::fromStdString(dir.file(name))));
    return dir.file(name);
}
QSize ownSize(const Picture& picture) { return {picture.imageWidth(), picture.imageHeight()}; }
const std::string formats = VIMBLE_SAMPLES "/formats/";
}  // namespace

TEST(PictureFit, SizesAndPlacesAsTheFitAndTheAnchorSay) {
    EXPECT_EQ(fitPictureSize(801, 601, 100, 100, 50, {true, true, true}), QSize(400, 300));  // zoom truncates
    EXPECT_EQ(fitPictureSize(4000, 1000, 1000, 800, 0, {true, false, false}), QSize(1000, 250));
    EXPECT_EQ(fitPictureSize(1200, 500, 1000, 800, 0, {false, true, false}), QSize(1200, 500));   // not over both ways
    EXPECT_EQ(fitPictureSize(2000, 1000, 1000, 800, 0, {false, true, false}), QSize(1600, 800));  // still covers
    EXPECT_EQ(fitPictureSize(500, 400, 1000, 600, 0, {true, false, true}), QSize(750, 600));      // exactly inside
    EXPECT_EQ(fitPictureSize(1, 5000, 1000, 800, 0, {true, true, false}), QSize(0, 800));  // truncates to nothing
    EXPECT_EQ(largestFittedSize(4000, 6000, 1920, 1080, 0, {true, true, false}, true), QSize(1080, 1620));  // turned
    EXPECT_EQ(largestFittedSize(6000, 4000, 1920, 1080, 50, {true, true, false}, true), QSize(3000, 2000));
    EXPECT_EQ(largestFittedSize(0, 4000, 1920, 1080, 0, {true, true, false}, false), QSize());
    EXPECT_EQ(placeInFrame(Anchor::Centered, 1000, 800, 1200, 500), QPoint(0, 150));  // x -100 clamped
    EXPECT_EQ(placeInFrame(Anchor::BottomRight, 1000, 800, 200, 100), QPoint(800, 700));
    EXPECT_EQ(placeInFrame(Anchor(7), 1000, 800, 200, 100), QPoint(0, 0));  // a number outside the anchors
    const QPoint roamed = placeInFrame(Anchor::Roaming, 1000, 800, 1000, 100);
    EXPECT_EQ(roamed.x(), 0);  // as wide as the frame: no room to roam
    EXPECT_TRUE(roamed.y() >= 0 && roamed.y() < 700);
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
    picture.load(savedPicture(dir, "wide.jpg", QImage::Format_RGB32, 40, 10));
    EXPECT_EQ(picture.bitsPerPixel(), 24);
    picture.rotateFlip(Turn::Left);
    EXPECT_EQ(ownSize(picture), QSize(10, 40));
}

TEST(Picture, PlaceAndDrawReturnsTheZoomShownAndDrawsWhereItSays) {
    QImage source(200, 100, QImage::Format_RGB32);
    source.fill(Qt::red);
    Picture picture;
    picture.loadBitmap(source);
    QImage frame(100, 100, QImage::Format_RGB32);
    frame.fill(Qt::black);
    EXPECT_EQ(picture.placeAndDraw({0, 0, 100, 100}, frame, 0, {true, true, false}, Anchor::Centered), 50);
    EXPECT_EQ(QRect(picture.x, picture.y, picture.width, picture.height), QRect(0, 25, 100, 50));
    EXPECT_EQ(frame.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(frame.pixel(50, 10), qRgb(0, 0, 0));
}

TEST(Picture, AJpegShownSmallIsDecodedSmallOtherFormatsAreKeptAtTheShownSize) {
    TempDir dir;
    ASSERT_TRUE(saveHalves(dir.file("photo.jpg"), 1600, 1200, 95));
    savePicture(dir.file("flat.png"), 400, 300);
    Picture picture;
    QSize asked;
    picture.load(dir.file("photo.jpg"), [&asked](int32_t w, int32_t h) {
        asked = QSize(w, h);
        return QSize(w / 4, h / 4);
    });
    EXPECT_EQ(asked, QSize(1600, 1200));  // from the header
    EXPECT_EQ(picture.decodedSize(), QSize(400, 300));
    EXPECT_EQ(ownSize(picture), QSize(1600, 1200));
    picture.load(dir.file("flat.png"), [](int32_t w, int32_t h) { return QSize(w / 4, h / 4); });
    EXPECT_EQ(picture.decodedSize(), QSize(100, 75));
    EXPECT_EQ(picture.imageWidth(), 400);
    picture.load(dir.file("photo.jpg"), [](int32_t w, int32_t h) { return QSize(w, h); });  // shown whole
    EXPECT_EQ(picture.decodedSize(), QSize(1600, 1200));
}

TEST(PictureFormats, EveryFormatLoadsAtItsOwnSizeWithItsColoursInPlace) {
    for (const char* name : {"bands.tif", "bands.webp", "bands.avif", "bands.heic", "bands.jxl"}) {
        Picture picture;
        picture.load(formats + name);
        ASSERT_EQ(ownSize(picture), QSize(640, 420)) << name;
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
    EXPECT_EQ(ownSize(picture), QSize(300, 300));
    EXPECT_EQ(picture.decodedSize(), QSize(900, 900));
    picture.rotateFlip(Turn::Right);
    QImage drawn(1500, 1200, QImage::Format_RGB32);
    picture.drawScaled(drawn, 1500, 1200);  // larger still: rendered again
    EXPECT_EQ(picture.decodedSize(), QSize(1500, 1200));
    EXPECT_TRUE(near(drawn.pixel(1000, 600), qRgb(0xe1, 0x2d, 0x39)));  // turned with it: the red needle across
}

TEST(PictureFormats, APhotoStandsAsItsOrientationTagSaysAlsoWhenDecodedSmaller) {
    for (const char* name : {"phone.jpg", "phone.webp", "phone.tif"}) {
        Picture picture;
        picture.load(formats + name);
        ASSERT_EQ(ownSize(picture), QSize(480, 320)) << name;  // stored 320 x 480
        QImage drawn(480, 320, QImage::Format_RGB32);
        picture.drawScaled(drawn, 480, 320);
        EXPECT_TRUE(near(drawn.pixel(10, 100), qRgb(255, 255, 255))) << name;  // the white corner, top left
        EXPECT_FALSE(near(drawn.pixel(470, 100), qRgb(255, 255, 255))) << name;
    }
    Picture picture;
    picture.load(formats + "phone.jpg", [](int32_t w, int32_t h) {
        EXPECT_EQ(QSize(w, h), QSize(480, 320));  // fitted as it stands
        return QSize(240, 160);
    });
    EXPECT_EQ(picture.decodedSize(), QSize(240, 160));
    picture.upright = false;
    picture.load(formats + "phone.jpg");
    EXPECT_EQ(ownSize(picture), QSize(320, 480));
}
