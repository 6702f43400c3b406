#pragma once
#include <cstdint>

// The hot key is stored as a Windows virtual-key code (settings hidekey) so settings files
// travel between systems; here each code has its X keysym and the name the program shows.
struct VirtualKey {
    uint32_t code;    // virtual-key code
    uint32_t keysym;  // X keysym
    const char* name;
};

// The key for a virtual-key code or a keysym; null when it has none (modifiers alone, Enter).
const VirtualKey* virtualKeyByCode(uint32_t code);
const VirtualKey* virtualKeyBySym(uint32_t keysym);

// Windows hot-key modifier bits (settings hidemod).
enum HotKeyModifiers : uint32_t { HotKeyAlt = 1, HotKeyControl = 2, HotKeyShift = 4, HotKeyWin = 8 };
