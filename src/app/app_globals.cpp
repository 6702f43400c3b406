#include "app/app_globals.h"

#include <cstdio>
#include <cstdlib>
#include <new>

AppGlobals appGlobals;

void outOfMemory() {
    // The box itself needs memory: give up the handler first so a second failure cannot loop.
    std::set_new_handler(nullptr);
    std::fputs("Out Of Memory\n", stderr);
    try {
        showMessage(appGlobals.mainWindow, "Out Of Memory", MessageIcon::Information);
    } catch (...) {
    }
    std::_Exit(1);
}
