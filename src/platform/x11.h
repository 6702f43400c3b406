#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What keeps the program from reaching the X server named by DISPLAY ("no X display (DISPLAY
// is not set)", "could not connect to display :7"); empty when a connection succeeds, which
// then serves the questions below.
std::string displayProblem();

// Questions for the X server. Without an X connection (offscreen, Wayland without XWayland)
// each answers as if the feature were absent.

// True when a compositing manager owns _NET_WM_CM_S0: only then can a window be blended.
bool compositorRunning();

// The first top-level window with this WM_CLASS class name and this title; 0 when none.
uint32_t findTopLevelWindow(const std::string& className, const std::string& title);

// True while the first pointer button is held (the window manager is moving or sizing).
bool pointerButtonHeld();

// Keeps the X server's own screen saver from starting while suspended.
void suspendXScreenSaver(bool suspend);

// The keysym that names a key: what it gives without Shift, or the letter or digit it gives
// with Shift when it gives none without (the digit row of a French keyboard), so that every
// layout reaches the keys a US layout names. Letters come in lower case; 0 when unknown.
uint32_t namingKeysym(uint32_t keycode);

// Asks the window manager to set or clear one _NET_WM_STATE of a mapped top-level window
// ("_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_ABOVE").
void setWindowState(uint32_t window, const char* state, bool on);

// The same for a window not mapped yet, to take effect when it is mapped.
void setUnmappedWindowState(uint32_t window, const char* state, bool on);

// Whether an X event (as the toolkit hands it over) is the window manager's sync request to the
// window: the window manager sends one before each step of a resize the user makes.
bool isSyncRequest(const void* event, uint32_t window);

// Whether an X event (as the toolkit hands it over) tells that the window now has this size in
// pixels: the X server has carried out a resize.
bool isConfiguredTo(const void* event, uint32_t window, int width, int height);

// The frame (left, right, top, bottom) the window manager will draw around a window not yet
// mapped, asked of it by _NET_REQUEST_FRAME_EXTENTS; false without a window manager or answer.
bool predictFrameExtents(uint32_t window, int32_t extents[4]);

// Grabs the key (a keysym) with the hot-key modifier bits (1 Alt, 2 Control, 4 Shift, 8 Win)
// on the whole screen, with and without Num Lock and Caps Lock; false when another program
// holds it.
bool grabHotKey(uint32_t keysym, uint32_t modifiers);
void ungrabHotKey(uint32_t keysym, uint32_t modifiers);
// The socket our own X connection reads from (events of the grab arrive there); -1 without X.
int x11Socket();
// Takes the events that came on our connection; true when a grabbed key was pressed.
bool takeHotKeyPresses();
// The keysyms (without Shift) of the keys held down now.
std::vector<uint32_t> keysHeld();

// Hands a block of bytes to another program's window: the X counterpart of a copy-data message,
// a property named after the data number, which the receiver reads.
void sendCopyData(uint32_t window, int dataNumber, const char* bytes, size_t length);
