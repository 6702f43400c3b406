#include "root_background.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

struct Connection {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen =
        xcb_connection_has_error(c) ? nullptr : xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    ~Connection() { xcb_disconnect(c); }
    xcb_atom_t atom(const char* name) const {
        Reply<xcb_intern_atom_reply_t> r(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr), &std::free);
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
};

// A connection left open for the process, as a desktop session's clients are: an X server that
// loses its last client starts afresh and forgets the root window's background.
const Connection& session() {
    static const Connection connection;
    return connection;
}
}  // namespace

bool setRootBackground(uint32_t rgb) {
    if (!session().screen) return false;
    // As a setter does: a connection of its own whose pixmap outlives it.
    const Connection setter;
    const xcb_screen_t* screen = setter.screen;
    const xcb_pixmap_t pixmap = xcb_generate_id(setter.c);
    xcb_create_pixmap(setter.c, screen->root_depth, pixmap, screen->root, screen->width_in_pixels,
                      screen->height_in_pixels);
    const xcb_gcontext_t gc = xcb_generate_id(setter.c);
    xcb_create_gc(setter.c, gc, pixmap, XCB_GC_FOREGROUND, &rgb);
    const xcb_rectangle_t all{0, 0, screen->width_in_pixels, screen->height_in_pixels};
    xcb_poly_fill_rectangle(setter.c, pixmap, gc, 1, &all);
    xcb_free_gc(setter.c, gc);
    xcb_change_window_attributes(setter.c, screen->root, XCB_CW_BACK_PIXMAP, &pixmap);
    for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
        xcb_change_property(setter.c, XCB_PROP_MODE_REPLACE, screen->root, setter.atom(name), XCB_ATOM_PIXMAP, 32, 1,
                            &pixmap);
    xcb_set_close_down_mode(setter.c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    std::free(xcb_get_input_focus_reply(setter.c, xcb_get_input_focus(setter.c), nullptr));
    return true;
}

std::optional<uint32_t> rootBackgroundPixel(int x, int y) {
    const Connection& root = session();
    if (!root.screen) return std::nullopt;
    Reply<xcb_get_property_reply_t> property(
        xcb_get_property_reply(
            root.c, xcb_get_property(root.c, 0, root.screen->root, root.atom("_XROOTPMAP_ID"), XCB_ATOM_PIXMAP, 0, 1),
            nullptr),
        &std::free);
    if (!property || xcb_get_property_value_length(property.get()) != 4) return std::nullopt;
    const xcb_pixmap_t pixmap = *static_cast<const uint32_t*>(xcb_get_property_value(property.get()));
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(root.c,
                            xcb_get_image(root.c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, int16_t(x), int16_t(y), 1, 1, ~0u),
                            nullptr),
        &std::free);
    if (!image || xcb_get_image_data_length(image.get()) < 4) return std::nullopt;
    uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(image.get()), 4);
    return pixel & 0xffffff;
}
