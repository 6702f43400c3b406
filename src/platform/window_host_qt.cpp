#include "platform/window_host.h"

#include "platform/key_repeat.h"
#include "platform/modifiers_qt.h"
#include "platform/screen_saver.h"
#include "platform/x11.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cctype>
#include <utility>

// Shows each X event the toolkit receives to a watcher before the toolkit handles it.
class XEventWatch : public QAbstractNativeEventFilter {
public:
    explicit XEventWatch(std::function<void(const void*)> watch) : watch_(std::move(watch)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type == "xcb_generic_event_t") watch_(message);
        return false;
    }

private:
    std::function<void(const void*)> watch_;
};

// The Qt glue: forwards the widget's events as Messages and paints from the screen image.
class HostWidget : public QWidget {
public:
    explicit HostWidget(WindowHost& host) : host_(host) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setMouseTracking(true);
        clock_.start();
        sizeMoveWatch_.setInterval(50);
        QObject::connect(&sizeMoveWatch_, &QTimer::timeout, [this] { watchSizeMove(); });
        awaitGiveUp_.setSingleShot(true);
        awaitGiveUp_.setInterval(300);
        QObject::connect(&awaitGiveUp_, &QTimer::timeout, [this] { sizeArrived(); });
    }

    // The toolkit takes a new size at once, but the X server gives it to the window only once
    // the window manager has agreed: painted before that, a new picture would show clipped to
    // the old window, and the status bar where the old bottom edge was. Painting waits for the
    // size (or, from a window manager that gives another, for a moment).
    void awaitSize(QSize logical) {
        if (QGuiApplication::platformName() != "xcb" || !isVisible() || logical == size()) return;
        awaitedSize_ = QSize(toDevice(logical.width()), toDevice(logical.height()));
        setUpdatesEnabled(false);
        awaitGiveUp_.start();
    }
    void sizeArrived() {
        if (!awaitedSize_.isValid()) return;
        awaitedSize_ = QSize();
        awaitGiveUp_.stop();
        setUpdatesEnabled(true);
        // Painted anew by a request of its own: one made while painting was held (the first map,
        // an expose) may have been put aside, and Qt asks for nothing more for a region it
        // already counts as waiting.
        QMetaObject::invokeMethod(
            this, [this] { repaint(); }, Qt::QueuedConnection);
    }

    qreal ratio() const { return devicePixelRatioF(); }
    int toDevice(qreal logical) const { return int(logical * ratio() + 0.5); }
    int toLogical(int device) const { return int(device / ratio() + 0.5); }
    Rect toDevice(const QRect& r) const {
        return {toDevice(r.left()), toDevice(r.top()), toDevice(r.left() + r.width()), toDevice(r.top() + r.height())};
    }

    QImage screen;
    bool dirty = true;
    bool destroyed = false;
    int cursorCount = 0;
    bool handCursor = false;
    void updateCursor() {
        if (cursorCount < 0) setCursor(Qt::BlankCursor);
        else if (handCursor) setCursor(Qt::ClosedHandCursor);
        else unsetCursor();
    }
    bool framePredicted = false;
    Margins predictedFrame;  // the window manager's frame, asked before the window is mapped
    // What the window manager is asked to keep for the window, mapped or not.
    bool stayOnTop = false;
    bool taskbarEntry = true;
    int handling = 0;             // how many messages are being handled, one inside another
    bool destroyPending = false;  // destroyed once the outermost handler has returned

    // Closes a dialog or menu the program opened while the window is going away: it answers as
    // if cancelled, so the handler that opened it returns.
    static void dismiss(QWidget* window) {
        const QPointer<QWidget> open(window);
        QMetaObject::invokeMethod(
            window,
            [open] {
                if (auto* dialog = qobject_cast<QDialog*>(open.data())) dialog->done(QDialog::Rejected);
                else if (open && open->isVisible()) open->close();
            },
            Qt::QueuedConnection);
    }
    // Every dialog and menu open now, and every one opened until the window is destroyed.
    void dismissNestedWindows() {
        qApp->installEventFilter(this);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != this && window->isVisible() &&
                (qobject_cast<QDialog*>(window) || qobject_cast<QMenu*>(window)))
                dismiss(window);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && (qobject_cast<QDialog*>(window) || qobject_cast<QMenu*>(window))) dismiss(window);
        }
        return false;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (dirty && !destroyed) {
            dirty = false;
            Message paint{Msg::Paint};
            host_.send(paint);
        }
        QPainter painter(this);
        screen.setDevicePixelRatio(ratio());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(event->rect(), screen,
                          QRectF(event->rect().topLeft() * ratio(), event->rect().size() * ratio()));
    }

    // The window manager forgets the state of a window that is unmapped (hidden): it is handed
    // over again each time, before the window is mapped.
    void showEvent(QShowEvent* event) override {
        if (event->spontaneous()) return;
        setUnmappedWindowState(uint32_t(internalWinId()), "_NET_WM_STATE_ABOVE", stayOnTop);
        setUnmappedWindowState(uint32_t(internalWinId()), "_NET_WM_STATE_SKIP_TASKBAR", !taskbarEntry);
    }

    void resizeEvent(QResizeEvent*) override {
        const QSize device(toDevice(width()), toDevice(height()));
        if (device != screen.size()) {
            Message ask{Msg::BackgroundQuery};
            host_.send(ask);
            QImage grown(device, QImage::Format_RGB32);
            grown.fill(ask.hollowBrush ? 0u : (0xff000000u | ask.brush));
            QPainter(&grown).drawImage(0, 0, screen);
            screen = std::move(grown);
            dirty = true;
        }
        Message size{Msg::Size, device.width(), device.height()};
        host_.send(size);
    }

    void moveEvent(QMoveEvent*) override { noticeSizeMove(); }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // the procedure decides; Close destroys the window
        Message close{Msg::Close};
        host_.send(close);
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) {
            const bool wasMinimized = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
            if (isMinimized() != wasMinimized) {
                Message change{isMinimized() ? Msg::Minimize : Msg::Restore};
                host_.send(change);
            }
        } else if (event->type() == QEvent::ActivationChange && !destroyed) {
            // The screen saver waits while the active window swallows its start.
            Message saver{Msg::ScreenSave};
            inhibitScreenSaver(isActiveWindow() && host_.send(saver));
        }
        QWidget::changeEvent(event);
    }

    // Keys are named by what they give without Shift (or the digit they give with it), so
    // Shift+5 is the key 5 with Shift on every layout.
    static int keyCode(const QKeyEvent* e) {
        const uint32_t base = namingKeysym(e->nativeScanCode());
        if ((base >= '0' && base <= '9') || (base >= 'a' && base <= 'z')) return int(std::toupper(int(base)));
        return e->key();
    }

    void keyPressEvent(QKeyEvent* e) override {
        // The toolkit has turned the Menu key into a context menu request already (MenuKey):
        // passed on as a key too, one press would open two menus once both had waited.
        if (e->key() == Qt::Key_Menu) return;
        // The X server repeats a held key as a release and a press at one time; the toolkit
        // tells so only when it finds both waiting, not when the program keeps up with them. A
        // key with no scan code did not come from the X server (its key codes start at 8).
        const bool repeat =
            e->isAutoRepeat() || (e->nativeScanCode() != 0 && e->nativeScanCode() == released_.scanCode &&
                                  e->timestamp() == released_.timestamp);
        if (!repeats_.accept(repeat, e->timestamp(), uint64_t(clock_.elapsed()))) return;
        Message key{Msg::KeyDown, 0, 0, keyCode(e)};
        key.modifiers = modifiersOf(e->modifiers());
        key.repeat = repeat;
        key.text = e->text().toStdString();
        if (!host_.send(key)) QWidget::keyPressEvent(e);
    }

    void keyReleaseEvent(QKeyEvent* e) override {
        released_ = {e->nativeScanCode(), e->timestamp()};
        if (e->isAutoRepeat()) return;
        Message key{Msg::KeyUp, 0, 0, keyCode(e)};
        host_.send(key);
    }

    void mouseMoveEvent(QMouseEvent* e) override { sendMouse(Msg::MouseMove, e); }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        clientButtonDown_ = true;
        sendMouse(Msg::LButtonDown, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        clientButtonDown_ = false;
        sendMouse(Msg::LButtonUp, e);
    }
    void wheelEvent(QWheelEvent* e) override {
        // Toolkit deltas are positive to the left sideways; the program's are positive to the right.
        const int x = toDevice(e->position().x()), y = toDevice(e->position().y());
        if (const int sideways = e->angleDelta().x()) {
            Message wheel{Msg::MouseHWheel, x, y, -sideways};
            wheel.modifiers = modifiersOf(e->modifiers());
            host_.send(wheel);
        }
        if (const int upDown = e->angleDelta().y()) {
            Message wheel{Msg::MouseWheel, x, y, upDown};
            wheel.modifiers = modifiersOf(e->modifiers());
            host_.send(wheel);
        }
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        // The toolkit turns the Menu key into a request at the window's centre; the program
        // places that menu itself.
        Message menu = e->reason() == QContextMenuEvent::Keyboard
                           ? Message{Msg::MenuKey}
                           : Message{Msg::ContextMenu, toDevice(e->globalPos().x()), toDevice(e->globalPos().y())};
        host_.send(menu);
    }

    void dragEnterEvent(QDragEnterEvent* e) override {
        if (!droppedFiles(e->mimeData()).empty()) e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        Message drop{Msg::DropFiles};
        drop.modifiers = modifiersOf(e->modifiers());
        drop.files = droppedFiles(e->mimeData());
        if (drop.files.empty()) return;
        e->acceptProposedAction();
        host_.send(drop);
    }

