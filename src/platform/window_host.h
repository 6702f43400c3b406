#pragma once
#include "platform/message.h"
#include "platform/rect.h"

#include <QImage>
#include <functional>
#include <memory>
#include <string>

class HostWidget;
class QTimer;
class QWidget;

// The program's one top-level window. It turns what the window system reports into Messages
// for the window procedure, keeps the screen image the program draws into, and carries out
// what the program asks of the window. Every size and position is in screen pixels.
class WindowHost {
public:
    // Answers true when the message was handled (the routing table's result).
    using Procedure = std::function<bool(Message&)>;

    // An unmapped window with the given caption and client size, centred on the work area.
    WindowHost(Procedure procedure, const std::string& caption, int clientWidth, int clientHeight);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // Hands the message to the procedure now, on the calling (user-interface) thread.
    bool send(Message& message);
    // Runs a handler of something other than a message (a timer's tick) the way messages are
    // handled: a destruction asked for meanwhile waits until it returns.
    void handle(const std::function<void()>& handler);
    // Hands the message to the procedure later from the event loop; callable from any thread.
    void post(Message message);

    // Maps the window in the state it has (fullscreen stays fullscreen), un-minimised.
    void show();
    void hide();
    void minimize();
    bool isVisible() const;
    // Sends Destroy, then takes the window off the screen for good. Asked while a message is
    // being handled, it closes the dialogs and menus that are open (and any opened later) and
    // waits until the outermost handler has returned.
    void destroyWindow();
    bool isDestroyed() const;

    // The frame rectangle (window plus decorations) and moving or sizing by it.
    Rect frameRect() const;
    void setFrameRect(const Rect& frame);
    // The frame rectangle the window has when neither minimised nor maximised.
    Rect normalFrameRect() const;
    bool isMinimized() const;
    bool isMaximized() const;
    // The frame around the client area as the window manager draws it now; zero before the
    // window is first mapped and when it is frameless.
    Margins frameExtents() const;
    int clientWidth() const;
    int clientHeight() const;
    // The client area in screen pixels.
    Rect clientScreenRect() const;

    // Whether the window has a taskbar entry; kept, like stay-on-top, each time it is shown.
    void setTaskbarEntry(bool on);
    // Raises the window and gives it the keyboard.
    void activate();
    // The mouse cursor's display counter over the window: show adds one, hide takes one away;
    // the cursor is blank while the counter is negative.
    void showCursor(bool show);
    // The hand while something is held and dragged, else the arrow.
    void setHandCursor(bool hand);
    // While captured, the window alone gets the mouse, wherever the cursor goes.
    void captureMouse(bool capture);
    bool hasMouseCapture() const;

    void setCaption(const std::string& caption);
    std::string caption() const;
    void setIconFromResource(const char* resourcePath);
    void setAcceptDrops(bool accept);
    // alpha 0..255; has an effect only while a compositing manager runs.
    void setOpacity(int alpha);
    // Without a frame the window has neither caption nor sizing border.
    void setFrameless(bool frameless);
    // Covers the whole screen above the desktop's panels, or returns to the normal window.
    void setFullScreen(bool on);
    // Asks the window manager to keep the window above others, or not.
    void setStayOnTop(bool on);
    // Clips the window to a rectangle in client coordinates (the X Shape extension), or with
    // null shows it whole again.
    void setMask(const Rect* region);
    // System menu and minimise/maximise boxes.
    void setWindowButtons(bool on);

    // Asks for a Paint message before the window is next brought to the screen.
    void invalidate();
    // What the window shows, client-sized, RGB32. Drawing here is seen after flush() or the
    // next paint; an uncovered window is repainted from it without a Paint message.
    QImage& screenImage();
    // Pushes the given client area of the screen image to the screen at once.
    void flush(const Rect& area);
    void flushAll();

    // The X window id, 0 before the window exists on the X server.
    unsigned long nativeId() const;
    // The widget, as the owner of the platform layer's own dialogs and menus.
    QWidget* widget() const;

private:
    friend class HostWidget;
    friend class WindowTimer;
    Procedure procedure_;
    std::unique_ptr<HostWidget> widget_;
};

// A repeating timer owned by whoever arms it. Its ticks run on the window's thread like the
// window's other events: never once the window is destroyed, and not when the user has just
// begun moving or sizing it (the size-move starts first and stops what the tick would change).
class WindowTimer {
public:
    WindowTimer(WindowHost& window, std::function<void()> onTick);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // Starts it, or starts it again from now when it runs.
    void start(int milliseconds);
    // Stopping from its own tick is allowed.
    void stop();
    bool active() const;

private:
    std::unique_ptr<QTimer> timer_;
};

// Ends the event loop with the given exit code once control returns to it.
void postQuitMessage(int exitCode);
