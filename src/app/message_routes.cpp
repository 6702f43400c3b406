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

// The accelerator table turns a key press into its command before anything else sees it.
void translateAccelerator(Message& m) {
    AppState* app = appGlobals.app;
    const char typed = m.text.size() == 1 ? m.text[0] : 0;
    const Command command = acceleratorCommand(m.value, m.x, typed);
    if (app && command != Command::None) app->onCommand(command);
}

struct Route {
    Msg id;
    Action action;
    bool result;
};

// One row for each message the window receives.
constexpr Route routes[] = {
    {Msg::Created, createApp, true},
    {Msg::Command, forward<[](AppState& a, Message& m) { a.onCommand(Command(m.value)); }>, true},
    {Msg::KeyDown, translateAccelerator, true},
    {Msg::ScreenSave, nothing, true},  // swallowed: no screen saver while the window is active
    {Msg::Minimize, forward<[](AppState& a, Message&) { a.slideshow.stop(false); }>, false},
    {Msg::Restore, forward<[](AppState& a, Message&) { a.onRestore(); }>, false},
    {Msg::Timer, forward<[](AppState& a, Message& m) { a.onTimer(m.value); }>, true},
    {Msg::BackgroundQuery,
     forward<[](AppState& a, Message& m) { m.hollowBrush = !a.view.dialogBackgroundBrush(m.brush); }>, true},
    {Msg::ContextMenu, forward<[](AppState& a, Message& m) { a.showContextMenu(m.x, m.y, 0); }>, true},
    {Msg::MenuKey, forward<[](AppState& a, Message&) { a.onCommand(Command::Menu); }>, true},
    {Msg::Paint, forward<[](AppState& a, Message&) { a.view.onPaint(); }>, true},
    {Msg::AfterPaint, forward<[](AppState& a, Message&) { a.view.afterPaint(); }>, true},
    {Msg::Size, forward<[](AppState& a, Message& m) { a.onSize(m.x, m.y); }>, true},
    {Msg::Close, closeWindow, true},
    {Msg::Destroy, destroyApp, true},
    {Msg::EndSession, forward<[](AppState& a, Message& m) {
         if (m.value) a.mainWindow.destroyWindow();
     }>,
     true},
    {Msg::MouseMove, forward<[](AppState& a, Message& m) { a.view.onMouseMove(m.x, m.y, m.value); }>, true},
    {Msg::LButtonDown, forward<[](AppState& a, Message& m) { a.view.onLButtonDown(m.x, m.y, m.value); }>, true},
    {Msg::LButtonUp, forward<[](AppState& a, Message& m) { a.view.onLButtonUp(m.x, m.y, m.value); }>, true},
    {Msg::MouseWheel, forward<[](AppState& a, Message& m) { a.view.onMouseWheel(m.value); }>, true},
    {Msg::MouseHWheel, forward<[](AppState& a, Message& m) { a.view.onMouseHWheel(m.value); }>, true},
    {Msg::EnterSizeMove, forward<[](AppState& a, Message&) {
         a.slideshow.stop(false);
         a.inSizeMove = true;
     }>,
     true},
    {Msg::ExitSizeMove, forward<[](AppState& a, Message&) {
         a.slideshow.resume();
         a.inSizeMove = false;
     }>,
     true},
    {Msg::DropFiles, forward<[](AppState& a, Message& m) { a.onDropFiles(m.files); }>, true},
    {Msg::HotKey, forward<[](AppState& a, Message& m) { a.onHotKey(m.value); }>, true},
    {Msg::TrayNotify, forward<[](AppState& a, Message& m) { a.onTrayNotify(m.value); }>, true},
    {Msg::ReopenMenu, forward<[](AppState& a, Message& m) { a.showContextMenu(m.x, m.y, m.value); }>, true},
    {Msg::ScanProgress, forward<[](AppState& a, Message&) { a.catalog.onScanProgress(); }>, true},
    {Msg::FolderChanged, forward<[](AppState& a, Message&) { a.catalog.onFolderChanged(); }>, true},
    {Msg::RefreshStatus, forward<[](AppState& a, Message&) { a.updateStatusBar(); }>, true},
    {Msg::QuitRequest, forward<[](AppState& a, Message&) { a.mainWindow.destroyWindow(); }>, true},
};

}  // namespace

bool routeMessage(Message& message) {
    for (const Route& route : routes) {
        if (route.id != message.id) continue;
        route.action(message);
        return route.result;
    }
    return false;
}
