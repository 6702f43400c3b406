#pragma once
#include "config/settings.h"

#include <cstdint>
#include <memory>

class HotKey;
class InstanceLink;
class WindowHost;

// The show/hide hot key, whose keys are the settings hidemod and hidekey, and the link to the
// other running copies, which may hold it.
class ShowHideKey {
public:
    static constexpr int32_t id = 1351;

    ShowHideKey(Settings& settings, WindowHost& window);
    ~ShowHideKey();
    ShowHideKey(const ShowHideKey&) = delete;
    ShowHideKey& operator=(const ShowHideKey&) = delete;

    // Takes the hot key of the settings; registered says whether it could.
    void grab();
    bool registered() const { return registered_; }
    // Asks every other running copy to quit, then takes the hot key they held.
    void closeOtherInstances();
    // The dialog that picks the hot key; a key that can be taken goes into the settings.
    void choose();

private:
    Settings& settings_;
    WindowHost& window_;
    bool registered_ = false;
    std::unique_ptr<HotKey> grab_;  // the desktop-wide grab, made when the window exists
    std::unique_ptr<InstanceLink> instances_;
};
