// Operations whose behaviour arrives with the part of the program that owns them. Each one
// moves to its own file when that part is built; until then it does nothing.
#include "app/app_state.h"

void AppState::updateWallpaper() {}
void AppState::setWallpaperStyle(int32_t) {}
void AppState::reapplyDesktopWallpaper() {}
void AppState::clearWallpaper() {}
