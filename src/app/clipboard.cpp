// The picture on show to and from the clipboard.
#include "platform/clipboard.h"
#include "app/app_state.h"

#include <algorithm>

void AppState::copyView() {
    const Rect view = viewRect();
    if (settings.collage || !picture.isLoaded()) {
        setClipboardImage(viewCanvas.image().copy(0, 0, view.width(), view.height()));
        return;
    }
    int32_t w = view.width(), h = view.height();
    if (picture.width < w) w = picture.width, scrollX = 0;
    if (picture.height < h) h = picture.height, scrollY = 0;
    QImage part(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    part.fill(settings.whitebg ? Qt::white : Qt::black);
    picture.drawScaled(part, picture.width, picture.height, -scrollX, -scrollY);
    setClipboardImage(part);
}

QImage AppState::shownPicture() {
    if (settings.collage || !picture.isLoaded()) return viewCanvas.image();
    const QSize size = boundedCopySize({picture.width, picture.height}, {picture.imageWidth(), picture.imageHeight()},
                                       {screenRect.width(), screenRect.height()});
    QImage shown(size, QImage::Format_RGB32);
    shown.fill(Qt::black);
    picture.drawScaled(shown, size.width(), size.height());
    return shown;
}

void AppState::paste() {
    settings.slide = false;
    slideshow.restart();
    if (const QImage pasted = clipboardImage(); !pasted.isNull()) picture.loadBitmap(pasted);
    if (picture.isLoaded()) {
        catalog.setCurrentPath(FileCommands::clipboardName);
        scrolled = false;
        scrollX = scrollY = 0;
        currentZoom = 100;
        zoomLocked = true;
        currentRotation = 0;
    }
    arrangeWindow();
}
