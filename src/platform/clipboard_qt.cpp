#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void setClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image.copy()); }

QImage clipboardImage() { return QGuiApplication::clipboard()->image(); }
