#pragma once
#include <QImage>

// An off-screen drawing surface (RGB32). Its buffer is kept while the size stays the same, so
// composing picture after picture in one window size allocates nothing.
class Canvas {
public:
    // Content is undefined until drawn.
    void resize(int width, int height);
    // Gives the buffer back; the size becomes 0 x 0.
    void release();

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

private:
    QImage image_;
};
