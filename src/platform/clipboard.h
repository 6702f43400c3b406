#pragma once
#include <QImage>

// The desktop's clipboard, for pictures. The clipboard gets its own copy of what is set.
void setClipboardImage(const QImage& image);
// The picture on the clipboard, null when it holds none.
QImage clipboardImage();
