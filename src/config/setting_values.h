#pragma once
#include <cstdint>

// The named values of the settings that choose among a few, each numbered as the settings file
// stores it. A stored number outside the names (a hand-edited file) is kept as it is and is read
// as the code around it says.

// The order of the list.
enum class SortOrder : int32_t { Forward = 0, Reverse = 1, Random = 2 };

// Whether the list is shuffled: any number but forward and reverse is.
constexpr bool shuffles(SortOrder sort) { return sort != SortOrder::Forward && sort != SortOrder::Reverse; }

// What the list is ordered by.
enum class SortKey : int32_t { Name = 0, Created = 1, Modified = 2, Accessed = 3 };

// The window's layer.
enum class Layer : int32_t { Normal = 0, Fullscreen = 1, Wallpaper = 2 };

// What the slideshow does at the end of the list.
enum class LoopEnd : int32_t { Loop = 0, Pause = 1, Exit = 2 };

// Where a picture goes in its frame.
enum class Anchor : int32_t { Centered = 0, TopLeft = 1, TopRight = 2, BottomLeft = 3, BottomRight = 4, Roaming = 5 };

// How a picture is scaled.
enum class ZoomQuality : int32_t { Bilinear = 0, Smooth = 2, Best = 7 };

// Where an automatic refresh goes afterwards.
enum class FindLast : int32_t { Nothing = 0, NewestCreated = 1, NewestModified = 2 };

// How a picture without a locked zoom is fitted to its frame: stretch enlarges it to cover the
// frame, squeeze reduces it to fit inside, and shrink (without squeeze) reduces a picture that
// overflows both ways to the smallest size that still covers the frame.
struct Fit {
    bool squeeze = false;
    bool shrink = false;
    bool stretch = false;

    bool any() const { return squeeze || shrink || stretch; }
};
