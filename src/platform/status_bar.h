#pragma once
#include <span>
#include <string>

class WindowHost;
class StatusBarWidget;

// A status bar along the bottom of the main window's client area: parts that end at fixed
// right edges (pixels from the bar's left at an unscaled screen and a small font; they grow with
// the font and the screen's scale), and a sizing grip at the right end. A text's
// leading tabs align it: none left, one centred, two right.
class StatusBar {
public:
    StatusBar(WindowHost& window, std::span<const int> rightEdges);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    // In screen pixels.
    int height() const;
    void setText(int part, const std::string& text, bool borderless = false);
    std::string text(int part) const;

private:
    StatusBarWidget* widget_;  // a child of the window, which outlives the bar
};
