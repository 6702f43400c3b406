// The show/hide hot key and taking over from other running copies.
#include "app/app_state.h"
#include "platform/dialogs.h"
#include "platform/hotkey.h"
#include "platform/instances.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

#include <chrono>
#include <thread>

HotkeyRecord::HotkeyRecord() = default;
HotkeyRecord::~HotkeyRecord() = default;

void AppState::registerHotKey() {
    if (!hotkey.grab) hotkey.grab = std::make_unique<HotKey>(mainWindow, hotkey.id);
    hotkey.registered = hotkey.grab->set(uint32_t(settings.hidemod), uint32_t(settings.hidekey));
}

void AppState::onHotKey(int hotKeyId) {
    if (hotKeyId == hotkey.id) toggleVisible();
}

void AppState::closeOtherInstances() {
    instances->closeOthers();
    // The copy that held the hot key gives it back as it ends: a second in all to take it over.
    for (int attempt = 0; attempt < 10 && !hotkey.registered; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        registerHotKey();
    }
}

void AppState::hotKeyCommand() {
    runModal([this] {
        hotKeyDialog(mainWindow, dialogTemplate(410), uint32_t(settings.hidemod), uint32_t(settings.hidekey),
                     [this](uint32_t modifiers, uint32_t key) {
                         if (!hotkey.grab->set(modifiers, key)) return false;
                         settings.hidemod = int32_t(modifiers);
                         settings.hidekey = int32_t(key);
                         hotkey.registered = true;
                         return true;
                     });
    });
}
