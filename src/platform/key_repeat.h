#pragma once
#include <cstdint>

// Drops the repeats of a held key that queued up while the program was busy (a transition
// plays for most of a second; a key held for ten seconds would otherwise replay for minutes).
// A repeat is taken when the time since the last key taken is no more than the time between
// the two presses on the keyboard, plus some slack.
class KeyRepeatFilter {
public:
    // eventMs: when the key event happened (the window system's clock); nowMs: when it is
    // handled (a steady clock of our own).
    bool accept(bool autoRepeat, uint64_t eventMs, uint64_t nowMs) {
        if (autoRepeat && taken_ && nowMs - takenAt_ > eventMs - takenEvent_ + slackMs) return false;
        taken_ = true;
        takenEvent_ = eventMs;
        takenAt_ = nowMs;
        return true;
    }

private:
    static constexpr uint64_t slackMs = 100;
    bool taken_ = false;
    uint64_t takenEvent_ = 0;
    uint64_t takenAt_ = 0;
};
