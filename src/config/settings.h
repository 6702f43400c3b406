#pragma once
#include "config/setting_values.h"
#include "platform/rect.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The program's version, shown by --version and written into every saved settings file.
inline constexpr const char* programVersion = "1.97";
inline constexpr const char* programTitle = "Tarnex Vimble";  // captions and message boxes

// The largest zoom in percent, as a 16-bit setting holds it.
inline constexpr int32_t largestZoom = 32767;

// How many transition effects there are (numbered 0 to transitionCount - 1).
inline constexpr int32_t transitionCount = 15;

// Every effect, ascending: the enabled set of a first run and of the command "All".
std::vector<int32_t> allTransitions();

// Every setting the program keeps in vimble.ini, named by its key, with its default, plus the
// flags that only the command line sets. Values that the file holds as 16-bit numbers are kept
// as 32-bit integers, of which the file carries the low 16 bits.
struct Settings {
    // [Vimble]
    std::string version;  // the version that wrote the file; "1.97" on every save

    // [Slideshow]
    bool slide = true;
    int32_t timer = 5000;  // milliseconds per picture
    SortOrder sort = SortOrder::Forward;
    SortKey sortby = SortKey::Name;
    Layer layer = Layer::Normal;
    bool ontop = false;
    bool blend = false;
    int32_t opacity = 127;  // 0..255, 255 opaque
    LoopEnd loop = LoopEnd::Loop;
    bool loopshuffle = false;
    bool autoscroll = true;

    // [Folder]
    std::string folder;  // the root folder
    bool subfolders = true;
    bool hidden = true;
    bool peek = true;
    bool peeksort = false;
    bool peekcount = false;
    bool autorefresh = false;
    FindLast autofindlast = FindLast::NewestCreated;  // after an automatic refresh

    // [Formats]
    bool bmp = true, emf = false, gif = true, ico = false, jpg = true, png = true, tif = false;
    bool webp = true, avif = true, heif = true, jxl = true, svg = true;

    // [Favorites]
    std::string favorites;

    // [Image]
    bool wrap = true;
    bool crop = false;
    bool squeeze = true;
    bool shrink = true;
    bool stretch = false;
    Fit fit() const { return {squeeze, shrink, stretch}; }
    int32_t zoom = 0;       // locked zoom in percent; 0 = none
    int32_t zoomstep = 10;  // percent
    ZoomQuality zoomquality = ZoomQuality::Bilinear;
    int32_t rotation = 0;  // locked rotation in degrees
    bool rotateaspect = true;
    Anchor layout = Anchor::Centered;
    bool collage = false;
    int32_t collagesize = 250;  // pixels
    bool autorotate = true;     // pictures stand as their files' orientation says
    bool animate = true;        // animated pictures play; off shows their first frame

    // [Transitions]: the keys "1".."15" say which effects 0..14 are enabled.
    bool transitions = true;
    std::vector<int32_t> enabledTransitions;  // in the order enabled; ascending after loading
    bool overlap = true;

    // [Window Options]
    bool title = true;
    bool fullname = true;
    bool statusbar = true;
    bool trayicon = false;
    bool decorate = false;
    bool whitebg = false;
    bool autocenter = true;
    bool roamwindow = false;
    bool corral = true;
    bool draggable = true;
    bool singleinstance = false;
    bool fullscreenname = true;
    bool fullscreencursor = true;
    Anchor fullscreenlayout = Anchor::Centered;  // centred or roaming

    // [Window Position]: the normal window's frame in screen pixels.
    Rect windowRect;

    // [Window Presets]: 1 to 5.
    std::array<Rect, 5> presets;

    // [Shell]
    std::string archive;
    bool archivelog = true;
    bool archiving = false;
    bool confirmdelete = true;
    std::string imageViewer;               // image viewer
    std::string fileManager = "xdg-open";  // file manager
    int32_t bbCaptionAdjust = 2;           // bb caption adjust
    int32_t bbWindowAdjust = 0;            // bb window adjust (also stored under bb wallpaper style)
    bool bbWallpaper = true;               // bb wallpaper
    bool bbWallpaperScale = true;          // bb wallpaper scale

    // [Settings]
    bool savesettings = true;
    bool markexit = false;
    int32_t bookmark = 0;  // index of the bookmarked picture

    // [Menu]
    bool atCursor = true;  // at cursor

    // [Hotkeys]
    int32_t hidemod = 2;   // 1 Alt, 2 Control, 4 Shift, 8 Win
    int32_t hidekey = 27;  // a Windows virtual-key code: 27 Escape

    // Set by the command line only, never stored.
    bool landscapeOnly = false;
    bool portraitOnly = false;
    bool showErrors = false;
    bool logErrors = true;
    bool noShell = false;
    bool noMenu = false;
};