private:
    static std::vector<std::string> droppedFiles(const QMimeData* data) {
        std::vector<std::string> files;
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
        return files;
    }

    void sendMouse(Msg id, QMouseEvent* e) {
        Message mouse{id, toDevice(e->position().x()), toDevice(e->position().y())};
        mouse.modifiers = modifiersOf(e->modifiers());
        host_.send(mouse);
    }

public:
    // The user moves or sizes the window through the window manager: the first button is held on
    // the frame (or on the window, without the window getting the press, as for Alt+drag), or
    // the window manager asks to be told when a resize of its own has been drawn (a sync
    // request, sent only while the user sizes the window, however quickly). The program's own
    // moves and resizes are none of these. Answers whether a size-move is under way.
    bool noticeSizeMove(bool windowManagerSizing = false) {
        if (sizeMoveWatch_.isActive()) return true;
        if (!isVisible() || destroyed || isFullScreen()) return false;
        if (!windowManagerSizing &&
            (clientButtonDown_ || !pointerButtonHeld() || !frameGeometry().contains(QCursor::pos())))
            return false;
        Message enter{Msg::EnterSizeMove};
        host_.send(enter);
        sizeMoveWatch_.start();
        return true;
    }

private:
    void watchSizeMove() {
        if (pointerButtonHeld()) return;
        sizeMoveWatch_.stop();
        Message exit{Msg::ExitSizeMove};
        host_.send(exit);
    }

    WindowHost& host_;
    QTimer sizeMoveWatch_;
    XEventWatch xEvents_{[this](const void* event) {
        const auto window = uint32_t(internalWinId());
        if (isSyncRequest(event, window)) noticeSizeMove(true);
        else if (awaitedSize_.isValid() && isConfiguredTo(event, window, awaitedSize_.width(), awaitedSize_.height()))
            sizeArrived();
    }};
    QSize awaitedSize_;  // device pixels; invalid when no size is awaited
    QTimer awaitGiveUp_;
    KeyRepeatFilter repeats_;
    struct {
        quint32 scanCode = 0;
        quint64 timestamp = 0;
    } released_;  // the key let go last, and when
    QElapsedTimer clock_;
    bool clientButtonDown_ = false;
};

