#include "platform/x11.h"

#include <QGuiApplication>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

Connection& ownConnection() {
    static Connection own(nullptr, &xcb_disconnect);
    return own;
}

// A connection of our own to the X server the toolkit uses: our questions and their replies
// never pass through the toolkit's event queue. The display check opens it before the toolkit
// starts; otherwise it is opened on first use.
xcb_connection_t* connection() {
    static const bool opened = [] {
        Connection& own = ownConnection();
        if (!own && qGuiApp && qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            own.reset(xcb_connect(nullptr, nullptr));
            if (xcb_connection_has_error(own.get())) own.reset();
        }
        return true;
    }();
    (void)opened;
    return ownConnection().get();
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    if (!it.rem) return XCB_WINDOW_NONE;
    return it.data->root;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto r = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string stringProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr));
    if (!r) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       size_t(xcb_get_property_value_length(r.get())));
}

}  // namespace

std::string displayProblem() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return "no X display (DISPLAY is not set)";
    // Kept as our own connection: a server that turns away connections made right after
    // others closed is not asked twice.
    Connection tried(xcb_connect(display, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(tried.get())) return std::string("could not connect to display ") + display;
    ownConnection() = std::move(tried);
    return {};
}

bool compositorRunning() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    xcb_atom_t selection = atom(c, "_NET_WM_CM_S0");
    if (selection == XCB_ATOM_NONE) return false;
    auto r = reply(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
    return r && r->owner != XCB_WINDOW_NONE;
}

uint32_t findTopLevelWindow(const std::string& className, const std::string& title) {
    xcb_connection_t* c = connection();
    if (!c) return 0;
    auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, rootWindow(c)), nullptr));
    if (!tree) return 0;
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        // WM_CLASS holds "instance\0class\0".
        std::string wmClass = stringProperty(c, children[i], XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        size_t split = wmClass.find('\0');
        if (split == std::string::npos) continue;
        std::string cls = wmClass.substr(split + 1);
        if (!cls.empty() && cls.back() == '\0') cls.pop_back();
        if (cls != className) continue;
        std::string name = stringProperty(c, children[i], netName, utf8);
        if (name.empty()) name = stringProperty(c, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        if (name == title) return children[i];
    }
    return 0;
}

bool pointerButtonHeld() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    auto r = reply(xcb_query_pointer_reply(c, xcb_query_pointer(c, rootWindow(c)), nullptr));
    return r && (r->mask & XCB_BUTTON_MASK_1);
}

void suspendXScreenSaver(bool suspend) {
    xcb_connection_t* c = connection();
    if (!c) return;
    xcb_screensaver_suspend(c, suspend ? 1 : 0);
    xcb_flush(c);
}

namespace {
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)>;

// The keyboard map as it is now (the user may switch layouts while the program runs), asked on
// the toolkit's connection: a round trip on our own would take a hot-key press off the socket
// into the queue, where no socket notice tells of it.
KeySymbols keySymbols() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    return {c ? xcb_key_symbols_alloc(c) : nullptr, &xcb_key_symbols_free};
}

bool isLetterOrDigit(uint32_t keysym) {
    return (keysym >= '0' && keysym <= '9') || (keysym >= 'a' && keysym <= 'z') || (keysym >= 'A' && keysym <= 'Z');
}

// Hot-key modifier bits as X modifier masks: Alt is Mod1, the Windows key Mod4.
uint16_t xModifiers(uint32_t bits) {
    return uint16_t(((bits & 1) ? XCB_MOD_MASK_1 : 0) | ((bits & 2) ? XCB_MOD_MASK_CONTROL : 0) |
                    ((bits & 4) ? XCB_MOD_MASK_SHIFT : 0) | ((bits & 8) ? XCB_MOD_MASK_4 : 0));
}

// Num Lock (Mod2) and Caps Lock must not stop the hot key: each combination is grabbed.
constexpr uint16_t lockVariants[] = {0, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};

std::vector<xcb_keycode_t> keycodesOf(uint32_t keysym) {
    std::vector<xcb_keycode_t> codes;
    if (const KeySymbols symbols = keySymbols()) {
        xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols.get(), keysym);
        for (xcb_keycode_t* k = found; k && *k; ++k) codes.push_back(*k);
        std::free(found);
    }
    return codes;
}
}  // namespace

uint32_t namingKeysym(uint32_t keycode) {
    const KeySymbols symbols = keySymbols();
    if (!symbols || keycode > 255) return 0;
    const uint32_t plain = xcb_key_symbols_get_keysym(symbols.get(), xcb_keycode_t(keycode), 0);
    if (isLetterOrDigit(plain)) return plain;
    const uint32_t shifted = xcb_key_symbols_get_keysym(symbols.get(), xcb_keycode_t(keycode), 1);
    return isLetterOrDigit(shifted) ? uint32_t(std::tolower(int(shifted))) : plain;
}

