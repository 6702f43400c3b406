#include "platform/hotkey.h"

#include "platform/virtual_keys.h"
#include "platform/window_host.h"
#include "platform/x11.h"

#include <QSocketNotifier>

HotKey::HotKey(WindowHost& window, int id) : window_(window), id_(id) {
    if (const int socket = x11Socket(); socket >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            if (takeHotKeyPresses()) window_.post(Message{Msg::HotKey, 0, 0, id_});
        });
    }
}

HotKey::~HotKey() {
    if (keysym_) ungrabHotKey(keysym_, modifiers_);
}

bool HotKey::set(uint32_t modifiers, uint32_t virtualKey) {
    const VirtualKey* key = virtualKeyByCode(virtualKey);
    if (!key || !grabHotKey(key->keysym, modifiers)) return false;
    // The earlier combination is given back once the new one is held.
    if (keysym_ && (keysym_ != key->keysym || modifiers_ != modifiers)) ungrabHotKey(keysym_, modifiers_);
    keysym_ = key->keysym;
    modifiers_ = modifiers;
    return true;
}
