#pragma once

// Keeps the screen saver from starting while on: through the desktop's
// org.freedesktop.ScreenSaver service where a session bus has one, else the X server's own.
void inhibitScreenSaver(bool on);
