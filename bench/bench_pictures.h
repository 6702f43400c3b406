#pragma once
#include <QImage>
#include <string>

// A photo-like picture: smooth gradients with fine noise, which JPEG cannot squeeze away.
QImage photo(int w, int h);

// Such pictures as files in the temporary folder, made once and kept for later runs: a
// 24-megapixel JPEG and a 4K PNG.
const std::string& jpeg24();
const std::string& png4k();
// A progressive 64-megapixel JPEG whose first scan comes 90 times over: each is a pass over the
// whole picture, so it takes seconds to decode even at an eighth of its size.
const std::string& slowJpeg();
