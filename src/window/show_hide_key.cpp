// The show/hide hot key and taking over from other running copies.
#include "window/show_hide_key.h"

#include "platform/dialogs.h"
#include "platform/hotkey.h"
#include "platform/instances.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

#include <chrono>
#include <thread>

ShowHideKey::ShowHideKey(Settings& settings, WindowHost& window)
    : settings_(settings), window_(window), instances_(std::make_unique<InstanceLink>(window)) {}

ShowHideKey::~ShowHideKey() = default;

void ShowHideKey::grab() {
    if (!grab_) grab_ = std::make_unique<HotKey>(window_, id);
    registered_ = grab_->set(uint32_t(settings_.hidemod), uint32_t(settings_.hidekey));
}

void ShowHideKey::closeOtherInstances() {
    instances_->closeOthers();
    // The copy that held the hot key gives it back as it ends: a second in all to take it over.
    for (int attempt = 0; attempt < 10 && !registered_; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        grab();
    }
}

void ShowHideKey::choose() {
    hotKeyDialog(window_, dialogTemplate(410), uint32_t(settings_.hidemod), uint32_t(settings_.hidekey),
                 [this](uint32_t modifiers, uint32_t key) {
                     if (!grab_->set(modifiers, key)) return false;
                     settings_.hidemod = int32_t(modifiers);
                     settings_.hidekey = int32_t(key);
                     registered_ = true;
                     return true;
                 });
}
