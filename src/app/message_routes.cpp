#include "app/message_routes.h"

#include "app/app_globals.h"
#include "app/app_state.h"
#include "app/command_table.h"
#include "platform/window_host.h"

namespace {

using Action = void (*)(Message&);

// Builds an Action that forwards to the application object when it exists.
template <auto handler>
void forward(Message& m) {
    if (AppState* app = appGlobals.app) handler(*app, m);
}

void createApp(Message&) {
    appGlobals.app = new AppState(*appGlobals.mainWindow);
    appGlobals.app->init();
}

void destroyApp(Message&) {
    delete appGlobals.app;
    appGlobals.app = nullptr;
}

void closeWindow(Message&) { appGlobals.mainWindow->destroyWindow(); }

void nothing(Message&) {}

// The character a key press typed, when it typed one.
char typedCharacter(const Message& key) { return key.text.size() == 1 ? key.text[0] : 0; }

// The accelerator table turns a key press into its command before anything else sees it.
void translateAccelerator(Message& m) {
    AppState* app = appGlobals.app;
    const Command command = acceleratorCommand(m.value, m.modifiers, typedCharacter(m));
    if (app && command != Command::None) app->onCommand(command, m.modifiers);
}

// What a message does while a transition or a glide plays: it waits for the end (once when
// one of its kind says all it has to say), or, when the user leaves, hides or closes, it brings
// the end at once and acts; the rest act as they come.
enum class WhilePlaying { Waits, WaitsOnce, Ends, Acts };
using W = WhilePlaying;

struct Route {
    Msg id;
    Action action;
    bool result;
    WhilePlaying whilePlaying;
};

// One row for each message the window receives.
constexpr Route routes[] = {
    {Msg::Created, createApp, true, W::Acts},
    {Msg::Command, forward<[](AppState& a, Message& m) { a.onCommand(Command(m.value), m.modifiers); }>, true,
     W::Waits},
    {Msg::KeyDown, translateAccelerator, true, W::Waits},
    {Msg::KeyUp, forward<[](AppState& a, Message& m) { a.onKeyUp(m.value); }>, true, W::Acts},
    {Msg::ScreenSave, nothing, true, W::Acts},  // swallowed: no screen saver while the window is active
    {Msg::Minimize, forward<[](AppState& a, Message&) { a.slideshow.stop(false); }>, false, W::Ends},
    {Msg::Restore, forward<[](AppState& a, Message&) { a.onRestore(); }>, false, W::Waits},
    {Msg::BackgroundQuery, forward<[](AppState& a, Message& m) {
         const std::optional<uint32_t> brush = a.view.dialogBackgroundBrush();
         m.hollowBrush = !brush;
         m.brush = brush.value_or(0);
     }>,
     true, W::Acts},
    {Msg::ContextMenu, forward<[](AppState& a, Message& m) { a.showContextMenu(m.x, m.y, 0); }>, true, W::Waits},
    {Msg::MenuKey, forward<[](AppState& a, Message&) { a.onCommand(Command::Menu); }>, true, W::Waits},
    {Msg::Paint, forward<[](AppState& a, Message&) { a.view.onPaint(); }>, true, W::WaitsOnce},
    {Msg::AfterPaint, forward<[](AppState& a, Message&) { a.view.afterPaint(); }>, true, W::WaitsOnce},
    {Msg::Size, forward<[](AppState& a, Message& m) { a.onSize(m.x, m.y); }>, true, W::WaitsOnce},
    {Msg::Close, closeWindow, true, W::Ends},
    {Msg::Destroy, destroyApp, true, W::Acts},
    {Msg::EndSession, forward<[](AppState& a, Message& m) {
         if (m.value) a.mainWindow.destroyWindow();
     }>,
     true, W::Ends},
    {Msg::MouseMove, forward<[](AppState& a, Message& m) { a.view.onMouseMove(m.modifiers); }>, true, W::Waits},
    {Msg::LButtonDown, forward<[](AppState& a, Message&) { a.view.onLButtonDown(); }>, true, W::Waits},
    {Msg::LButtonUp, forward<[](AppState& a, Message&) { a.view.onLButtonUp(); }>, true, W::Waits},
    {Msg::MouseWheel, forward<[](AppState& a, Message& m) { a.view.onMouseWheel(m.value, m.modifiers); }>, true,
     W::Waits},
    {Msg::MouseHWheel, forward<[](AppState& a, Message& m) { a.view.onMouseHWheel(m.value); }>, true, W::Waits},
    {Msg::EnterSizeMove, forward<[](AppState& a, Message&) {
         a.slideshow.stop(false);
         a.inSizeMove = true;
     }>,
     true, W::Acts},
    {Msg::ExitSizeMove, forward<[](AppState& a, Message&) {
         a.slideshow.resume();
         a.inSizeMove = false;
     }>,
     true, W::Acts},
    {Msg::DropFiles, forward<[](AppState& a, Message& m) { a.onDropFiles(m.files, (m.modifiers & KeyShift) != 0); }>,
     true, W::Waits},
    {Msg::HotKey, forward<[](AppState& a, Message& m) { a.onHotKey(m.value); }>, true, W::Ends},
    {Msg::TrayNotify, forward<[](AppState& a, Message& m) { a.onTrayNotify(m.value); }>, true, W::Waits},
    {Msg::ReopenMenu, forward<[](AppState& a, Message& m) { a.showContextMenu(m.x, m.y, m.value); }>, true, W::Waits},
    {Msg::ScanProgress, forward<[](AppState& a, Message&) { a.catalog.onScanProgress(); }>, true, W::WaitsOnce},
    {Msg::FolderChanged, forward<[](AppState& a, Message&) { a.catalog.onFolderChanged(); }>, true, W::WaitsOnce},
    {Msg::RefreshStatus, forward<[](AppState& a, Message&) { a.updateStatusBar(); }>, true, W::WaitsOnce},
    {Msg::QuitRequest, forward<[](AppState& a, Message&) { a.mainWindow.destroyWindow(); }>, true, W::Ends},
};

}  // namespace

bool routeMessage(Message& message) {
    for (const Route& route : routes) {
        if (route.id != message.id) continue;
        AppState* app = appGlobals.app;
        // A key held down goes on once the picture it asked for is on show: its repeats would
        // otherwise pass over the pictures still being decoded, unseen.
        const bool heldKey = message.repeat && app && app->showing();
        if (heldKey || (app && app->view.playing())) {
            // Esc leaves the program: it waits for nothing.
            const bool leaving =
                message.id == Msg::KeyDown &&
                acceleratorCommand(message.value, message.modifiers, typedCharacter(message)) == Command::Exit;
            const bool waits = heldKey || route.whilePlaying == W::Waits || route.whilePlaying == W::WaitsOnce;
            if (waits && !leaving) {
                app->hold(message, route.whilePlaying == W::WaitsOnce);
                return route.result;
            }
            if (app->view.playing() && (route.whilePlaying == W::Ends || leaving)) app->finishPlaying();
        }
        route.action(message);
        return route.result;
    }
    return false;
}