namespace {
const Qt::WindowFlags dialogFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
const Qt::WindowFlags buttonFlags = Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
}  // namespace

WindowHost::WindowHost(Procedure procedure, const std::string& caption, int clientWidth, int clientHeight)
    : procedure_(std::move(procedure)), widget_(std::make_unique<HostWidget>(*this)) {
    widget_->setWindowFlags(dialogFlags);
    setCaption(caption);
    const qreal ratio = widget_->ratio();
    const QSize logical(int(clientWidth / ratio), int(clientHeight / ratio));
    widget_->resize(logical);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        widget_->move(area.center() - QPoint(logical.width() / 2, logical.height() / 2));
    }
}

WindowHost::~WindowHost() = default;

void WindowHost::handle(const std::function<void()>& handler) {
    ++widget_->handling;
    handler();
    if (--widget_->handling == 0 && widget_->destroyPending) destroyWindow();
}

bool WindowHost::send(Message& message) {
    bool handled = false;
    handle([&] { handled = procedure_(message); });
    return handled;
}

void WindowHost::post(Message message) {
    QMetaObject::invokeMethod(
        widget_.get(), [this, message]() mutable { send(message); }, Qt::QueuedConnection);
}

void WindowHost::show() {
    if (widget_->destroyed || widget_->destroyPending) return;
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->show();
}
void WindowHost::hide() { widget_->hide(); }
void WindowHost::minimize() { widget_->showMinimized(); }
bool WindowHost::isVisible() const { return widget_->isVisible(); }

