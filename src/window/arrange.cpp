#include "app/app_state.h"
#include "platform/window_host.h"

// Until the window wraps itself around the picture, arranging it means painting it anew.
void AppState::arrangeWindow() { mainWindow.invalidate(); }
