#pragma once
#include <string>

class WindowHost;
class QSystemTrayIcon;

// The program's icon in the desktop's notification area. Clicks on it reach the window as
// TrayNotify messages (TrayLeftClick, TrayRightClick).
class TrayIcon {
public:
    TrayIcon(WindowHost& window, const char* iconResource, const std::string& tip);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void setTip(const std::string& tip);
    std::string tip() const;
    // Whether the desktop has a notification area to show it in.
    static bool available();

private:
    QSystemTrayIcon* icon_;
};