void WindowHost::destroyWindow() {
    if (widget_->destroyed) return;
    if (widget_->handling > 0) {
        // A handler is still running, perhaps inside a dialog's or a menu's own loop, and goes on
        // using the application when that loop returns: close what is open and destroy after it.
        if (!std::exchange(widget_->destroyPending, true)) widget_->dismissNestedWindows();
        return;
    }
    widget_->destroyPending = false;
    qApp->removeEventFilter(widget_.get());
    Message destroy{Msg::Destroy};
    send(destroy);
    widget_->destroyed = true;
    widget_->hide();
    inhibitScreenSaver(false);
}

bool WindowHost::isDestroyed() const { return widget_->destroyed; }

namespace {
Rect grown(const Rect& r, const Margins& m) {
    return {r.left - m.left, r.top - m.top, r.right + m.right, r.bottom + m.bottom};
}
}  // namespace

Rect WindowHost::frameRect() const { return grown(widget_->toDevice(widget_->geometry()), frameExtents()); }

void WindowHost::setFrameRect(const Rect& frame) {
    const Margins m = frameExtents();
    const int x = widget_->toLogical(frame.left + m.left), y = widget_->toLogical(frame.top + m.top);
    const int w = widget_->toLogical(frame.width() - m.left - m.right);
    const int h = widget_->toLogical(frame.height() - m.top - m.bottom);
    widget_->awaitSize(QSize(std::max(w, 1), std::max(h, 1)));
    widget_->setGeometry(x, y, std::max(w, 1), std::max(h, 1));
}

Rect WindowHost::normalFrameRect() const {
    const QRect normal = widget_->normalGeometry();
    if (normal.isEmpty()) return frameRect();
    return grown(widget_->toDevice(normal), frameExtents());
}

bool WindowHost::isMinimized() const { return widget_->isMinimized(); }
bool WindowHost::isMaximized() const { return widget_->isMaximized(); }

Margins WindowHost::frameExtents() const {
    // Right after the frame is taken away the old extents may still be reported.
    if (widget_->windowFlags() & Qt::FramelessWindowHint) return {};
    if (!widget_->isVisible() && !widget_->framePredicted && QGuiApplication::platformName() == "xcb") {
        // Never mapped: the toolkit knows no frame yet, the window manager can tell.
        widget_->framePredicted = true;
        int32_t e[4] = {};  // left, right, top, bottom
        if (predictFrameExtents(uint32_t(widget_->winId()), e)) widget_->predictedFrame = {e[0], e[2], e[1], e[3]};
    }
    if (widget_->frameGeometry() == widget_->geometry()) return widget_->predictedFrame;
    const QRect outer = widget_->frameGeometry(), inner = widget_->geometry();
    return {widget_->toDevice(inner.left() - outer.left()), widget_->toDevice(inner.top() - outer.top()),
            widget_->toDevice(outer.right() - inner.right()), widget_->toDevice(outer.bottom() - inner.bottom())};
}
int WindowHost::clientWidth() const { return widget_->screen.width(); }
int WindowHost::clientHeight() const { return widget_->screen.height(); }

Rect WindowHost::clientScreenRect() const {
    return widget_->toDevice(QRect(widget_->mapToGlobal(QPoint(0, 0)), widget_->size()));
}

