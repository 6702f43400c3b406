#pragma once
#include <QImage>

// The picture scaled to w x h with a bicubic (Catmull-Rom) filter whose reach widens with the
// reduction, so every source pixel counts when reducing and edges stay crisp when enlarging:
// the "Best" quality. Answers a premultiplied ARGB image. part, when given, is the rectangle of
// the w x h result that is wanted: only it is computed and answered, so a view onto a picture
// enlarged many times costs what the view holds.
QImage resampleBicubic(const QImage& source, int w, int h, QRect part = {});
