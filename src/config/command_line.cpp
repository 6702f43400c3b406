#include "config/command_line.h"

#include "config/settings_tables.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <utility>
#include <variant>

namespace {

// What a named switch may set: a flag, to 1 or 0, or a setting with named values, to one of
// them. A switch that sets nothing carries a number for its action (the preset's).
template <class... Named>
struct Settable {
    using Field = std::variant<std::monostate, bool Settings::*, Named Settings::*...>;
    using Value = std::variant<int32_t, Named...>;
};
using Kinds = Settable<SortOrder, SortKey, Layer, LoopEnd, FindLast, ZoomQuality, Anchor>;
using Field = Kinds::Field;
using Value = Kinds::Value;

struct Switch {
    const char* name;
    Field field;
    Value value;
    SwitchAction action = SwitchAction::None;
    Field also = {};  // a second setting the switch changes
    Value alsoValue = 0;
};

// A flag takes a number and a named setting a value of its own type: the field's alternative
// follows the value's by one place.
constexpr bool fits(const Field& field, const Value& value) {
    return field.index() == 0 || field.index() == value.index() + 1;
}

using S = Settings;
using A = SwitchAction;

// Every named switch and what it sets; the first exact match wins.
// clang-format off
constexpr Switch switches[] = {
    {"-slide", &S::slide, 1},                {"-noslide", &S::slide, 0},
    {"-sortforward", &S::sort, SortOrder::Forward},
    {"-sortreverse", &S::sort, SortOrder::Reverse},
    {"-sortrandom", &S::sort, SortOrder::Random},
    {"-sortname", &S::sortby, SortKey::Name},
    {"-sortcreated", &S::sortby, SortKey::Created},
    {"-sortmodified", &S::sortby, SortKey::Modified},
    {"-sortaccessed", &S::sortby, SortKey::Accessed},
    {"-normal", &S::layer, Layer::Normal},
    {"-fullscreen", &S::layer, Layer::Fullscreen},
    {"-wallpaper", &S::layer, Layer::Wallpaper},
    {"-ontop", &S::ontop, 1},                {"-notop", &S::ontop, 0},
    {"-blend", &S::blend, 1},                {"-noblend", &S::blend, 0},
    {"-loop", &S::loop, LoopEnd::Loop},
    {"-loopause", &S::loop, LoopEnd::Pause},
    {"-loopexit", &S::loop, LoopEnd::Exit},
    {"-loopshuffle", &S::loopshuffle, 1},
    {"-noloopshuffle", &S::loopshuffle, 0},  {"-autoscroll", &S::autoscroll, 1},
    {"-noautoscroll", &S::autoscroll, 0},    {"-subfolders", &S::subfolders, 1},
    {"-nosubfolders", &S::subfolders, 0},    {"-hidden", &S::hidden, 1},
    {"-nohidden", &S::hidden, 0},            {"-peek", &S::peek, 1},
    {"-nopeek", &S::peek, 0},                {"-peeksort", &S::peeksort, 1},
    {"-nopeeksort", &S::peeksort, 0},        {"-peekcount", &S::peekcount, 1},
    {"-nopeekcount", &S::peekcount, 0},      {"-autorefresh", &S::autorefresh, 1},
    {"-noautorefresh", &S::autorefresh, 0},
    {"-autofindcreate", &S::autofindlast, FindLast::NewestCreated},
    {"-autofindmodify", &S::autofindlast, FindLast::NewestModified},
    {"-noautofind", &S::autofindlast, FindLast::Nothing},
    {"-landscape", &S::landscapeOnly, 1},    {"-portrait", &S::portraitOnly, 1},
    {"-markexit", &S::markexit, 1},          {"-nomarkexit", &S::markexit, 0},
    {"-bmp", &S::bmp, 1},                    {"-nobmp", &S::bmp, 0},
    {"-emf", &S::emf, 1},                    {"-noemf", &S::emf, 0},
    {"-gif", &S::gif, 1},                    {"-nogif", &S::gif, 0},
    {"-ico", &S::ico, 1},                    {"-noico", &S::ico, 0},
    {"-jpg", &S::jpg, 1},                    {"-nojpg", &S::jpg, 0},
    {"-png", &S::png, 1},                    {"-nopng", &S::png, 0},
    {"-tif", &S::tif, 1},                    {"-notif", &S::tif, 0},
    {"-webp", &S::webp, 1},                  {"-nowebp", &S::webp, 0},
    {"-avif", &S::avif, 1},                  {"-noavif", &S::avif, 0},
    {"-heif", &S::heif, 1},                  {"-noheif", &S::heif, 0},
    {"-jxl", &S::jxl, 1},                    {"-nojxl", &S::jxl, 0},
    {"-svg", &S::svg, 1},                    {"-nosvg", &S::svg, 0},
    {"-wrap", &S::wrap, 1},                  {"-nowrap", &S::wrap, 0},
    {"-crop", &S::crop, 1},                  {"-nocrop", &S::crop, 0},
    {"-squeeze", &S::squeeze, 1},            {"-nosqueeze", &S::squeeze, 0},
    {"-shrink", &S::shrink, 1},              {"-noshrink", &S::shrink, 0},
    {"-stretch", &S::stretch, 1},            {"-nostretch", &S::stretch, 0},
    {"-zoomdef", &S::zoomquality, ZoomQuality::Bilinear},
    {"-zoomhigh", &S::zoomquality, ZoomQuality::Smooth},
    {"-zoombest", &S::zoomquality, ZoomQuality::Best},
    {"-aspect", &S::rotateaspect, 1},        {"-noaspect", &S::rotateaspect, 0},
    {"-centered", &S::layout, Anchor::Centered},
    {"-topleft", &S::layout, Anchor::TopLeft},
    {"-topright", &S::layout, Anchor::TopRight},
    {"-bottomleft", &S::layout, Anchor::BottomLeft},
    {"-bottomright", &S::layout, Anchor::BottomRight},
    {"-collage", &S::collage, 1},            {"-nocollage", &S::collage, 0},
    {"-autorotate", &S::autorotate, 1},      {"-noautorotate", &S::autorotate, 0},
    {"-animate", &S::animate, 1},            {"-noanimate", &S::animate, 0},
    {"-transitions", &S::transitions, 1},    {"-notransitions", &S::transitions, 0},
    {"-overlap", &S::overlap, 1},            {"-nooverlap", &S::overlap, 0},
    {"-title", &S::title, 1},                {"-notitle", &S::title, 0},
    {"-fullname", &S::fullname, 1},          {"-shortname", &S::fullname, 0},
    {"-statusbar", &S::statusbar, 1},        {"-nostatusbar", &S::statusbar, 0},
    {"-trayicon", &S::trayicon, 1},          {"-taskbar", &S::trayicon, 0},
    {"-decor", &S::decorate, 1},             {"-nodecor", &S::decorate, 0},
    {"-whitebg", &S::whitebg, 1},            {"-blackbg", &S::whitebg, 0},
    {"-autocenter", &S::autocenter, 1, A::None, &S::roamwindow, 0},
    {"-noautocenter", &S::autocenter, 0},
    {"-roam", &S::roamwindow, 1, A::None, &S::autocenter, 0},
    {"-noroam", &S::roamwindow, 0},
    {"-corral", &S::corral, 1},              {"-nocorral", &S::corral, 0},
    {"-draggable", &S::draggable, 1},        {"-nodraggable", &S::draggable, 0},
    {"-single", &S::singleinstance, 1},      {"-nosingle", &S::singleinstance, 0},
    {"-screenname", &S::fullscreenname, 1},  {"-noscreenname", &S::fullscreenname, 0},
    {"-screencursor", &S::fullscreencursor, 1}, {"-noscreencursor", &S::fullscreencursor, 0},
    {"-screencenter", &S::fullscreenlayout, Anchor::Centered},
    {"-screenroam", &S::fullscreenlayout, Anchor::Roaming},
    {"-archive", &S::archiving, 1},          {"-noarchive", &S::archiving, 0},
    {"-arclog", &S::archivelog, 1},          {"-noarclog", &S::archivelog, 0},
    {"-save", &S::savesettings, 1},          {"-nosave", &S::savesettings, 0},
    {"-showerrors", &S::showErrors, 1},      {"-nologerrors", &S::logErrors, 0},
    {"-noshell", &S::noShell, 1},            {"-nomenu", &S::noMenu, 1},
    {"-center", {}, 0, A::Center},
    {"-preset1", {}, 1, A::Preset},          {"-preset2", {}, 2, A::Preset},
    {"-preset3", {}, 3, A::Preset},          {"-preset4", {}, 4, A::Preset},
    {"-preset5", {}, 5, A::Preset},
    {"-centerwall", {}, 0, A::CenterWall},   {"-tilewall", {}, 0, A::TileWall},
    {"-stretchwall", {}, 0, A::StretchWall}, {"-clearwall", {}, 0, A::ClearWall},
};
// clang-format on

// -tN, -bN, -zN, -rN: the setting the letter after the dash names.
struct NumericSwitch {
    char letter;
    int32_t Settings::*field;
    const char* meaning;
};
const NumericSwitch numericSwitches[] = {
    {'t', &S::timer, "slideshow interval in milliseconds"},
    {'b', &S::opacity, "blend opacity, 0 to 255"},
    {'z', &S::zoom, "locked zoom in percent (turns squeeze, shrink and stretch off)"},
    {'r', &S::rotation, "locked rotation in degrees"},
};

static_assert(std::ranges::all_of(switches, [](const Switch& row) {
    return fits(row.field, row.value) && fits(row.also, row.alsoValue);
}));

void set(Settings& settings, const Field& field, const Value& value) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool Settings::*>) settings.*member = std::get<int32_t>(value) != 0;
            else if constexpr (!std::is_same_v<Member, std::monostate>)
                settings.*member = std::get<std::remove_reference_t<decltype(settings.*member)>>(value);
        },
        field);
}

