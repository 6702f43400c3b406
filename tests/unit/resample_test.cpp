#include "display/resample.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(Resample, KeepsFlatColoursAndBothEdgesOfASharpBoundary) {
    QImage flat(37, 23, QImage::Format_RGB32);
    flat.fill(qRgb(90, 140, 210));
    for (QSize size : {QSize(10, 7), QSize(111, 50), QSize(1, 1)}) {
        const QImage scaled = resampleBicubic(flat, size.width(), size.height());
        ASSERT_EQ(scaled.size(), size);
        EXPECT_EQ(scaled.pixel(size.width() - 1, size.height() / 2), flat.pixel(0, 0));
    }
    QImage halves(400, 100, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(0, 0, 200, 100, Qt::blue);
    const QImage reduced = resampleBicubic(halves, 100, 25);
    EXPECT_EQ(reduced.pixel(10, 10) & 0xffffff, 0x0000ffu);
    EXPECT_EQ(reduced.pixel(90, 10) & 0xffffff, 0xff0000u);
}

TEST(Resample, ReducingAveragesFineDetailAndEnlargingRisesSmoothly) {
    QImage checks(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage grey = resampleBicubic(checks, 16, 16);
    for (int i = 2; i < 14; ++i) EXPECT_NEAR(qGray(grey.pixel(i, i)), 128, 12) << i;  // no aliasing

    QImage step(2, 1, QImage::Format_RGB32);
    step.setPixel(0, 0, qRgb(0, 0, 0));
    step.setPixel(1, 0, qRgb(255, 255, 255));
    const QImage ramp = resampleBicubic(step, 8, 1);
    EXPECT_EQ(qGray(ramp.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(ramp.pixel(7, 0)), 255);
    for (int x = 1; x < 8; ++x) EXPECT_GE(qGray(ramp.pixel(x, 0)), qGray(ramp.pixel(x - 1, 0)));
}