void WindowHost::setTaskbarEntry(bool on) {
    widget_->taskbarEntry = on;
    if (widget_->isVisible()) setWindowState(uint32_t(widget_->internalWinId()), "_NET_WM_STATE_SKIP_TASKBAR", !on);
}

void WindowHost::activate() {
    widget_->raise();
    widget_->activateWindow();
}

void WindowHost::showCursor(bool show) {
    widget_->cursorCount += show ? 1 : -1;
    widget_->updateCursor();
}

void WindowHost::setHandCursor(bool hand) {
    widget_->handCursor = hand;
    widget_->updateCursor();
}

void WindowHost::captureMouse(bool capture) {
    if (capture) widget_->grabMouse();
    else widget_->releaseMouse();
}

bool WindowHost::hasMouseCapture() const { return QWidget::mouseGrabber() == widget_.get(); }

void WindowHost::setCaption(const std::string& caption) { widget_->setWindowTitle(QString::fromStdString(caption)); }
std::string WindowHost::caption() const { return widget_->windowTitle().toStdString(); }

void WindowHost::setIconFromResource(const char* resourcePath) { widget_->setWindowIcon(QIcon(QString(resourcePath))); }
void WindowHost::setAcceptDrops(bool accept) { widget_->setAcceptDrops(accept); }
void WindowHost::setOpacity(int alpha) { widget_->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0); }

namespace {
// Changing window flags unmaps a Qt window; map it again where it was.
void changeFlags(QWidget& widget, Qt::WindowFlags flags) {
    if (flags == widget.windowFlags()) return;
    const bool visible = widget.isVisible();
    widget.setWindowFlags(flags);
    if (visible) widget.show();
}
}  // namespace

void WindowHost::setFrameless(bool frameless) {
    changeFlags(*widget_, frameless ? widget_->windowFlags() | Qt::FramelessWindowHint
                                    : widget_->windowFlags() & ~Qt::FramelessWindowHint);
}

void WindowHost::setFullScreen(bool on) {
    if (widget_->destroyed) return;
    if (on) widget_->showFullScreen();
    else widget_->showNormal();
}

void WindowHost::setStayOnTop(bool on) {
    widget_->stayOnTop = on;
    if (widget_->isVisible()) setWindowState(uint32_t(widget_->internalWinId()), "_NET_WM_STATE_ABOVE", on);
}

void WindowHost::setMask(const Rect* region) {
    if (!region) {
        widget_->clearMask();
        return;
    }
    const qreal ratio = widget_->ratio();
    widget_->setMask(QRect(int(region->left / ratio), int(region->top / ratio), int(region->width() / ratio),
                           int(region->height() / ratio)));
}

void WindowHost::setWindowButtons(bool on) {
    changeFlags(*widget_, on ? widget_->windowFlags() | buttonFlags : widget_->windowFlags() & ~buttonFlags);
}

void WindowHost::invalidate() {
    widget_->dirty = true;
    widget_->update();
}

QImage& WindowHost::screenImage() { return widget_->screen; }

void WindowHost::flush(const Rect& area) {
    const qreal ratio = widget_->ratio();
    widget_->repaint(
        QRectF(area.left / ratio, area.top / ratio, area.width() / ratio, area.height() / ratio).toAlignedRect());
}

void WindowHost::flushAll() { widget_->repaint(); }

WindowTimer::WindowTimer(WindowHost& window, std::function<void()> onTick) : timer_(std::make_unique<QTimer>()) {
    // The pauses of a transition are a millisecond or two: a coarse timer would stretch them.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [&window, onTick = std::move(onTick)] {
        if (window.widget_->destroyed || window.widget_->noticeSizeMove()) return;
        window.handle(onTick);
    });
}

WindowTimer::~WindowTimer() = default;

void WindowTimer::start(int milliseconds) { timer_->start(milliseconds); }

void WindowTimer::stop() { timer_->stop(); }

bool WindowTimer::active() const { return timer_->isActive(); }

unsigned long WindowHost::nativeId() const { return widget_->internalWinId(); }

QWidget* WindowHost::widget() const { return widget_.get(); }

void postQuitMessage(int exitCode) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}