// Leading blanks, a sign and decimal digits, as the C library's whole-number conversion
// reads them; 0 when there are none, clamped to the 32-bit range.
int32_t wholeNumber(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min<int64_t>(value * 10 + (text[at] - '0'), int64_t(INT32_MAX) + 1);
    value = negative ? -value : value;
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

SwitchEffect applySwitch(Settings& settings, std::string_view text) {
    SwitchEffect effect;
    bool matched = false;
    for (const Switch& row : switches) {
        if (text != row.name) continue;
        set(settings, row.field, row.value);
        set(settings, row.also, row.alsoValue);
        effect = {row.action, row.action == A::Preset ? std::get<int32_t>(row.value) : 0};
        matched = true;
        break;
    }
    if (!matched && text.size() >= 3) {
        for (const NumericSwitch& row : numericSwitches) {
            if (text[1] != row.letter) continue;
            settings.*row.field = wholeNumber(text.substr(2));
            if (row.letter == 'z') settings.squeeze = settings.shrink = settings.stretch = false;
            break;
        }
    }
    if (settings.fit().any()) settings.zoom = 0;
    clampSettings(settings);
    return effect;
}

int applyPathArgument(Settings& settings, std::string& currentPath, std::string_view argument) {
    while (!argument.empty() && (argument.back() == ' ' || argument.back() == '\t')) argument.remove_suffix(1);
    if (argument.empty()) return 0;
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(std::string(argument), error).lexically_normal();
    std::string path = full.string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    settings.folder = path;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return 0;
    currentPath = path;
    settings.folder = full.has_parent_path() ? full.parent_path().string() : path;
    return 0;
}

std::vector<SwitchDescription> switchDescriptions() {
    std::vector<SwitchDescription> list{{"-h, --help", "print this list and end"},
                                        {"--version", "print the version and end"},
                                        {"-browse", "choose the folder in a folder browser"}};
    for (const NumericSwitch& row : numericSwitches) list.push_back({std::string("-") + row.letter + "N", row.meaning});
    for (const Switch& row : switches) list.push_back({row.name, ""});
    return list;
}

std::string usageText() {
    std::string text =
        "Usage: vimble [FOLDER-OR-PICTURE] [SWITCHES...]\n"
        "Shows the pictures of a folder and its subfolders; a picture starts the show at itself.\n"
        "Switches override the settings file for this run and are saved with it on exit.\n\n";
    size_t column = 0;
    bool named = false;
    for (const SwitchDescription& row : switchDescriptions()) {
        if (!row.meaning.empty()) {
            char line[160];
            std::snprintf(line, sizeof line, "  %-12s %s\n", row.name.c_str(), row.meaning.c_str());
            text += line;
            continue;
        }
        if (!std::exchange(named, true)) text += "\nNamed switches:\n";
        if (column + row.name.size() + 1 > 78) {
            text += "\n";
            column = 0;
        }
        text += (column == 0 ? "  " : " ") + row.name;
        column += row.name.size() + (column == 0 ? 2 : 1);
    }
    return text + "\n";
}
