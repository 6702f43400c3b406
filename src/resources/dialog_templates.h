#pragma once

// The program's dialog templates: id, caption, client size in screen pixels and, for the
// numeric-input dialogs, the hint shown beside the number.
struct DialogTemplate {
    int id;
    const char* caption;
    int width;
    int height;
    const char* hint = "";
};

inline constexpr DialogTemplate dialogTemplates[] = {
    {1000, "Tarnex Vimble", 225, 325},  // the main window
    {101, "Tarnex Vimble", 270, 163},   // About
    {103, "Slideshow Timer", 210, 98, "Milliseconds"},
    {104, "Go To", 210, 98, "(Image index)"},
    {105, "Collage Size", 210, 98, "(Default: 250)"},
    {106, "Zoom Step", 210, 98, "(Default: 10)"},
    {107, "Blend Opacity", 210, 98, "(255 = opaque)"},
    {108, "View With", 330, 98},
    {109, "Explore With", 330, 98},
    {110, "Adjust Desktop Height", 210, 98, "(Default: 2)"},
    {111, "Adjust Window Height", 210, 98, "(Default: 0)"},
    {300, "Find/Filter", 240, 124},
    {410, "Hide/Show HotKey", 210, 124},
};

// The template with this id; the main window's when there is none.
constexpr const DialogTemplate& dialogTemplate(int id) {
    for (const DialogTemplate& t : dialogTemplates)
        if (t.id == id) return t;
    return dialogTemplates[0];
}
