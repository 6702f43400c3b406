#include "window/status_texts.h"

#include <cstdio>

namespace {
template <typename... Values>
std::string format(const char* pattern, Values... values) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

int32_t pages(int32_t range, int32_t step) { return range > 0 ? range / step + 1 : 0; }
}  // namespace

std::array<std::string, 5> statusTexts(const StatusFacts& f) {
    std::array<std::string, 5> parts;
    if (f.notAFile) parts[0] = "\tNot a file";
    else if (f.fileSize) parts[0] = format("\t%2.2f KB", double(*f.fileSize) / 1024);
    else parts[0] = "\t! KB";
    parts[1] = format("\t%dx%dx%d", f.width, f.height, f.bitsPerPixel);
    if (f.collage) {
        parts[2] = format("\t%d%%", f.width > 0 ? f.collageSize * 100 / f.width : 0);
        parts[3] = "\tCollage";
    } else {
        parts[2] = format("\t%d%%", f.zoom);
        if (!f.fitted && f.scrollStep > 0)
            parts[3] = format("\t H:%d V:%d", pages(f.scrollRangeX, f.scrollStep), pages(f.scrollRangeY, f.scrollStep));
    }
    parts[4] = f.positionUnknown ? format("\t?/%u", f.count) : format("\t%u/%u", f.index + 1, f.count);
    return parts;
}

std::string countdownText(bool slide, uint32_t remaining) {
    return slide ? format("\t%.2f", remaining / 1000.0) : std::string("\t!");
}

std::string captionText(const std::string& path, bool shortcut, bool title, bool fullName, bool listEmpty, int32_t zoom,
                        bool collage, int32_t width, int32_t height, const std::string& programTitle) {
    if (!title || listEmpty) return programTitle;
    std::string name = shortcut ? "*" + path : path;
    if (!fullName) {
        const size_t slash = name.rfind('/');
        if (shortcut) {
            if (slash != std::string::npos) name = "*" + name.substr(slash + 1);
        } else if (slash != std::string::npos) {
            name = name.substr(slash + 1);
        }
        if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    }
    name += " - " + programTitle;
    if (zoom != 100 && !collage) name += format(" (Zoom: %d x %d)", width, height);
    return name;
}
