#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// What the status bar's parts 0 to 4 report about the picture on show.
struct StatusFacts {
    bool notAFile = false;             // a pasted picture
    std::optional<uint64_t> fileSize;  // bytes; none when it could not be read
    int32_t width = 0, height = 0;     // the picture's own size
    int bitsPerPixel = 0;
    bool collage = false;
    int32_t collageSize = 0;
    int32_t zoom = 0;     // percent
    bool fitted = false;  // squeezed into the view and no zoom lock: no scrolling
    int32_t scrollRangeX = 0, scrollRangeY = 0, scrollStep = 100;
    bool positionUnknown = false;  // a pasted picture or an empty list
    uint32_t index = 0, count = 0;
};

// Parts 0 to 4: file size, own size and depth, zoom, collage or scroll pages, position.
std::array<std::string, 5> statusTexts(const StatusFacts& facts);

// Part 5: the seconds left with two decimals, or "!" when the slideshow is off.
std::string countdownText(bool slide, uint32_t remaining);

// The window caption for the picture at path: the title alone when names are off or the list
// is empty; else the path, or with fullName off the file name less its extension, "*" marking
// a shortcut, then " - " and the title, and the displayed size when not shown at 100 percent.
std::string captionText(const std::string& path, bool shortcut, bool title, bool fullName, bool listEmpty, int32_t zoom,
                        bool collage, int32_t width, int32_t height, const std::string& programTitle);
