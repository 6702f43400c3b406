#pragma once
#include <QImage>

// The picture scaled to w x h with a bicubic (Catmull-Rom) filter whose reach widens with the
// reduction, so every source pixel counts when reducing and edges stay crisp when enlarging:
// the "Best" quality. Answers a premultiplied ARGB image.
QImage resampleBicubic(const QImage& source, int w, int h);
