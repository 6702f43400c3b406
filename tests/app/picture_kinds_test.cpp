// Phone photos stand upright and animations play in place.
#include "app_fixture.h"

#include <QBuffer>

namespace {

// An upright 80 x 40 picture of four coloured quarters.
constexpr QRgb quarters[2][2] = {{0xff0000, 0x00ff00}, {0x0000ff, 0xffffff}};  // [row][column]

// The upright picture as a camera stores it for each orientation tag (1..8): which upright
// pixel each stored pixel holds.
QImage storedFor(int orientation) {
    constexpr int W = 80, H = 40;
    const bool across = orientation >= 5;
    QImage stored(across ? H : W, across ? W : H, QImage::Format_RGB32);
    for (int sy = 0; sy < stored.height(); ++sy)
        for (int sx = 0; sx < stored.width(); ++sx) {
            int ux = sx, uy = sy;
            switch (orientation) {
            case 2: ux = W - 1 - sx; break;
            case 3: ux = W - 1 - sx, uy = H - 1 - sy; break;
            case 4: uy = H - 1 - sy; break;
            case 5: ux = sy, uy = sx; break;
            case 6: ux = W - 1 - sy, uy = sx; break;
            case 7: ux = W - 1 - sy, uy = H - 1 - sx; break;
            case 8: ux = sy, uy = H - 1 - sx; break;
            }
            stored.setPixel(sx, sy, quarters[uy * 2 / H][ux * 2 / W]);
        }
    return stored;
}

// A JPEG of the stored picture with an Exif segment holding only the orientation tag.
void saveWithOrientation(const std::string& path, int orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    storedFor(orientation).save(&buffer, "jpeg", 100);
    const char exif[] =
        "\xff\xe1\x00\x22"
        "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0";
    QByteArray segment(exif, sizeof exif - 1);
    segment += char(orientation);
    segment += QByteArray(7, '\0');  // the value's padding and the end of the directory
    writeFile(path, (jpeg.left(2) + segment + jpeg.mid(2)).toStdString());
}

}  // namespace

using PictureKinds = AppFixture;

TEST_F(PictureKinds, EveryOrientationOfAPhoneJpegIsShownUpright) {
    for (int orientation = 1; orientation <= 8; ++orientation)
        saveWithOrientation(home.file("o" + std::to_string(orientation) + ".jpg"), orientation);
    appGlobals.arguments = {"vimble", "-nowrap", "-notransitions", "-noslide", "-z100", home.file("o1.jpg")};
    AppState& app = startApp();
    for (int orientation = 1; orientation <= 8; ++orientation) {
        ASSERT_EQ(app.catalog.currentPath(), home.file("o" + std::to_string(orientation) + ".jpg"));
        window->flushAll();
        const QImage& screen = window->screenImage();
        EXPECT_EQ(QSize(app.view.picture().imageWidth(), app.view.picture().imageHeight()), QSize(80, 40))
            << orientation;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column)
                EXPECT_TRUE(
                    near(screen.pixel(app.view.picture().x + 20 + 40 * column, app.view.picture().y + 10 + 20 * row),
                         quarters[row][column]))
                    << "orientation " << orientation << ", quarter " << row << column;
        command(Command::Next);
    }

    // Auto Rotate off: the picture on show is shown again as stored.
    showIndex(app, 5);
    EXPECT_EQ(app.catalog.currentPath(), home.file("o6.jpg"));
    command(Command::AutoRotate);
    EXPECT_FALSE(app.settings.autorotate);
    EXPECT_EQ(QSize(app.view.picture().imageWidth(), app.view.picture().imageHeight()), QSize(40, 80));
}

TEST_F(PictureKinds, AnAnimationPlaysInPlace) {
    std::filesystem::copy_file(VIMBLE_SAMPLES "/formats/ball.webp", home.file("ball.webp"));
    appGlobals.arguments = {"vimble", "-nowrap", "-notransitions", "-noslide", "-z200", home.file("ball.webp")};
    AppState& app = startApp();
    ASSERT_TRUE(app.view.picture().isAnimated());
    window->flushAll();
    EXPECT_EQ(app.view.picture().width, 640);  // at the zoom shown
    const QImage first = window->screenImage().copy();
    EXPECT_TRUE(waitUntil(
        [&] {
            window->flushAll();
            return window->screenImage() != first;
        },
        3000));
    EXPECT_EQ(app.view.picture().width, 640);
}
