// The picture on show to and from the clipboard.
#include "platform/clipboard.h"
#include "app/app_state.h"

void AppState::copyView() { setClipboardImage(view.visiblePart()); }

void AppState::paste() {
    settings.slide = false;
    slideshow.restart();
    if (const QImage pasted = clipboardImage(); !pasted.isNull()) {
        stopShowing();  // the picture still being decoded would replace it
        view.picture().loadBitmap(pasted);
    }
    if (view.picture().isLoaded()) {
        catalog.setCurrentPath(FileCommands::clipboardName);
        view.startPastedPicture();
    }
    arrangeWindow();
}
