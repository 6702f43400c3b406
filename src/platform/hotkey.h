#pragma once
#include <cstdint>
#include <memory>

class QSocketNotifier;
class WindowHost;

// The desktop-wide show/hide key: while set, pressing it anywhere sends the window HotKey with
// the id.
class HotKey {
public:
    HotKey(WindowHost& window, int id);
    ~HotKey();
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

    // Takes the combination (hot-key modifier bits, a virtual-key code) in place of the one
    // held; false, keeping the old one, when another program holds it or the key is unknown.
    bool set(uint32_t modifiers, uint32_t virtualKey);

private:
    WindowHost& window_;
    int id_;
    uint32_t modifiers_ = 0, keysym_ = 0;  // keysym 0: none held
    std::unique_ptr<QSocketNotifier> notifier_;
};