bool grabHotKey(uint32_t keysym, uint32_t modifiers) {
    xcb_connection_t* c = connection();
    if (!c) return false;
    const std::vector<xcb_keycode_t> codes = keycodesOf(keysym);
    if (codes.empty()) return false;
    bool ok = true;
    for (uint16_t lock : lockVariants) {
        auto cookie = xcb_grab_key_checked(c, 1, rootWindow(c), uint16_t(xModifiers(modifiers) | lock), codes.front(),
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {  // another program holds it
            std::free(error);
            ok = false;
        }
    }
    if (!ok) ungrabHotKey(keysym, modifiers);
    return ok;
}

void ungrabHotKey(uint32_t keysym, uint32_t modifiers) {
    xcb_connection_t* c = connection();
    if (!c) return;
    for (xcb_keycode_t code : keycodesOf(keysym))
        for (uint16_t lock : lockVariants)
            xcb_ungrab_key(c, code, rootWindow(c), uint16_t(xModifiers(modifiers) | lock));
    xcb_flush(c);
}

int x11Socket() {
    xcb_connection_t* c = connection();
    return c ? xcb_get_file_descriptor(c) : -1;
}

bool takeHotKeyPresses() {
    xcb_connection_t* c = connection();
    bool pressed = false;
    while (xcb_generic_event_t* event = c ? xcb_poll_for_event(c) : nullptr) {
        pressed = pressed || (event->response_type & 0x7f) == XCB_KEY_PRESS;
        std::free(event);
    }
    return pressed;
}

std::vector<uint32_t> keysHeld() {
    std::vector<uint32_t> held;
    xcb_connection_t* c = connection();
    if (!c) return held;
    auto r = reply(xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr));
    if (!r) return held;
    for (int code = 8; code < 256; ++code)
        if (r->keys[code / 8] & (1 << (code % 8))) held.push_back(namingKeysym(uint32_t(code)));
    return held;
}

void setWindowState(uint32_t window, const char* state, bool on) {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    // The window manager's protocol for a mapped window: ask the root window for the change.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "_NET_WM_STATE");
    event.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
    event.data.data32[1] = atom(c, state);
    event.data.data32[3] = 1;  // from an application
    xcb_send_event(c, 0, rootWindow(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

void setUnmappedWindowState(uint32_t window, const char* state, bool on) {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    // The protocol for a window about to be mapped: the window's own _NET_WM_STATE property,
    // which the window manager reads as it takes the window on.
    const xcb_atom_t property = atom(c, "_NET_WM_STATE"), wanted = atom(c, state);
    auto r =
        reply(xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_ATOM, 0, 1024), nullptr));
    std::vector<xcb_atom_t> states;
    if (r && r->format == 32) {
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
        states.assign(held, held + xcb_get_property_value_length(r.get()) / 4);
    }
    std::erase(states, wanted);
    if (on) states.push_back(wanted);
    // Checked, so the change is made before the toolkit, on its own connection, maps the window.
    free(xcb_request_check(c, xcb_change_property_checked(c, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_ATOM, 32,
                                                          uint32_t(states.size()), states.data())));
}

bool isSyncRequest(const void* event, uint32_t window) {
    const auto* message = static_cast<const xcb_client_message_event_t*>(event);
    if ((message->response_type & 0x7f) != XCB_CLIENT_MESSAGE || message->window != window || message->format != 32)
        return false;
    xcb_connection_t* c = connection();
    if (!c) return false;
    static const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS"), sync = atom(c, "_NET_WM_SYNC_REQUEST");
    return message->type == protocols && message->data.data32[0] == sync;
}

bool isConfiguredTo(const void* event, uint32_t window, int width, int height) {
    const auto* configure = static_cast<const xcb_configure_notify_event_t*>(event);
    return (configure->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY && configure->window == window &&
           configure->width == width && configure->height == height;
}

bool predictFrameExtents(uint32_t window, int32_t extents[4]) {
    xcb_connection_t* c = connection();
    if (!c || !window) return false;
    const xcb_window_t root = rootWindow(c);
    auto check = reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!check || xcb_get_property_value_length(check.get()) == 0) return false;  // no window manager
    const xcb_atom_t property = atom(c, "_NET_FRAME_EXTENTS");
    const auto read = [&] {
        auto r = reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        if (!r || xcb_get_property_value_length(r.get()) != 16) return false;
        std::memcpy(extents, xcb_get_property_value(r.get()), 16);
        return true;
    };
    if (read()) return true;
    // The window manager's protocol for a window not yet mapped: ask, then the answer appears
    // as the property.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (read()) return true;
        usleep(5000);
    }
    return false;
}

void sendCopyData(uint32_t window, int dataNumber, const char* bytes, size_t length) {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    const std::string name = "_VIMBLE_COPYDATA_" + std::to_string(dataNumber);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, name.c_str()), XCB_ATOM_STRING, 8, uint32_t(length),
                        bytes);
    xcb_flush(c);
}
