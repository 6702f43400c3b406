#pragma once

// The program's dialog templates: id, caption and client size in screen pixels.
struct DialogTemplate {
    int id;
    const char* caption;
    int width;
    int height;
};

inline constexpr DialogTemplate dialogTemplates[] = {
    {1000, "Tarnex Vimble", 225, 325},  // the main window
};

// The template with this id; the main window's when there is none.
constexpr const DialogTemplate& dialogTemplate(int id) {
    for (const DialogTemplate& t : dialogTemplates)
        if (t.id == id) return t;
    return dialogTemplates[0];
}
