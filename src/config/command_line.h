#pragma once
#include "config/settings.h"

#include <string>
#include <string_view>
#include <vector>

// What a switch asks the program to do beyond setting values.
enum class SwitchAction {
    None,
    Center,       // centre the window in the work area now
    Preset,       // restore window preset SwitchEffect::preset (1..5), then stop wrapping
    CenterWall,   // desktop wallpaper style: centred
    TileWall,     // tiled
    StretchWall,  // stretched
    ClearWall,    // clear the desktop wallpaper
};

struct SwitchEffect {
    SwitchAction action = SwitchAction::None;
    int preset = 0;
};

// Applies one switch (any argument starting with "-" other than "-browse"): a named switch,
// matched exactly and case-sensitively, else a numeric one (-tN timer, -bN opacity, -zN zoom,
// -rN rotation). Unknown switches change nothing. Afterwards a fit mode that is on clears the
// locked zoom, and a number outside its setting's range is taken as the range's nearer end.
SwitchEffect applySwitch(Settings& settings, std::string_view text);

// Applies the path argument: trailing blanks removed, made absolute against the current
// folder. A folder (or a path that does not exist) becomes the root folder; a file becomes
// currentPath and its folder the root folder. Answers 0, or the errno of a path that cannot be
// reached (ENOENT for one that does not exist).
int applyPathArgument(Settings& settings, std::string& currentPath, std::string_view argument);

// Every switch in the order --help lists them; meaning is empty for the named switches, whose
// names say what they set.
struct SwitchDescription {
    std::string name;
    std::string meaning;
};
std::vector<SwitchDescription> switchDescriptions();

// The text --help prints: the usage line and every switch.
std::string usageText();
